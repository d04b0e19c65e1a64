#include "HitPass.h"

#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateGroups.h"
#include "duplicates/DuplicateSearch.h"
#include "platform/Services.h"

namespace twinsweep {

bool HitPass::run(const SearchedRows& source, const RowTest& isHit)
{
    StatusDisplay& status = m_context.services.status;
    const VolumeTree& volumes = m_context.catalogue.TreeView1;
    const qsizetype count = source.count();
    status.setProgressMaximum(count);
    TimedYield yield(m_context.services.pump, m_context.yieldIntervalMs);
    for (qsizetype row = 1; row <= count; ++row) {
        if (m_context.window.stopRequested()) {
            commit();
            return false;
        }
        const FileRecord& record = source.record(row);
        if (isHit(record)) {
            m_found.push_back(ListRow{source.tag(row), volumes.nodeText(record.nodeNumber())});
            ++m_hits;
        }
        if (yield.due()) {
            commit();
            status.setProgressValue(row);
            yield.yieldNow();
        }
    }
    commit();
    return true;
}

void HitPass::commit()
{
    m_context.catalogue.Duplicates.append(std::move(m_found));
    m_found.clear();
}

QString itemsFound(qsizetype hits)
{
    return QString::number(hits) + " item(s) found.";
}

void finishListSearch(const ListSearchContext& context, qsizetype hits)
{
    context.services.status.setProgressVisible(false);
    if (context.showResults)
        context.showResults();
    context.services.status.setStatusText(itemsFound(hits));
    context.services.busy.setBusy(false);
    context.window.clearStop();
    context.window.enableControls();
}

} // namespace twinsweep
