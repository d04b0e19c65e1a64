#include "MainSplitter.h"

#include <cmath>

namespace twinsweep {

bool MainSplitter::Frame1_MouseMove(bool leftHeld, double y, double windowHeight, SplitPanes& panes)
{
    const double edge = panes.Frame1Height - EdgeZone;
    if (!leftHeld) {
        // Exactly on the zone's border the pointer stays as it is.
        if (y > edge)
            m_sizing = true;
        else if (y < edge)
            m_sizing = false;
    }
    if (!m_sizing || !leftHeld || windowHeight <= 0)
        return false;
    const double percent = std::floor(y / windowHeight * 100);
    if (percent <= LowestPercent || percent >= HighestPercent)
        return false;
    const double moved = y - panes.Frame1Height;
    panes.Frame1Height = y;
    panes.Frame2Top += moved;
    panes.Frame2Height -= moved;
    return true;
}

void MainSplitter::pointerLeft(bool leftHeld)
{
    if (!leftHeld)
        m_sizing = false;
}

} // namespace twinsweep
