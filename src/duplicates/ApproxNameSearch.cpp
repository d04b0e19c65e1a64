#include "ApproxNameSearch.h"

#include <QElapsedTimer>

#include <future>

#include "ApproxNameIndex.h"
#include "ApproxWorkers.h"
#include "GroupColorSource.h"
#include "SkipList.h"
#include "catalogue/Catalogue.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

using namespace std::chrono_literals;

/// What a scope compares: the master rows of the compared list, the compared row that
/// each source row stands for, and the rules of the scope.
struct ScopePlan
{
    std::vector<qsizetype> comparedMaster;
    std::vector<qint32> sourceRow;
    bool fromNextRow = true;       // each source row is compared with the rows after it
    bool otherVolumesOnly = false; // pairs need different `NodeNR` texts
    bool membersPlaced = true;     // members, not only heads, open no group of their own
};

std::vector<qsizetype> masterRowsOf(const FileList& list)
{
    std::vector<qsizetype> rows;
    rows.reserve(size_t(list.size()));
    for (const ListRow& row : list.rows())
        rows.push_back(rowFromTag(row.Tag));
    return rows;
}

std::vector<qsizetype> allMasterRows(const Catalogue& catalogue)
{
    std::vector<qsizetype> rows(catalogue.ListFiles.size());
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = qsizetype(row);
    return rows;
}

ScopePlan planFor(const Catalogue& catalogue, ApproxScope scope)
{
    ScopePlan plan;
    if (scope == ApproxScope::SelectedVolumeAgainstAll) {
        // Only heads are kept as placed: members are rows of another list, and their
        // positions would skip unrelated source rows.
        plan.comparedMaster = allMasterRows(catalogue);
        for (qsizetype master : masterRowsOf(catalogue.ListFiles2))
            plan.sourceRow.push_back(qint32(master));
        plan.fromNextRow = false;
        plan.otherVolumesOnly = true;
        plan.membersPlaced = false;
        return plan;
    }
    plan.comparedMaster =
        scope == ApproxScope::AllVolumes ? allMasterRows(catalogue) : masterRowsOf(catalogue.ListFiles2);
    plan.sourceRow.resize(plan.comparedMaster.size());
    for (size_t row = 0; row < plan.sourceRow.size(); ++row)
        plan.sourceRow[row] = qint32(row);
    return plan;
}

const FileRecord& masterRecord(const Catalogue& catalogue, qsizetype row)
{
    static const FileRecord none;
    return row >= 0 && row < qsizetype(catalogue.ListFiles.size()) ? catalogue.ListFiles[size_t(row)] : none;
}

/// Runs `work` on a thread of its own while the event loop keeps turning here, calling
/// `afterTurn` after each turn; returns what `work` returns. Preparing and freeing the
/// tables of a million rows takes seconds, which the window must not sit through.
template <typename Work> auto runAside(EventPump& pump, Work work, const std::function<void()>& afterTurn = {})
{
    // The future's destructor waits for the thread, also when this function throws.
    auto running = std::async(std::launch::async, std::move(work));
    TimedYield yield(pump);
    while (running.wait_for(10ms) != std::future_status::ready) {
        if (yield.maybeYield() && afterTurn)
            afterTurn();
    }
    return running.get();
}

/// The compared rows' names and the matcher over them.
struct PreparedNames
{
    PreparedNames(std::vector<QString> filenames, const std::vector<QString>& volumes, int threshold,
                  const std::atomic<bool>& abandoned)
        : table(std::move(filenames), volumes), matcher(table, threshold, &abandoned)
    {}
    ApproxNameTable table;
    ApproxMatcher matcher;
};

// A stop is looked at during the preparation only once it has run this long: a Cancel
// reaches the program through the event loop anyway, and a short preparation is over
// before abandoning it would gain anything.
constexpr qint64 StopTestAfterMs = 200;

/// Prepares the names of the plan's compared rows. Empty when a stop request abandoned it.
std::unique_ptr<PreparedNames> prepareNames(const Catalogue& catalogue, const ScopePlan& plan, int threshold,
                                            Services& services, const std::function<bool()>& stopRequested)
{
    // The texts are copied here (shared, not duplicated), so that only this thread reads
    // the catalogue.
    TimedYield yield(services.pump);
    std::vector<QString> filenames;
    std::vector<QString> volumes;
    filenames.reserve(plan.comparedMaster.size());
    volumes.reserve(plan.comparedMaster.size());
    for (qsizetype master : plan.comparedMaster) {
        const FileRecord& record = masterRecord(catalogue, master);
        filenames.push_back(record.value(Field::Filename));
        volumes.push_back(record.value(Field::NodeNR));
        yield.maybeYield();
    }
    std::atomic<bool> abandoned{false};
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<PreparedNames> prepared = runAside(
        services.pump,
        [&] { return std::make_unique<PreparedNames>(std::move(filenames), volumes, threshold, abandoned); },
        [&] {
            if (!abandoned && clock.elapsed() >= StopTestAfterMs && stopRequested && stopRequested())
                abandoned = true;
        });
    if (abandoned)
        runAside(services.pump, [&] { prepared.reset(); });
    return prepared;
}

