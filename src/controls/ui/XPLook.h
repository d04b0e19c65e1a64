#pragma once

namespace twinsweep {

/// The look of the program's own push buttons (`WinXPbut`) and check boxes
/// (`XPCheckBox`), one for the whole program: the XP look (true, the look at start)
/// or the plain look.
bool XPLookOn();

/// Makes `on` the look of every push button and check box that exists, and of each
/// one created from now on, so that a window loaded later shows the same look.
void SetXPLook(bool on);

} // namespace twinsweep
