#include "FileLayer.h"

#include "FileTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

/// Undoes a move that ended outside the trash, with the info file written for it.
void putBack(const QString& misplaced, const QString& original)
{
    const QFileInfo info(misplaced);
    if (!entryExists(misplaced) || !renameNoReplace(info.absoluteFilePath(), original))
        return;
    const QString infoFolder = QFileInfo(info.absolutePath()).absolutePath() + "/info/";
    QFile::remove(infoFolder + info.fileName() + ".trashinfo");
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
    if (isTrashLocation(inTrash) && !entryExists(path))
        return true;
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
