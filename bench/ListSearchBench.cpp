#include <QTemporaryDir>

#include <cstdio>

#include "Bench.h"
#include "CollectionBench.h"
#include "HeadlessServices.h"
#include "catalogue/Catalogue.h"
#include "search/FindState.h"
#include "search/HitPass.h"
#include "search/PropertySearch.h"
#include "search/SearchHistory.h"
#include "search/TextSearch.h"

namespace twinsweep::bench {
namespace {

/// The history list of a run, which keeps nothing.
class Terms : public TermList
{
public:
    int ListCount() const override { return 0; }
    QString list(int) const override { return {}; }
    void AddItem(const QString&) override {}
    void Clear() override {}
};

void fillAlbums(Catalogue& catalogue, qsizetype files, int volumes)
{
    generateAlbums(catalogue.TreeView1, catalogue.ListFiles, files, volumes);
}

void dump(const Catalogue& catalogue)
{
    for (const ListRow& row : catalogue.Duplicates.rows())
        std::printf("%lld %s %u %s\n", static_cast<long long>(row.Tag), row.Checked ? "x" : "-", row.ForeColor,
                    qPrintable(catalogue.ListFiles[size_t(rowFromTag(row.Tag))].value(Field::Filename)));
}

/// Runs `search` on the collection of the arguments and prints its time and outcome.
int timeSearch(const char* name, const QStringList& arguments, const CollectionGenerator& generate,
               const std::function<void(const ListSearchContext&)>& search)
{
    Catalogue catalogue;
    HeadlessServices headless;
    if (!searchCollection(arguments, catalogue, headless, generate))
        return 2;
    FindState window(headless.status, headless.busy);
    const ListSearchContext context{catalogue, headless.services, window, {}, 30};
    restartClock();
    search(context);
    std::printf("%s: %zu files: %s in %.3f s, peak %.0f MiB\n", name, catalogue.ListFiles.size(),
                qPrintable(headless.status.last), elapsedSeconds(), peakMemoryMiB());
    if (arguments.contains("--dump"))
        dump(catalogue);
    return 0;
}

/// The term: the argument after the collection file, or the first one that is neither
/// an option nor an option's value.
QString termOf(const QStringList& arguments)
{
    QStringList plain;
    for (qsizetype at = 0; at < arguments.size(); ++at) {
        if (arguments[at] == "--generate" || arguments[at] == "--volumes")
            ++at;
        else if (!arguments[at].startsWith("--"))
            plain << arguments[at];
    }
    return plain.value(arguments.contains("--generate") ? 0 : 1);
}

/// With --generate, the term goes into the titles of 1,000 files spread over the
/// collection, so that a term found nowhere else has exactly 1,000 hits.
int runFindText(const QStringList& arguments)
{
    const QString term = termOf(arguments);
    if (term.isEmpty()) {
        std::fprintf(stderr, "a TERM is required\n");
        return 2;
    }
    const auto generate = [&term](Catalogue& catalogue, qsizetype files, int volumes) {
        fillAlbums(catalogue, files, volumes);
        const qsizetype step = qMax<qsizetype>(1, files / 1000);
        for (qsizetype row = step / 2; row < files; row += step) {
            FileRecord& record = catalogue.ListFiles[size_t(row)];
            record.setValue(Field::Title, record.value(Field::Title) + " " + term);
        }
    };
    const TextSearchChoices choices{
        term, true, false, false, arguments.contains("--match-case"), arguments.contains("--fast")};
    return timeSearch("find-text", arguments, generate, [&](const ListSearchContext& context) {
        Terms nam;
        const QTemporaryDir scratch;
        const SearchHistory history(scratch.path() + "/searched.mru");
        findNAME(context, choices, {nam, history, {}});
    });
}

/// "> 128 Kbit/s" as a checked condition; an absent option leaves its row unchecked.
PropertyCondition conditionOf(const QStringList& arguments, const QString& name)
{
    const QString text = option(arguments, name);
    if (text.isEmpty())
        return {};
    return {true, text.section(u' ', 0, 0), text.section(u' ', 1)};
}

int runFindProperty(const QStringList& arguments)
{
    PropertySearchChoices choices;
    const QStringList names{"--bitrate", "--frequency", "--size", "--version", "--layer"};
    for (int row = 0; row < PropertyRowCount; ++row)
        choices.conditions[size_t(row)] = conditionOf(arguments, names[row]);
    return timeSearch("find-property", arguments, fillAlbums,
                      [&](const ListSearchContext& context) { findProperty(context, choices); });
}

const Registration findTextCommand{
    {"find-text", "find-text FILE.ztw|--generate N [--volumes V] TERM [--fast] [--match-case] [--dump]", runFindText}};
const Registration findPropertyCommand{{"find-property",
                                        "find-property FILE.ztw|--generate N [--volumes V] [--bitrate \"OP VALUE\"] "
                                        "[--frequency ...] [--size ...] [--version ...] [--layer ...] [--dump]",
                                        runFindProperty}};

} // namespace
} // namespace twinsweep::bench
