#pragma once

class QAction;

namespace twinsweep {

class FileCommands;
class Form1;
class MediaChannels;

/// Plugs the result toolbar's "Delete file(s)" button into the main
/// window; it runs `Delete_Click` on the system's volumes and files.
QAction* installDeleteFilesButton(Form1& window, MediaChannels& channels);

/// Adds the file commands ("Copy Shortcut" to "Delete file") to the result list's menu
/// and keys; the returned object adds them to another list's table too.
FileCommands* installFileCommands(Form1& window, MediaChannels& channels);

} // namespace twinsweep
