#include "DuplicateSearch.h"

#include <algorithm>

#include "DuplicateGroups.h"
#include "GroupColorSource.h"
#include "SkipList.h"
#include "catalogue/Catalogue.h"
#include "platform/Services.h"

namespace twinsweep {

int DuplicateCriteria::CompareMode() const
{
    return (Check15 == 1 ? 1 : 0) + (Check16 == 1 ? 3 : 0) + (Check17 == 1 ? 2 : 0);
}

DuplicateScope duplicateScope(bool option4, bool option5, bool option6)
{
    if (option4)
        return DuplicateScope::SelectedVolumeSourceAllVolumes;
    if (option5)
        return DuplicateScope::SelectedVolume;
    return option6 ? DuplicateScope::AllVolumes : DuplicateScope::None;
}

namespace {

/// "Begins with, case ignored"; an empty key begins every text.
bool beginsWith(const QString& text, const QString& key)
{
    return key.size() <= text.size() && QStringView(text).left(key.size()).compare(key, Qt::CaseInsensitive) == 0;
}

/// The walk over the source list. A source row's candidates are the rows of its pair
/// group after it (or, against all volumes, the whole group), in list order: exactly
/// the rows that a forward prefix search would reach and the pair test accept. The
/// prefix test of the first checked criterion is still applied to each of them, so
/// texts whose case folding and upper case disagree are treated the same way.
class DuplicateWalk
{
public:
    DuplicateWalk(const DuplicateSearchContext& context, const DuplicateCriteria& criteria, DuplicateScope scope);
    void run();

private:
    enum class Strategy { Filename, Property, Tag };

    QString searchKey(const FileRecord& source) const;
    bool foundBySearch(const FileRecord& candidate, const QString& key) const;
    void examine(qsizetype row, const PairGroups& groups);
    void addRow(qsizetype tag, const FileRecord& record, bool head);
    void flush();

