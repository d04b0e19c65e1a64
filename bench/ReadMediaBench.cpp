#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <utility>
#include <vector>

#include <fileref.h>
#include <tag.h>

#include "Bench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MediaFileReader.h"
#include "platform/Mp3TagReader.h"
#include "queue/QueryList.h"

namespace twinsweep::bench {
namespace {

/// Folder (ending in "/") and name of every .mp3 file below `root`.
std::vector<std::pair<QString, QString>> mp3Files(const QString& root)
{
    std::vector<std::pair<QString, QString>> files;
    QDirIterator it(root, {"*.mp3"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        files.emplace_back(info.path() + '/', info.fileName());
    }
    return files;
}

/// The same reading without the program: TagLib's generic file reference.
qint64 readWithPlainTagLib(const std::vector<std::pair<QString, QString>>& files)
{
    qint64 checksum = 0;
    for (const auto& [folder, name] : files) {
        const TagLib::FileRef file(QFile::encodeName(folder + name).constData(), true,
                                   TagLib::AudioProperties::Average);
        if (file.isNull())
            continue;
        if (const TagLib::AudioProperties* properties = file.audioProperties())
            checksum += properties->lengthInSeconds() + properties->bitrate() + properties->sampleRate();
        if (const TagLib::Tag* tag = file.tag())
            checksum +=
                tag->title().size() + tag->artist().size() + tag->album().size() + tag->comment().size() + tag->year();
    }
    return checksum;
}

qint64 readWithHandler(const std::vector<std::pair<QString, QString>>& files)
{
    HeadlessServices headless;
    Catalogue catalogue;
    QueryList query;
    Mp3TagReader tagReader;
    MediaFileReader reader(catalogue, query, tagReader, headless.services);
    catalogue.ListFiles.reserve(files.size());
    for (const auto& [folder, name] : files)
        reader.DirEx_CurrentFile(folder, name);
    qint64 checksum = 0;
    for (const FileRecord& record : catalogue.ListFiles)
        checksum += record.value(Field::Duration).toLongLong() + record.value(Field::Title).size();
    return checksum;
}

/// Reads every MP3 file below a folder into a collection, the way a scan does.
int runReadMedia(const QStringList& arguments)
{
    QStringList folders = arguments;
    const bool plain = folders.removeAll("--plain-taglib") > 0;
    if (folders.size() != 1) {
        std::fprintf(stderr, "usage: twinsweep-bench read-media [--plain-taglib] DIR\n");
        return 2;
    }
    const auto files = mp3Files(folders.first());
    restartClock();
    const qint64 checksum = plain ? readWithPlainTagLib(files) : readWithHandler(files);
    const double seconds = elapsedSeconds();
    std::printf("read-media%s: %zu files in %.3f s, %.0f files/s (checksum %lld), peak %.0f MiB\n",
                plain ? " (plain TagLib)" : "", files.size(), seconds, double(files.size()) / seconds,
                static_cast<long long>(checksum), peakMemoryMiB());
    return 0;
}

const Registration registration{{"read-media", "read-media [--plain-taglib] DIR", runReadMedia}};

} // namespace
} // namespace twinsweep::bench
