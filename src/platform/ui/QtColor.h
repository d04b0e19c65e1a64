#pragma once

#include <QColor>

#include "platform/ColorValue.h"

namespace twinsweep {

/// The program's colour value (red + 256 x green + 65536 x blue, or a system colour)
/// as a QColor; system colours become the palette's text colour (an invalid QColor).
QColor toQColor(ColorValue value);

} // namespace twinsweep