    const DuplicateSearchContext& m_context;
    const DuplicateCriteria m_criteria; // as checked when the search started
    const bool m_againstAllVolumes;
    const Strategy m_strategy;
    const SearchedRows m_source;
    const SearchedRows m_searched;
    TimedYield m_yield;
    std::vector<ListRow> m_pending;
};

SearchedRows sourceRows(Catalogue& catalogue, DuplicateScope scope)
{
    if (scope == DuplicateScope::AllVolumes)
        return SearchedRows(catalogue.ListFiles);
    return SearchedRows(catalogue.ListFiles, catalogue.ListFiles2);
}

DuplicateWalk::DuplicateWalk(const DuplicateSearchContext& context, const DuplicateCriteria& criteria,
                             DuplicateScope scope)
    : m_context(context),
      m_criteria(criteria),
      m_againstAllVolumes(scope == DuplicateScope::SelectedVolumeSourceAllVolumes),
      m_strategy(criteria.Check15 == 1   ? Strategy::Filename
                 : criteria.Check16 == 1 ? Strategy::Property
                                         : Strategy::Tag),
      m_source(sourceRows(context.catalogue, scope)),
      m_searched(scope == DuplicateScope::SelectedVolume ? m_source : SearchedRows(context.catalogue.ListFiles)),
      m_yield(context.services.pump, context.yieldIntervalMs)
{}

void DuplicateWalk::run()
{
    SkipList& List1 = m_context.List1;
    List1.clear();
    const PairGroups groups(m_searched, m_criteria, m_yield);
    const qsizetype count = m_source.count();
    qsizetype examined = 0;
    for (qsizetype row = 1; row <= count; ++row) {
        if (m_yield.due()) {
            flush();
            if (examined > 0)
                m_context.services.status.setProgressValue(examined);
            m_yield.yieldNow();
        }
        if (List1.contains(row))
            continue;
        if (m_context.window.stopRequested())
            break;
        examine(row, groups);
        examined = row;
    }
    flush();
}

QString DuplicateWalk::searchKey(const FileRecord& source) const
{
    switch (m_strategy) {
    case Strategy::Filename: return source.value(Field::Filename).toUpper();
    case Strategy::Property: return source.value(Field::Duration);
    case Strategy::Tag: break;
    }
    return source.value(Field::Title).toUpper();
}

bool DuplicateWalk::foundBySearch(const FileRecord& candidate, const QString& key) const
{
    switch (m_strategy) {
    case Strategy::Filename: return beginsWith(candidate.value(Field::Filename), key);
    case Strategy::Property: return true; // the candidate's Duration text is the key itself
    case Strategy::Tag: break;
    }
    if (beginsWith(candidate.value(Field::Title), key))
        return true;
    for (int column = 1; column < FieldCount; ++column) {
        if (beginsWith(candidate.value(column), key))
            return true;
    }
    return false;
}

void DuplicateWalk::examine(qsizetype row, const PairGroups& groups)
{
    // Against all volumes the source is looked up in ListFiles, whose row numbers are Tags.
    const int group = groups.groupOf(m_againstAllVolumes ? m_source.tag(row) : row);
    if (group < 0)
        return;
    const std::span<const qsizetype> rows = groups.rows(group);
    const auto first = m_againstAllVolumes ? rows.begin() : std::upper_bound(rows.begin(), rows.end(), row);
    if (first == rows.end())
        return;

    const FileRecord& source = m_source.record(row);
    const QString key = searchKey(source);
    bool groupOpen = false;
    for (auto candidate = first; candidate != rows.end(); ++candidate) {
        const FileRecord& record = m_searched.record(*candidate);
        if (!foundBySearch(record, key))
            continue;
        if (m_againstAllVolumes && record.value(Field::NodeNR) == source.value(Field::NodeNR))
            continue;
        if (!groupOpen) {
            addRow(m_source.tag(row), source, true);
            groupOpen = true;
            m_context.List1.append(row);
        }
        addRow(m_searched.tag(*candidate), record, false);
        // Against all volumes the members are rows of another list than the sources.
        if (!m_againstAllVolumes)
            m_context.List1.append(*candidate);
    }
}

void DuplicateWalk::addRow(qsizetype tag, const FileRecord& record, bool head)
{
    const QString collection = m_context.catalogue.TreeView1.nodeText(record.nodeNumber());
    m_pending.push_back(ListRow{tag, collection, m_context.colors.GetColor(head), head});
}

void DuplicateWalk::flush()
{
    m_context.catalogue.Duplicates.append(std::move(m_pending));
    m_pending.clear();
}

void showSearching(const DuplicateSearchContext& context, DuplicateScope scope)
{
    Catalogue& catalogue = context.catalogue;
    StatusDisplay& status = context.services.status;
    status.setProgressValue(1);
    status.setProgressMaximum(scope == DuplicateScope::AllVolumes ? qsizetype(catalogue.ListFiles.size())
                                                                  : catalogue.ListFiles2.size());
    status.setProgressVisible(true);
    catalogue.Duplicates.clear();
    status.setStatusText("Searching for duplicates. Please wait...");
}

void showFound(const DuplicateSearchContext& context)
{
    StatusDisplay& status = context.services.status;
    status.setProgressVisible(false);
    if (context.showResults)
        context.showResults();
    status.setStatusText(QString::number(context.catalogue.Duplicates.size()) + " duplicate(s) found.");
    context.window.enableControls();
}

} // namespace

void findDUPLICATES(const DuplicateSearchContext& context, const DuplicateCriteria& criteria, DuplicateScope scope)
{
    Services& services = context.services;
    if (criteria.CompareMode() == 0) {
        services.prompt.tell("No compare mode was choosen!", MessageIcon::Exclamation);
        services.status.setStatusText("Canceled. No settings were choosen.");
        context.window.cancelas();
        return;
    }
    context.window.clearStop();
    services.busy.setBusy(true);
    showSearching(context, scope);
    if (scope != DuplicateScope::None)
        DuplicateWalk(context, criteria, scope).run();
    showFound(context);
    services.busy.setBusy(false);
    context.window.clearStop();
}

} // namespace twinsweep
