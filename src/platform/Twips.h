#pragma once

#include <QString>

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

/// A size in twips as settings keep it: the shortest decimal text of the value as a
/// single-precision number, "2820" for a whole number.
inline QString twipsText(double twips)
{
    return QString::number(double(float(twips)), 'g', 7);
}

} // namespace twinsweep
