#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

#include "Bench.h"
#include "BenchFiles.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "fileops/DeleteCheckedResults.h"
#include "fileops/FileOpSteps.h"
#include "platform/MciInterpreter.h"
#include "playback/modMultimedia.h"
#include "platform/FileLayer.h"
#include "platform/SettingKeys.h"
#include "platform/VolumeLayer.h"

namespace twinsweep::bench {
namespace {

/// A collection of `total` files in `folder` on 10 volumes with `results` result rows,
/// of which `checked` are checked (spread over the list); `makeFiles` makes their files.
void buildCollection(Catalogue& catalogue, qsizetype total, qsizetype results, qsizetype checked, const QString& folder,
                     bool makeFiles)
{
    const int volumes = 10;
    for (int volume = 1; volume <= volumes; ++volume)
        catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
    catalogue.ListFiles.reserve(size_t(total));
    for (qsizetype row = 0; row < total; ++row) {
        const QString volume = QString::number(row * volumes / total + 1);
        const QString path = folder + '/';
        catalogue.ListFiles.push_back(
            FileRecord({"song" + QString::number(row) + ".mp3", path, "4000000", "180", "44100", "128", "Title",
                        "Artist", "Album", "", "2001", "3", "1.0", volume}));
    }
    std::vector<ListRow> rows;
    const qsizetype step = total / results;
    const qsizetype checkEvery = results / checked;
    for (qsizetype i = 0; i < results; ++i) {
        const qsizetype tag = tagFromRow(i * step);
        const bool isChecked = i % checkEvery == 0;
        if (isChecked && makeFiles)
            QFile(catalogue.ListFiles[size_t(rowFromTag(tag))].fullPath()).open(QIODevice::WriteOnly);
        rows.push_back({tag, "Volume", 255, isChecked});
    }
    catalogue.Duplicates.assign(std::move(rows));
    catalogue.TreeView1.select(5);
}

int runDelete(const QStringList& arguments)
{
    const bool realFiles = arguments.contains("--real-files");
    const bool realVolumes = arguments.contains("--real-volumes");
    QStringList numbers = arguments.filter(QRegularExpression("^\\d+$"));
    const qsizetype total = numbers.value(0, "1000000").toLongLong();
    const qsizetype results = numbers.value(1, "100000").toLongLong();
    const qsizetype checked = numbers.value(2, "10000").toLongLong();

    QTemporaryDir folder;
    Catalogue catalogue;
    buildCollection(catalogue, total, results, checked, folder.path(), realFiles);
    HeadlessServices headless;
    catalogue.ClickNOD(headless.services);
    YesPrompt yes;
    SettingsStore settings(folder.path() + "/settings.ini");
    settings.setValue(Settings::Backup, "0"); // never fill the user's trash
    Services services{yes, headless.status, headless.dialogs, headless.busy, headless.pump, settings};
    SystemFileLayer system;
    TimedFiles files(realFiles ? &system : nullptr);
    const OneVolume oneVolume;
    const SystemVolumeInfo systemVolumes;
    const VolumeInfo& volumes = realVolumes ? static_cast<const VolumeInfo&>(systemVolumes) : oneVolume;
    if (realVolumes) {
        const QString tag = QString::number(systemVolumes.serialNumber(systemVolumes.mountPointOf(folder.path())));
        for (int volume = 1; volume <= catalogue.TreeView1.count(); ++volume)
            catalogue.TreeView1.setNodeTag(volume, tag);
    }
    MciInterpreter noPlayback{[] { return nullptr; }}; // nothing plays in the benchmark
    modMultimedia channels(noPlayback);
    FileOpsContext ops{catalogue, services, volumes, files, channels};

    restartClock();
    Delete_Click(ops);
    const double seconds = elapsedSeconds();
    std::printf("delete: %s; %lld files, %lld result rows left; %.3f s in all, %.3f s in the file system, "
                "%.3f s outside it; peak %.0f MiB\n",
                qPrintable(headless.status.last), static_cast<long long>(catalogue.ListFiles.size()),
                static_cast<long long>(catalogue.Duplicates.size()), seconds, files.seconds, seconds - files.seconds,
                peakMemoryMiB());
    return 0;
}

const Registration registration{
    {"delete", "delete [ROWS=1000000] [RESULTS=100000] [CHECKED=10000] [--real-files] [--real-volumes]", runDelete}};

} // namespace
} // namespace twinsweep::bench
