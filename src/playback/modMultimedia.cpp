#include "modMultimedia.h"

namespace twinsweep {

QString modMultimedia::CloseMedia(const QString& alias)
{
    // Nothing plays yet: no channel ever holds a file open.
    Q_UNUSED(alias);
    return QStringLiteral("Success");
}

} // namespace twinsweep
