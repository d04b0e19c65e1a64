#include "FileLayer.h"

#include "FileTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <sys/stat.h>

namespace twinsweep {

namespace {

bool statLink(const QString& path, struct stat& status)
{
    return lstat(QFile::encodeName(path).constData(), &status) == 0;
}

/// A place the trash keeps files in: ".../Trash/files/NAME" or ".../.Trash-UID/files/NAME".
bool isTrashLocation(const QString& path)
{
    const QFileInfo info(path);
    const QDir files = info.dir();
    const QString trash = QFileInfo(files.absolutePath()).dir().dirName();
    return info.isAbsolute() && files.dirName() == "files" && (trash == "Trash" || trash.startsWith(".Trash")) &&
           entryExists(path);
}

/// The trash's record of where `inTrash` came from: ".../info/NAME.trashinfo".
QString trashInfoOf(const QString& inTrash)
{
    const QFileInfo info(inTrash);
    return QFileInfo(info.absolutePath()).absolutePath() + "/info/" + info.fileName() + ".trashinfo";
}

/// The trash keeps the origin escaped as in URLs, so that file managers restore a
/// name holding "%", blanks or non-ASCII characters as it was; Qt writes it raw.
/// Only a value that is the raw origin (absolute, or relative to the top of a
/// volume's own trash) is rewritten, so an escaped one is never escaped twice.
void escapeTrashInfoPath(const QString& inTrash, const QString& original)
{
    const QString infoPath = trashInfoOf(inTrash);
    QFile info(infoPath);
    if (!info.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> lines = info.readAll().split('\n');
    info.close();
    bool rewritten = false;
    for (QByteArray& line : lines) {
        if (!line.startsWith("Path="))
            continue;
        const QString value = QString::fromUtf8(line.mid(5));
        if (value == original || original.endsWith(u'/' + value)) {
            line = "Path=" + QUrl::toPercentEncoding(value, "/");
            rewritten = true;
        }
        break;
    }
    QSaveFile escaped(infoPath);
    if (rewritten && escaped.open(QIODevice::WriteOnly) && escaped.write(lines.join('\n')) >= 0)
        escaped.commit();
}

/// Undoes a move that ended outside the trash, with the info file written for it.
void putBack(const QString& misplaced, const QString& original)
{
    const QFileInfo info(misplaced);
    if (!entryExists(misplaced) || !renameNoReplace(info.absoluteFilePath(), original))
        return;
    QFile::remove(trashInfoOf(misplaced));
}

} // namespace

bool entryExists(const QString& path)
{
    struct stat status;
    return statLink(path, status);
}

bool SystemFileLayer::setAttributesNormal(const QString& path)
{
    struct stat status;
    if (!statLink(path, status))
        return false;
    if (S_ISLNK(status.st_mode) || (status.st_mode & S_IWUSR))
        return true;
    return chmod(QFile::encodeName(path).constData(), (status.st_mode & 07777) | S_IWUSR) == 0;
}

bool SystemFileLayer::moveToTrash(const QString& path)
{
    struct stat status;
    if (!statLink(path, status) || S_ISDIR(status.st_mode))
        return false;
    // Qt 6.4 puts the file into the current folder, and reports success, when it cannot
    // make the trash folder: when the data folder is missing or something is in the way.
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome))
        return false;
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return false;
    if (isTrashLocation(inTrash) && !entryExists(path)) {
        escapeTrashInfoPath(inTrash, QFileInfo(path).absoluteFilePath());
        return true;
    }
    putBack(inTrash, path);
    return false;
}

bool SystemFileLayer::removeFile(const QString& path)
{
    return unlinkPath(path);
}

bool SystemFileLayer::copyFile(const QString& from, const QString& to)
{
    return copyFileNoReplace(from, to);
}

bool SystemFileLayer::moveFile(const QString& from, const QString& to)
{
    return moveFileNoReplace(from, to);
}

} // namespace twinsweep
