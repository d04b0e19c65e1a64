#pragma once

class QAction;

namespace twinsweep {

class Form1;
class MediaChannels;

/// Plugs the result toolbar's "Delete file(s)" button into the main
/// window; it runs `Delete_Click` on the system's volumes and files.
QAction* installDeleteFilesButton(Form1& window, MediaChannels& channels);

} // namespace twinsweep
