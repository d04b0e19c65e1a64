#include "QtColor.h"

namespace twinsweep {

QColor toQColor(ColorValue value)
{
    if (value & 0x80000000u)
        return {};
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace twinsweep
