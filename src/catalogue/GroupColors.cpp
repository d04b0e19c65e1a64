#include "GroupColors.h"

#include <array>

namespace twinsweep {

ColorValue GroupColors::GetColor(bool NextClr)
{
    // red + 256 x green + 65536 x blue
    static constexpr std::array<ColorValue, 7> colors{192, 12582912, 49344, 12583104, 16576, 49152, 12632064};
    if (NextClr)
        ++m_colorIndex;
    if (m_colorIndex > int(colors.size()))
        m_colorIndex = 1;
    return m_colorIndex >= 1 ? colors[size_t(m_colorIndex - 1)] : 0;
}

} // namespace twinsweep
