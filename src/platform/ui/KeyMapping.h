#pragma once

#include <QKeyEvent>

#include "platform/KeyCodes.h"

namespace twinsweep {

/// The Windows key code and shift state (1 Shift, 2 Ctrl, 4 Alt) of a Qt key event;
/// key code 0 for a key the program's rules never name.
WinKey toWinKey(const QKeyEvent& event);

} // namespace twinsweep
