#pragma once

#include <QElapsedTimer>

#include "PlayerView.h"

namespace twinsweep {

/// Waits on the monotonic clock while the event loop runs, user input included.
class QtWaitClock : public WaitClock
{
public:
    QtWaitClock() { m_clock.start(); }
    qint64 elapsedMs() const override { return m_clock.elapsed(); }
    void yieldFor(qint64 ms) override;

private:
    QElapsedTimer m_clock;
};

} // namespace twinsweep
