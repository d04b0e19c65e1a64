#include "ScratchFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#include "TestEnvironment.h"

namespace twinsweep::test {

QString freshFolder(const QString& name)
{
    const QString folder = scratchRoot() + '/' + name + '-' + QUuid::createUuid().toString(QUuid::Id128).left(8);
    QDir().mkpath(folder);
    return folder;
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString trashedFrom(const QString& originalPath)
{
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    QDirIterator infos(trash + "/info", {"*.trashinfo"}, QDir::Files);
    while (infos.hasNext()) {
        const QString info = infos.next();
        for (const QByteArray& line : readFile(info).split('\n')) {
            if (line.startsWith("Path=") && QUrl::fromPercentEncoding(line.mid(5)) == originalPath)
                return trash + "/files/" + QFileInfo(info).completeBaseName();
        }
    }
    return {};
}

} // namespace twinsweep::test
