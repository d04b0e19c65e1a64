#include "Module1.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Services.h"

namespace twinsweep::Module1 {

QString ShowSaveDialog(FileDialogs& dialogs, const QString& initialFolder, const QString& title, const QString& filter)
{
    return dialogs.saveFile(initialFolder, title, filter);
}

QString ShowOpenDialog(FileDialogs& dialogs, const QString& initialFolder, const QString& title, const QString& filter)
{
    return dialogs.openFile(initialFolder, title, filter);
}

namespace {
QString twoDigits(qint64 number)
{
    // Like the original's "00" format: a negative number keeps its minus sign in front.
    const QString digits = QString::number(number < 0 ? -number : number).rightJustified(2, '0');
    return number < 0 ? "-" + digits : digits;
}
} // namespace

QString FormatDuration(qint64 seconds)
{
    // Minutes are rounded down; the rest keeps the sign of the seconds (-1 -> "-01:-01").
    const qint64 minutes = seconds >= 0 ? seconds / 60 : -((-seconds + 59) / 60);
    return twoDigits(minutes) + ":" + twoDigits(seconds % 60);
}

QString FileNameFromPath(const QString& path)
{
    return path.section('/', -1);
}

QString GetLongPath(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    return QDir::cleanPath(info.absoluteFilePath());
}

} // namespace twinsweep::Module1
