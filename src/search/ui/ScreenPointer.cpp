#include "ScreenPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace twinsweep {

void ScreenPointer::setBusy(bool busy)
{
    if (busy == m_hourglass)
        return;
    m_hourglass = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace twinsweep
