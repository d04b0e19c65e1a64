#include "ListClearing.h"

#include "catalogue/Catalogue.h"
#include "catalogue/QueryRows.h"
#include "platform/Services.h"

namespace twinsweep {

void ClearList_Click(Catalogue& catalogue, QueryListState& query, StatusDisplay& status)
{
    switch (catalogue.shownLowerList()) {
    case LowerList::Duplicates: catalogue.Duplicates.clear(); break;
    case LowerList::Query: query.clearFromFirstRow(); break;
    }
    status.setStatusText(QStringLiteral("List cleared"));
}

} // namespace twinsweep
