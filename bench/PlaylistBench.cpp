#include <QFileInfo>

#include <cstdio>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessScanner.h"
#include "HeadlessServices.h"
#include "SyntheticCollection.h"
#include "catalogue/Catalogue.h"
#include "catalogue/VolumeAdder.h"
#include "queue/PlaylistTransfer.h"

namespace twinsweep::bench {
namespace {

PlaylistFormat formatOf(const QString& path)
{
    return path.right(3).toUpper() == "PLS" ? PlaylistFormat::PLS : PlaylistFormat::M3U;
}

/// Writes the collection, or with `--volume N` volume N's files, as OUT.m3u or OUT.pls.
int runExportPlaylist(const QStringList& arguments)
{
    Catalogue catalogue;
    HeadlessServices headless;
    const auto generate = [](Catalogue& target, qsizetype files, int volumes) {
        SyntheticCollection(files, volumes).fill(target);
    };
    const qsizetype outAt = arguments.value(0).startsWith("--") ? 2 : 1;
    if (arguments.size() <= outAt || !searchCollection(arguments, catalogue, headless, generate)) {
        std::fprintf(stderr, "FILE.ztw or --generate N, and OUT.m3u or OUT.pls, are required\n");
        return 2;
    }
    const QString out = arguments[outAt];
    const bool volumeOnly = arguments.contains("--volume");
    if (volumeOnly) {
        catalogue.TreeView1.select(option(arguments, "--volume").toInt());
        catalogue.ClickNOD(headless.services);
    }
    const PlaylistSource source = volumeOnly ? volumeSource(catalogue) : collectionSource(catalogue);
    restartClock();
    const QString error = writePlaylist(out, formatOf(out), source, headless.pump);
    std::printf("export-playlist: %lld rows, %s (%.0f MB) in %.3f s, peak %.0f MiB\n",
                static_cast<long long>(source.count()), error.isEmpty() ? "saved" : qPrintable(error),
                double(QFileInfo(out).size()) / 1e6, elapsedSeconds(), peakMemoryMiB());
    return error.isEmpty() ? 0 : 1;
}

class UnnamedVolume : public CollectionNameWindow
{
public:
    void SetName(const QString&) override {}
    QString showModal() override { return {}; }
};

/// Imports PLAYLIST as a new volume of an empty collection (or with `--query` into
/// the query list), reading every entry's file as a scan would.
int runImportPlaylist(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments[0].startsWith("--")) {
        std::fprintf(stderr, "PLAYLIST is required\n");
        return 2;
    }
    HeadlessServices headless;
    Catalogue catalogue;
    HeadlessScanner scan(catalogue, headless);
    UnnamedVolume Form4;
    NoRecentFiles recent;
    PlaylistImport import(catalogue, headless.services, scan.scanner, Form4, recent, scan.query);

    const QString path = arguments[0];
    const bool intoQuery = arguments.contains("--query");
    restartClock();
    if (intoQuery)
        import.importToQuery(path, formatOf(path));
    else
        import.importToCollection(path, formatOf(path));
    const double seconds = elapsedSeconds();
    const qsizetype rows = intoQuery ? scan.query.size() : qsizetype(catalogue.ListFiles.size());
    std::printf("import-playlist%s: %lld rows in %.3f s (%.0f files/s), peak %.0f MiB\n", intoQuery ? " --query" : "",
                static_cast<long long>(rows), seconds, seconds > 0 ? double(rows) / seconds : 0.0, peakMemoryMiB());
    if (arguments.contains("--save") && !saveCollection(catalogue, headless, option(arguments, "--save")))
        return 1;
    return 0;
}

const Registration exportPlaylist{{"export-playlist",
                                   "export-playlist FILE.ztw|--generate N [--volumes V] OUT.m3u|OUT.pls [--volume N]",
                                   runExportPlaylist}};
const Registration importPlaylist{
    {"import-playlist", "import-playlist PLAYLIST [--query] [--save OUT.ztw]", runImportPlaylist}};

} // namespace
} // namespace twinsweep::bench