/// Commits the groups in source order on the calling thread.
class Committer
{
public:
    Committer(Catalogue& catalogue, Services& services, GroupColorSource& colors, const ScopePlan& plan,
              SkipList* List1)
        : m_catalogue(catalogue),
          m_services(services),
          m_colors(colors),
          m_plan(plan),
          m_List1(List1),
          m_placed(plan.sourceRow.size(), false)
    {}

    void run(ApproxWorkers& workers, const std::function<bool()>& stopRequested);

private:
    void waitFor(ApproxWorkers& workers, qsizetype source);
    void commit(ApproxWorkers& workers, qsizetype source, const std::vector<qint32>& members);
    /// Source and compared rows share their numbering except against all volumes, where
    /// only source rows are placed.
    void place(qsizetype row);
    ListRow resultRow(qint32 comparedRow, bool head);
    void yieldIfDue(qsizetype source);

    Catalogue& m_catalogue;
    Services& m_services;
    GroupColorSource& m_colors;
    const ScopePlan& m_plan;
    SkipList* m_List1;
    std::vector<bool> m_placed; // source rows already in a group
    TimedYield m_yield{m_services.pump};
};

void Committer::run(ApproxWorkers& workers, const std::function<bool()>& stopRequested)
{
    const qsizetype sources = qsizetype(m_plan.sourceRow.size());
    for (qsizetype source = 0; source < sources; ++source) {
        if (stopRequested && stopRequested())
            return;
        yieldIfDue(source);
        if (m_placed[size_t(source)]) {
            workers.pass(source);
            continue;
        }
        waitFor(workers, source);
        commit(workers, source, workers.take(source));
        workers.pass(source);
    }
}

void Committer::waitFor(ApproxWorkers& workers, qsizetype source)
{
    while (!workers.waitReady(source, 10ms))
        yieldIfDue(source);
}

void Committer::commit(ApproxWorkers& workers, qsizetype source, const std::vector<qint32>& members)
{
    if (members.empty())
        return;
    std::vector<ListRow> rows;
    rows.reserve(members.size() + 1);
    rows.push_back(resultRow(m_plan.sourceRow[size_t(source)], true));
    place(source);
    for (qint32 member : members) {
        rows.push_back(resultRow(member, false));
        if (m_plan.membersPlaced) {
            place(member);
            workers.skip(member);
        }
    }
    m_catalogue.Duplicates.append(std::move(rows));
}

void Committer::place(qsizetype row)
{
    m_placed[size_t(row)] = true;
    if (m_List1)
        m_List1->append(row + 1);
}

ListRow Committer::resultRow(qint32 comparedRow, bool head)
{
    const qsizetype master = m_plan.comparedMaster[size_t(comparedRow)];
    const QString volume = m_catalogue.TreeView1.nodeText(masterRecord(m_catalogue, master).nodeNumber());
    return ListRow{tagFromRow(master), volume, m_colors.GetColor(head), head};
}

void Committer::yieldIfDue(qsizetype source)
{
    if (!m_yield.due())
        return;
    m_services.status.setProgressValue(source + 1);
    m_yield.yieldNow();
}

} // namespace

void FNDDPLBYNAME(Catalogue& catalogue, Services& services, GroupColorSource& colors,
                  const ApproxSearchOptions& options)
{
    catalogue.Duplicates.clear();
    services.status.setStatusText("Searching for duplicates. Please wait...");
    if (options.scope != ApproxScope::None) {
        if (options.List1)
            options.List1->clear();
        const ScopePlan plan = planFor(catalogue, options.scope);
        services.status.setProgressMaximum(qint64(plan.sourceRow.size()));
        services.status.setProgressValue(0); // not the last search's while the names are prepared
        services.status.setProgressVisible(true);
        if (std::unique_ptr<PreparedNames> prepared =
                prepareNames(catalogue, plan, options.threshold, services, options.stopRequested)) {
            auto workers = runAside(services.pump, [&] {
                return std::make_unique<ApproxWorkers>(
                    qsizetype(plan.sourceRow.size()),
                    [&](qsizetype source) {
                        const qint32 row = plan.sourceRow[size_t(source)];
                        return prepared->matcher.members(row, plan.fromNextRow ? row + 1 : 0, plan.otherVolumesOnly);
                    },
                    options.workerThreads);
            });
            Committer(catalogue, services, colors, plan, options.List1).run(*workers, options.stopRequested);
            runAside(services.pump, [&] {
                workers.reset();
                prepared.reset();
            });
        }
    }
    services.status.setProgressVisible(false);
    services.status.setStatusText(QString::number(catalogue.Duplicates.size()) + " duplicate(s) found.");
}

} // namespace twinsweep
