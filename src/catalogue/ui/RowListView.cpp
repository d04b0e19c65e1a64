#include "RowListView.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "platform/ui/KeyMapping.h"

namespace twinsweep {

namespace {
bool isHomeOrEnd(const QEvent* event)
{
    if (!event || event->type() != QEvent::KeyPress)
        return false;
    const int keyCode = toWinKey(static_cast<const QKeyEvent&>(*event)).keyCode;
    return keyCode == VirtualKey::Home || keyCode == VirtualKey::End;
}

/// Whether Shift extends the selection to `row` and finds it selected: the range from the
/// anchor reaches it already, and selecting the row anew would replace that range.
bool shiftRangeReaches(const QItemSelectionModel& selection, const QKeyEvent& key, int row)
{
    return key.modifiers().testFlag(Qt::ShiftModifier) && selection.isRowSelected(row);
}
} // namespace

RowListView::RowListView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab moves between the window's controls, not from cell to cell.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
}

QModelIndex RowListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if ((action != MoveHome && action != MoveEnd) || !current.isValid())
        return QTableView::moveCursor(action, modifiers);
    // The table's Ctrl+Home and Ctrl+End reach the first and last row; the cursor stays
    // in its column, so the list does not scroll sideways.
    const QModelIndex corner = QTableView::moveCursor(action, modifiers | Qt::ControlModifier);
    return corner.sibling(corner.row(), current.column());
}

QItemSelectionModel::SelectionFlags RowListView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (!isHomeOrEnd(event))
        return QTableView::selectionCommand(index, event);
    // Ctrl would only move the cursor, leaving Enter and Del to act on the old rows.
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const QKeyEvent withoutCtrl(key.type(), key.key(), key.modifiers() & ~Qt::ControlModifier);
    return QTableView::selectionCommand(index, &withoutCtrl);
}

void RowListView::keyPressEvent(QKeyEvent* event)
{
    const WinKey key = toWinKey(*event);
    const QModelIndex current = currentIndex();
    if (key.keyCode == VirtualKey::Space && key.shift == ShiftState::Ctrl && current.isValid()) {
        // Taken before the row's own Space (the check mark of a result row) can have it.
        selectionModel()->select(current, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        return;
    }
    QTableView::keyPressEvent(event);
    // The table selects only when the cursor moves: Home on the first row must select it
    // too, or Enter and Del find no row to act on.
    if (isHomeOrEnd(event) && current.isValid() && currentIndex() == current &&
        !shiftRangeReaches(*selectionModel(), *event, current.row()))
        selectionModel()->select(current, selectionCommand(current, event) | QItemSelectionModel::Rows);
}

} // namespace twinsweep
