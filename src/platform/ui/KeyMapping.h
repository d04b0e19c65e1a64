#pragma once

#include <QKeyEvent>

#include "platform/KeyCodes.h"

namespace twinsweep {

/// The Windows key code and shift state (1 Shift, 2 Ctrl, 4 Alt) of a Qt key event;
/// key code 0 for a key the program's rules never name.
WinKey toWinKey(const QKeyEvent& event);
/// The character a key event types, as the control's KeyPress reports it; 0 for none.
int keyAscii(const QKeyEvent& event);
/// The shift state (1 Shift, 2 Ctrl, 4 Alt, summed) of keyboard modifiers, as mouse handlers see it.
int toShiftState(Qt::KeyboardModifiers modifiers);

} // namespace twinsweep
