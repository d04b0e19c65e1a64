#include "WindowServices.h"

namespace twinsweep {

void WindowBusyIndicator::setBusy(bool busy)
{
    if (busy) {
        if (m_depth++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            m_keyboard.remember(*m_window);
            m_window->setEnabled(false);
        }
    } else if (m_depth > 0 && --m_depth == 0) {
        m_window->setEnabled(true);
        m_keyboard.giveBack();
        QApplication::restoreOverrideCursor();
    }
}

} // namespace twinsweep
