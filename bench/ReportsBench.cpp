#include <QFileInfo>

#include <cstdio>
#include <ctime>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "SyntheticCollection.h"
#include "catalogue/Catalogue.h"
#include "shell/ListStatistics.h"
#include "shell/TxtExport.h"

namespace twinsweep::bench {
namespace {

double cpuSeconds(std::clock_t since)
{
    return double(std::clock() - since) / CLOCKS_PER_SEC;
}

/// The arguments that are neither an option nor an option's value.
QStringList positional(const QStringList& arguments)
{
    QStringList result;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        if (arguments[at].startsWith("--"))
            ++at;
        else
            result << arguments[at];
    }
    return result;
}

/// A list to report on: the collection, or with `--volume N` the files of volume N
/// as its list shows them.
struct ReportList
{
    bool load(const QStringList& arguments)
    {
        const auto generate = [](Catalogue& target, qsizetype files, int volumes) {
            SyntheticCollection(files, volumes).fill(target);
        };
        if (!searchCollection(arguments, catalogue, headless, generate))
            return false;
        volumeOnly = arguments.contains("--volume");
        if (volumeOnly) {
            catalogue.TreeView1.select(option(arguments, "--volume").toInt());
            catalogue.ClickNOD(headless.services);
        }
        return true;
    }
    ListSource source() const
    {
        return volumeOnly ? ListSource(catalogue.ListFiles2, catalogue.ListFiles) : ListSource(catalogue.ListFiles);
    }

    Catalogue catalogue;
    HeadlessServices headless;
    bool volumeOnly = false;
};

/// Prints what the statistics window would show, one caption and value a line.
int runStats(const QStringList& arguments)
{
    ReportList list;
    if (!list.load(arguments))
        return 2;
    const ListSource source = list.source();
    restartClock();
    const std::clock_t cpu = std::clock();
    const ListStatistics statistics = listStatistics(source);
    std::fprintf(stderr, "stats: %lld rows in %.3f s (cpu %.3f s)\n", static_cast<long long>(source.size()),
                 elapsedSeconds(), cpuSeconds(cpu));
    std::printf("Total size\t%s\nTotal duration\t%s\nAverange bit rate\t%s\nFiles count\t%s\n",
                qPrintable(statistics.size), qPrintable(statistics.duration),
                qPrintable(bitRateLabel(statistics.abitr)), qPrintable(fileCountLabel(statistics.FileCount)));
    return 0;
}

/// Writes the text export of the list to OUT.txt.
int runExportTxt(const QStringList& arguments)
{
    // OUT.txt follows FILE.ztw, or stands alone after --generate N.
    const QStringList files = positional(arguments);
    const qsizetype needed = arguments.value(0).startsWith("--") ? 1 : 2;
    ReportList list;
    if (files.size() < needed || !list.load(arguments)) {
        std::fprintf(stderr, "FILE.ztw or --generate N, and OUT.txt, are required\n");
        return 2;
    }
    const ListSource source = list.source();
    QString path = files.last();
    restartClock();
    const std::clock_t cpu = std::clock();
    ExportListToTxt(source, path, list.headless.services);
    std::printf("export-txt: %lld rows, %s (%.0f MB) in %.3f s (cpu %.3f s), peak %.0f MiB\n",
                static_cast<long long>(source.size()), qPrintable(list.headless.status.last),
                double(QFileInfo(path).size()) / 1e6, elapsedSeconds(), cpuSeconds(cpu), peakMemoryMiB());
    return 0;
}

const Registration stats{{"stats", "stats FILE.ztw|--generate N [--volumes V] [--volume N]", runStats}};
const Registration exportTxt{
    {"export-txt", "export-txt FILE.ztw|--generate N [--volumes V] OUT.txt [--volume N]", runExportTxt}};

} // namespace
} // namespace twinsweep::bench
