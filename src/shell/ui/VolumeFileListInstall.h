#pragma once

namespace twinsweep {

class Form1;
class VolumeFileListView;

/// Builds the volume file list's input on the main window and keeps it as
/// `window.volumeFileList`; start-up applies the stored view settings.
VolumeFileListView* installVolumeFileList(Form1& window);
/// Plugs the file list's sorting into the View menu's "S&orted" (once the View menu's
/// switches exist); its check follows the column click too.
void installSortedToggle(Form1& window);

} // namespace twinsweep
