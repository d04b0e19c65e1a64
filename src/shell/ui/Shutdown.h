#pragma once

namespace twinsweep {

class Form1;

/// Closing the main window: nothing closes while a long operation runs (the window is
/// disabled then); a changed collection is offered for saving, and Cancel, or a save
/// that was asked for and did not happen, keeps the program running with nothing
/// written. Otherwise the column widths of the file list and the result list and the
/// window's state (its size only when normal) are stored, the media closed and the
/// other windows closed. Returns whether the window may close.
bool Form_Unload(Form1& form);

} // namespace twinsweep
