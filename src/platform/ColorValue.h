#pragma once

#include <QtGlobal>

namespace twinsweep {

/// Colour values as the program keeps them: red + 256 x green + 65536 x blue, or a
/// system colour such as the window text colour.
using ColorValue = quint32;
inline constexpr ColorValue SystemWindow = 0x80000005u; // the background of text boxes and lists
inline constexpr ColorValue SystemWindowText = 0x80000008u;
inline constexpr ColorValue SystemAppWorkspace = 0x8000000Cu;
inline constexpr ColorValue SystemButtonFace = 0x8000000Fu;
inline constexpr ColorValue SystemButtonText = 0x80000012u;

} // namespace twinsweep
