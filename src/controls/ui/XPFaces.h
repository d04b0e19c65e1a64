#pragma once

#include <QRect>

#include "controls/ControlLooks.h"

class QPainter;
class QPalette;

namespace twinsweep {

/// Paints a face of the XP push button over `rect`: a rounded, shaded plate with an
/// orange rim under the pointer and a blue rim for the default or focused button.
void paintButtonFace(QPainter& painter, const QRect& rect, ButtonFace face, bool marked);

/// Paints the XP check box's box (its border, fill and check mark) into `box`.
void paintCheckBox(QPainter& painter, const QRect& box, const CheckBoxLook& look);

} // namespace twinsweep
