#include <cstdio>
#include <numeric>

#include "Bench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"

namespace twinsweep::bench {
namespace {

/// A collection of `total` files on ten volumes, each file also a result row.
void fillCollection(Catalogue& catalogue, qsizetype total)
{
    constexpr int volumes = 10;
    for (int volume = 1; volume <= volumes; ++volume)
        catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
    catalogue.ListFiles.reserve(size_t(total));
    std::vector<ListRow> results;
    results.reserve(size_t(total));
    for (qsizetype row = 0; row < total; ++row) {
        const int volume = int(row * volumes / total) + 1;
        catalogue.ListFiles.push_back(
            FileRecord({"song" + QString::number(row) + ".mp3", "/media/music/", "4000000", QString::number(row % 900),
                        "44100", "128", "Title", "Artist", "Album", "", "2001", "3", "1.0", QString::number(volume)}));
        results.push_back({row + 1, "Volume " + QString::number(volume), SystemWindowText, false});
    }
    catalogue.Duplicates.assign(std::move(results));
}

std::vector<qsizetype> firstRows(qsizetype count)
{
    std::vector<qsizetype> rows(static_cast<size_t>(count));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

template <typename Step> void timed(const char* what, Step step)
{
    restartClock();
    step();
    std::printf("%-46s %.3f s\n", what, elapsedSeconds());
}

/// Times "Add to query" from both lists and the recolouring of the whole queue.
int runQuery(const QStringList& arguments)
{
    const qsizetype total = arguments.value(0, "1000000").toLongLong();
    Catalogue catalogue;
    fillCollection(catalogue, total);
    HeadlessServices headless;
    Services& services = headless.services;
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(services);
    QueryList query;
    const qsizetype volumeRows = catalogue.ListFiles2.size();
    std::printf("%lld files, %lld on volume 1\n", static_cast<long long>(total), static_cast<long long>(volumeRows));

    timed("Add to query: every file of volume 1",
          [&] { addquery_Click(catalogue, query, services, firstRows(volumeRows)); });
    timed("Add to query: every result row", [&] { addquery1_Click(catalogue, query, services, firstRows(total)); });
    query.setTag(QString::number(query.size() / 2));
    timed("checkcolor over the whole query list", [&] { checkcolor(query, services.pump); });
    std::printf("%lld query rows; peak %.0f MiB\n", static_cast<long long>(query.size()), peakMemoryMiB());
    return 0;
}

const Registration query{{"query", "query [FILES]   (default 1000000; volume 1 holds a tenth)", runQuery}};

} // namespace
} // namespace twinsweep::bench
