#include <QRegularExpression>

#include <cstdio>

#include "Bench.h"
#include "BenchFiles.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "fileops/CopyMoveFiles.h"
#include "fileops/DeleteSelectedFiles.h"
#include "fileops/FileOpSteps.h"
#include "platform/MciInterpreter.h"
#include "playback/modMultimedia.h"

namespace twinsweep::bench {
namespace {

/// The folder picker always picks the same folder.
class FixedFolder : public FileDialogs
{
public:
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&) override { return "/target"; }
};

/// `total` files on 10 volumes; the file list shows volume 5, the result list every
/// tenth file.
void buildCollection(Catalogue& catalogue, qsizetype total, Services& services)
{
    const int volumes = 10;
    for (int volume = 1; volume <= volumes; ++volume)
        catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
    catalogue.ListFiles.reserve(size_t(total));
    std::vector<ListRow> results;
    for (qsizetype row = 0; row < total; ++row) {
        const int volume = int(row * volumes / total + 1);
        catalogue.ListFiles.push_back(FileRecord(
            {"song" + QString::number(row) + ".mp3", "/media/v" + QString::number(volume) + "/album/", "4000000", "180",
             "44100", "128", "Title", "Artist", "Album", "", "2001", "3", "1.0", QString::number(volume)}));
        if (row % 10 == 0)
            results.push_back({tagFromRow(row), "Volume", 255, false});
    }
    catalogue.Duplicates.assign(std::move(results));
    catalogue.TreeView1.select(5);
    catalogue.ClickNOD(services);
}

/// `count` rows spread evenly over a list of `size` rows.
std::vector<qsizetype> spreadRows(qsizetype size, qsizetype count)
{
    std::vector<qsizetype> rows;
    const qsizetype step = std::max<qsizetype>(1, size / std::max<qsizetype>(1, count));
    for (qsizetype row = 0; row < size && qsizetype(rows.size()) < count; row += step)
        rows.push_back(row);
    return rows;
}

using Operation = void (*)(FileOpsContext&, ActingList, const std::vector<qsizetype>&);

void timeOperation(const char* name, Operation operation, ActingList list, qsizetype total, qsizetype selected)
{
    HeadlessServices headless;
    YesPrompt yes;
    FixedFolder folder;
    Services services{yes, headless.status, folder, headless.busy, headless.pump, headless.settings};
    Catalogue catalogue;
    buildCollection(catalogue, total, services);
    TimedFiles files(nullptr);
    const OneVolume volumes;
    MciInterpreter noPlayback{[] { return nullptr; }}; // nothing plays in the benchmark
    modMultimedia channels(noPlayback);
    FileOpsContext ops{catalogue, services, volumes, files, channels};
    const std::vector<qsizetype> rows = spreadRows(actingRows(catalogue, list).size(), selected);

    restartClock();
    operation(ops, list, rows);
    std::printf("%s from the %s: %.3f s; %s\n", name, list == ActingList::ListFiles2 ? "file list" : "results",
                elapsedSeconds(), qPrintable(headless.status.last));
}

int runSelected(const QStringList& arguments)
{
    const QStringList numbers = arguments.filter(QRegularExpression("^\\d+$"));
    const qsizetype total = numbers.value(0, "1000000").toLongLong();
    const qsizetype selected = numbers.value(1, "10000").toLongLong();
    for (const ActingList list : {ActingList::ListFiles2, ActingList::Duplicates}) {
        timeOperation("delete", deleteSelectedFiles, list, total, selected);
        timeOperation("copy", copyToFolder, list, total, selected);
        timeOperation("move", moveToFolder, list, total, selected);
    }
    std::printf("peak %.0f MiB\n", peakMemoryMiB());
    return 0;
}

const Registration registration{{"selected", "selected [ROWS=1000000] [SELECTED=10000]", runSelected}};

} // namespace
} // namespace twinsweep::bench
