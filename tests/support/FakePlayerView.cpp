#include "FakePlayerView.h"

#include "FakeMultimedia.h"

namespace twinsweep::test {

void FakeWaitClock::yieldFor(qint64 ms)
{
    now += ms;
    waited += ms;
    m_media.advance(ms);
    if (onYield)
        onYield();
}

} // namespace twinsweep::test
