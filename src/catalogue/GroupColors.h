#pragma once

#include "FileList.h"

namespace twinsweep {

/// The colour cycle of the result list's duplicate groups: seven fixed colours. The
/// index starts at 0 (black) with the program and is never reset, so each search goes
/// on from the colour where the previous one stopped.
class GroupColors
{
public:
    /// With `NextClr` true, advances to the next colour (after the seventh comes the
    /// first again); returns the current colour, 0 before the first advance.
    ColorValue GetColor(bool NextClr = false);
    /// 0 before the first advance, then 1 to 7.
    int ColorIndex() const { return m_colorIndex; }

private:
    int m_colorIndex = 0;
};

} // namespace twinsweep
