#include "WindowServices.h"

#include <QAbstractItemView>

namespace twinsweep {

namespace {
/// After its current row went away with its rows, the row now at the old place is current.
void restoreCurrentRow(QAbstractItemView& list, int row)
{
    const int rows = list.model() ? list.model()->rowCount(list.rootIndex()) : 0;
    if (list.currentIndex().isValid() || row < 0 || rows == 0)
        return;
    const QModelIndex current = list.model()->index(qMin(row, rows - 1), 0, list.rootIndex());
    list.selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}
} // namespace

void WindowBusyIndicator::setBusy(bool busy)
{
    if (busy) {
        if (m_depth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            rememberKeyboard();
            m_window->setEnabled(false);
        }
    } else if (m_depth > 0 && --m_depth == 0) {
        m_window->setEnabled(true);
        restoreKeyboard();
        QApplication::restoreOverrideCursor();
    }
}

void WindowBusyIndicator::rememberKeyboard()
{
    m_keyboard = m_window->focusWidget();
    const auto* list = qobject_cast<const QAbstractItemView*>(m_keyboard.data());
    m_currentRow = list ? list->currentIndex().row() : -1;
}

void WindowBusyIndicator::restoreKeyboard()
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
