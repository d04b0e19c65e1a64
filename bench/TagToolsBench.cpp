#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "platform/FileLayer.h"
#include "platform/MediaChannels.h"
#include "platform/Mp3TagReader.h"
#include "search/StopFlag.h"
#include "tagtools/FileNameToTag.h"
#include "tagtools/TagRenamer.h"

namespace twinsweep::bench {
namespace {

class NoChannels : public MediaChannels
{
public:
    QString CloseMedia(const QString&) override { return "Success"; }
};

/// Four silent MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz; every other file
/// carries an ID3v1 tag already, so the tool both appends and rewrites tags.
QByteArray smallMp3(bool tagged)
{
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x00);
    QByteArray bytes = frame.repeated(4);
    if (tagged)
        bytes += "TAG" + QByteArray(124, ' ') + char(17);
    return bytes;
}

/// A volume of `count` files named "Artist N - Title N.mp3" in one folder.
void makeVolume(Catalogue& catalogue, const QString& folder, int count)
{
    catalogue.TreeView1.add({folder, "1", "Bench"});
    for (int i = 0; i < count; ++i) {
        const QString name = "Artist " + QString::number(i) + " - Title " + QString::number(i) + ".mp3";
        QFile file(folder + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(smallMp3(i % 2 == 1));
        catalogue.ListFiles.push_back(
            FileRecord({name, folder, "1796", "0", "44100", "128", "", "", "", "", "", "3", "1.0", "1"}));
    }
    catalogue.TreeView1.select(1);
}

/// What the tag tools are given besides the collection, as the windows give it.
struct TagToolRig
{
    TagToolRig(Catalogue& catalogue, HeadlessServices& headless)
        : tools{catalogue, headless.services, files, channels, reader}
    {}

    SystemFileLayer files;
    NoChannels channels;
    Mp3TagReader reader;
    StopFlag stop;
    TagToolContext tools;
    ID3TafFromFileName parser;
};

void report(const char* what, int count, double seconds, const QString& status)
{
    std::printf("%s: %d files in %.2f s, %.0f files/s (%s)\n", what, count, seconds, count / seconds,
                qPrintable(status));
}

int runTagTools(const QStringList& arguments)
{
    const int count = arguments.isEmpty() ? 10000 : arguments.first().toInt();
    QTemporaryDir scratch;
    const QString folder = scratch.path() + "/";
    HeadlessServices headless;
    Catalogue catalogue;
    makeVolume(catalogue, folder, count);
    TagToolRig rig(catalogue, headless);

    restartClock();
    WriteTagsFromFileNames(rig.tools, rig.parser, {SearchScope::AllVolumes, OverwritePolicy::OverwriteAllFields, 0, {}},
                           rig.stop);
    report("name-to-tag", count, elapsedSeconds(), headless.status.last);

    restartClock();
    RenameFromTags(rig.tools, {SearchScope::AllVolumes, "%01 by %02", true, QString("bench")}, rig.stop);
    report("rename+recomment", count, elapsedSeconds(), headless.status.last);
    return 0;
}

/// Scans a folder as one volume, then writes the tags of its files from their names as
/// "MP3 file name to ID3 tag" does with the given choices and no case conversion.
int runTagFromName(const QStringList& arguments)
{
    bool layoutValid = false;
    bool policyValid = false;
    const int layout = option(arguments, "--layout", "0").toInt(&layoutValid);
    const int policy = option(arguments, "--policy", "1").toInt(&policyValid);
    if (arguments.isEmpty() || arguments.first().startsWith("--") || !layoutValid || dirStructureOfMask(layout) < 0 ||
        !policyValid || policy < 0 || policy > int(OverwritePolicy::OverwriteAllFields)) {
        std::fprintf(stderr, "usage: twinsweep-bench tag-from-name DIR [--layout 0-4] [--policy 0-2]\n");
        return 2;
    }
    HeadlessServices headless;
    Catalogue catalogue;
    addFolderAsVolume(catalogue, headless, arguments.first());
    TagToolRig rig(catalogue, headless);
    const NameToTagOptions options{SearchScope::SelectedVolume, OverwritePolicy(policy), layout, std::nullopt};
    if (!WriteTagsFromFileNames(rig.tools, rig.parser, options, rig.stop))
        return 1;
    std::printf("%s\n", qPrintable(headless.status.last));
    return 0;
}

const Registration registration{{"tag-tools", "tag-tools [COUNT]", runTagTools}};
const Registration tagFromName{{"tag-from-name", "tag-from-name DIR [--layout N] [--policy N]", runTagFromName}};

} // namespace
} // namespace twinsweep::bench
