#pragma once

namespace twinsweep {

class Form1;
class WinampModule;

/// Plugs "Play in WinAmp" and "Enqueue in WinAmp" (and Ctrl+Enter, Shift+Enter) into
/// the result list and the volume file list. The outside player is the running MPRIS
/// player of the session bus, or `player` when one is given (tests).
void installWinampControl(Form1& window, WinampModule* player = nullptr);

} // namespace twinsweep
