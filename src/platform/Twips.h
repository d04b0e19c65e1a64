#pragma once

#include <cmath>

namespace twinsweep {

/// Sizes and positions of windows are kept in twips (1/1440 inch), as stored settings
/// expect; at 96 dpi one pixel is 15 twips.
inline double twipsPerPixel(double logicalDpi)
{
    return 1440.0 / logicalDpi;
}

inline int twipsToPixels(double twips, double logicalDpi = 96.0)
{
    return int(std::lround(twips / twipsPerPixel(logicalDpi)));
}

inline double pixelsToTwips(int pixels, double logicalDpi = 96.0)
{
    return pixels * twipsPerPixel(logicalDpi);
}

} // namespace twinsweep
