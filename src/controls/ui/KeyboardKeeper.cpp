#include "KeyboardKeeper.h"

#include <QAbstractItemView>

namespace twinsweep {

namespace {
/// After its rows were refilled or removed, the row now at the old place is current.
void restoreCurrentRow(QAbstractItemView& list, int row)
{
    const int rows = list.model() ? list.model()->rowCount(list.rootIndex()) : 0;
    if (list.currentIndex().isValid() || row < 0 || rows == 0)
        return;
    const QModelIndex current = list.model()->index(qMin(row, rows - 1), 0, list.rootIndex());
    list.selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}
} // namespace

void KeyboardKeeper::remember(const QWidget& window)
{
    m_keyboard = window.focusWidget();
    const auto* list = qobject_cast<const QAbstractItemView*>(m_keyboard.data());
    m_currentRow = list ? list->currentIndex().row() : -1;
}

void KeyboardKeeper::giveBack()
{
    // A widget the command hid or disabled keeps the place Qt gave the keyboard.
    if (!m_keyboard || !m_keyboard->isVisible() || !m_keyboard->isEnabled())
        return;
    // Before the focus, which would make the first row current.
    if (auto* list = qobject_cast<QAbstractItemView*>(m_keyboard.data()))
        restoreCurrentRow(*list, m_currentRow);
    m_keyboard->setFocus(Qt::OtherFocusReason);
}

} // namespace twinsweep
