#include "QtWaitClock.h"

#include <QEventLoop>
#include <QTimer>

namespace twinsweep {

void QtWaitClock::yieldFor(qint64 ms)
{
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(ms), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace twinsweep
