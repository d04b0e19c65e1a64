#pragma once

#include <QColor>

#include "platform/ColorValue.h"

class QMouseEvent;
class QPalette;
class QWidget;

namespace twinsweep {

// How the program's own controls report events and read their sizes and colours.

/// The arguments of a control's mouse event: the button code (1 left, 2 right,
/// 4 middle, summed for held buttons), the shift state and the position in twips.
struct MouseArgs
{
    int Button = 0;
    int Shift = 0;
    double x = 0;
    double y = 0;
};

MouseArgs mouseArgs(const QMouseEvent& event, const QWidget& control, Qt::MouseButtons buttons);

/// A colour of the program's own controls: a colour value, or one of the system
/// colours they use (window, window text, button text, button face, application
/// workspace) from `palette`.
QColor controlColor(ColorValue value, const QPalette& palette);

/// The pixels of `twips` on the screen of `control`.
int controlPixels(const QWidget& control, double twips);

} // namespace twinsweep
