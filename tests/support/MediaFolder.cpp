#include "MediaFolder.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include "MediaFiles.h"
#include "TestEnvironment.h"

namespace twinsweep::test {

QString makeMediaFolder(const QStringList& entries)
{
    const QString root = scratchRoot() + "/media-" + QUuid::createUuid().toString(QUuid::Id128).left(8);
    QDir().mkpath(root);
    for (const QString& entry : entries) {
        const QString path = root + "/" + entry;
        QDir().mkpath(path.section('/', 0, -2));
        if (entry.endsWith(".mp3", Qt::CaseInsensitive))
            writeMp3(path, Mp3Content{});
        else if (entry.endsWith(".wav", Qt::CaseInsensitive))
            writeWav(path, WavContent{.dataBytes = 176400});
        else
            QFile(path).open(QIODevice::WriteOnly);
    }
    return root;
}

} // namespace twinsweep::test
