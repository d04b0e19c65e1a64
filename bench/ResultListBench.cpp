#include <cstdio>

#include "Bench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CollectionRemoval.h"
#include "duplicates/ResultList.h"

namespace twinsweep::bench {
namespace {

class YesPrompt : public Prompt
{
public:
    MessageAnswer ask(const QString&, MessageIcon, MessageButtons, int, const QString&) override
    {
        return MessageAnswer::Yes;
    }
};

/// A collection of `total` files on ten volumes, every file also a result row in groups of two.
void fill(Catalogue& catalogue, qsizetype total)
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
            FileRecord({"song" + QString::number(row) + ".mp3", "/media/music/", "4000000", "180", "44100", "128",
                        "Title", "Artist", "Album", "", "2001", "3", "1.0", QString::number(volume)}));
        const bool head = row % 2 == 0;
        results.push_back(
            {tagFromRow(row), "Volume " + QString::number(volume), catalogue.groupColors.GetColor(head), head});
    }
    catalogue.Duplicates.assign(std::move(results));
}

std::vector<qsizetype> everyNth(qsizetype total, qsizetype step)
{
    std::vector<qsizetype> rows;
    for (qsizetype row = 0; row < total; row += step)
        rows.push_back(row);
    return rows;
}

template <typename Step> void timed(const char* what, Step step)
{
    restartClock();
    step();
    std::printf("%-42s %.3f s\n", what, elapsedSeconds());
}

/// Times the result list's commands on a million rows with a tenth of them selected.
int runResultList(const QStringList& arguments)
{
    const qsizetype total = arguments.value(0, "1000000").toLongLong();
    const qsizetype step = arguments.value(1, "10").toLongLong();
    Catalogue catalogue;
    fill(catalogue, total);
    HeadlessServices headless;
    YesPrompt yes;
    Services services{yes, headless.status, headless.dialogs, headless.busy, headless.pump, headless.settings};
    const std::vector<qsizetype> selected = everyNth(total, step);
    std::printf("%lld result rows, %zu selected\n", static_cast<long long>(total), selected.size());

    timed("Check/Uncheck", [&] { Checkuncheck_Click(catalogue.Duplicates, services.status, selected); });
    timed("Remove from list", [&] { removefl_Click(catalogue.Duplicates, services, selected); });
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(services);
    timed("Remove from collection (and refill)", [&] { removefrmc_Click(catalogue, services, selected); });
    catalogue.TreeView1.select(5);
    timed("Remove volume 5 (and refill)", [&] { delnode_Click(catalogue, services); });
    std::printf("left: %zu files, %lld results, %lld shown; peak %.0f MiB\n", catalogue.ListFiles.size(),
                static_cast<long long>(catalogue.Duplicates.size()),
                static_cast<long long>(catalogue.ListFiles2.size()), peakMemoryMiB());
    return 0;
}

const Registration registration{{"resultlist", "resultlist [ROWS=1000000] [EVERY_NTH_SELECTED=10]", runResultList}};

} // namespace
} // namespace twinsweep::bench
