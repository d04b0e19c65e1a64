#include "ListLook.h"

#include <QHeaderView>
#include <QTableView>

namespace twinsweep {

void setListLook(QTableView* view)
{
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves between the window's controls, not from cell to cell.
    view->setTabKeyNavigation(false);
    view->setWordWrap(false);
    view->setShowGrid(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
    view->horizontalHeader()->setHighlightSections(false);
}

} // namespace twinsweep
