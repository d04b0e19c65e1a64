#pragma once

#include <QString>

namespace twinsweep {

class Form1;

/// Start-up of the composed main window, in its fixed order: the media closed, the
/// player's volume, the status bar caption, the lists' column widths, the view
/// options, the recorded layout, the stored window state and size, the window and the
/// about box shown, and last what the command line names (a folder, a collection, a
/// playlist) or else the most recent collection. Steps of other parts run through
/// `Form1::lifecycle`. `commandLine` is the program's arguments joined by blanks.
void Form_Load(Form1& form, const QString& commandLine);

} // namespace twinsweep
