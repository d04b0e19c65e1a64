#include "Icons.h"

#include <QFile>

// Resources of a static library are registered by hand, once, outside any namespace.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace twinsweep::Icons {

QIcon icon(const QString& name)
{
    static const bool registered = (registerIcons(), true);
    Q_UNUSED(registered);
    const QString path = QStringLiteral(":/icons/") + name + QStringLiteral(".png");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

} // namespace twinsweep::Icons
