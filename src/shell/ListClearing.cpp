#include "ListClearing.h"

#include "catalogue/Catalogue.h"
#include "platform/Services.h"
#include "queue/QueryList.h"

namespace twinsweep {

void ClearList_Click(Catalogue& catalogue, QueryList& query, StatusDisplay& status)
{
    switch (catalogue.shownLowerList()) {
    case LowerList::Duplicates: catalogue.Duplicates.clear(); break;
    case LowerList::Query:
        query.clear();
        query.setTag(QStringLiteral("1"));
        break;
    }
    status.setStatusText(QStringLiteral("List cleared"));
}

} // namespace twinsweep
