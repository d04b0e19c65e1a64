#include <cstdio>
#include <ctime>

#include "../tests/duplicates/DuplicateOracle.h"
#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "SyntheticCollection.h"
#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateSearch.h"
#include "duplicates/GroupColorSource.h"
#include "duplicates/SkipList.h"

namespace twinsweep::bench {
namespace {

/// The Search window as a benchmark sees it: nobody presses Cancel.
class NoWindow : public SearchWindowLink
{
public:
    bool stopRequested() const override { return false; }
    void clearStop() override {}
    void cancelas() override {}
    void enableControls() override {}
};

/// Numbers the groups: the colour of a row is its group's number.
class GroupNumbers : public GroupColorSource
{
public:
    ColorValue GetColor(bool NextClr) override { return NextClr ? ++m_groups : m_groups; }

private:
    ColorValue m_groups = 0;
};

DuplicateCriteria criteriaFrom(const QString& text)
{
    const QStringList names = text.split(',');
    return {names.contains("name") ? 1 : 0, names.contains("property") ? 1 : 0, names.contains("tag") ? 1 : 0};
}

/// "all", "volume:N" or "volume-vs-all:N"; selects volume N and shows its files.
DuplicateScope scopeFrom(const QString& text, Catalogue& catalogue, Services& services)
{
    if (!text.contains(':'))
        return text == "all" ? DuplicateScope::AllVolumes : DuplicateScope::None;
    catalogue.TreeView1.select(text.section(':', 1).toInt());
    catalogue.ClickNOD(services);
    return text.startsWith("volume-vs-all") ? DuplicateScope::SelectedVolumeSourceAllVolumes
                                            : DuplicateScope::SelectedVolume;
}

bool sameRows(const std::vector<ListRow>& a, const std::vector<ListRow>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ListRow& x, const ListRow& y) {
        return x.Tag == y.Tag && x.Checked == y.Checked && x.ForeColor == y.ForeColor && x.Collection == y.Collection;
    });
}

void timeOracle(const Catalogue& catalogue, const DuplicateCriteria& criteria, DuplicateScope scope)
{
    GroupNumbers colors;
    restartClock();
    const test::OracleResult expected = test::oracleFindDuplicates(catalogue, criteria, scope, colors);
    std::printf("oracle: %zu rows in %.3f s, %s\n", expected.rows.size(), elapsedSeconds(),
                sameRows(expected.rows, catalogue.Duplicates.rows()) ? "identical" : "DIFFERENT");
}

void dump(const Catalogue& catalogue)
{
    for (const ListRow& row : catalogue.Duplicates.rows())
        std::printf("%lld %s %u %s\n", static_cast<long long>(row.Tag), row.Checked ? "x" : "-", row.ForeColor,
                    qPrintable(catalogue.ListFiles[size_t(rowFromTag(row.Tag))].value(Field::Filename)));
}

int runDups(const QStringList& arguments)
{
    const DuplicateCriteria criteria = criteriaFrom(option(arguments, "--criteria", "name,property,tag"));
    Catalogue catalogue;
    HeadlessServices headless;
    const auto generate = [](Catalogue& target, qsizetype files, int volumes) {
        SyntheticCollection(files, volumes).fill(target);
    };
    if (!searchCollection(arguments, catalogue, headless, generate))
        return 2;
    const DuplicateScope scope = scopeFrom(option(arguments, "--scope", "all"), catalogue, headless.services);

    NoWindow window;
    GroupNumbers colors;
    SkipList List1;
    restartClock();
    const std::clock_t cpu = std::clock();
    findDUPLICATES({catalogue, headless.services, colors, window, List1, {}}, criteria, scope);
    std::printf("dups: %zu files, %d volumes, compare mode %d: %s in %.3f s (search only, cpu %.3f s), peak %.0f MiB\n",
                catalogue.ListFiles.size(), catalogue.TreeView1.count(), criteria.CompareMode(),
                qPrintable(headless.status.last), elapsedSeconds(), double(std::clock() - cpu) / CLOCKS_PER_SEC,
                peakMemoryMiB());
    if (arguments.contains("--oracle"))
        timeOracle(catalogue, criteria, scope);
    if (arguments.contains("--dump"))
        dump(catalogue);
    return 0;
}

const Registration registration{
    {"dups",
     "dups FILE.ztw|--generate N [--volumes V] [--criteria name,property,tag] [--scope all|volume:N|volume-vs-all:N] "
     "[--dump] [--oracle]",
     runDups}};

} // namespace
} // namespace twinsweep::bench
