#pragma once

#include <QObject>

#include "fileops/RenameFile.h"
#include "platform/FileLayer.h"
#include "platform/VolumeLayer.h"
#include "platform/ui/SystemClipboard.h"

class QTableView;

namespace twinsweep {

class Form1;
class MediaChannels;
class ResultListCommands;
struct FileOpsContext;

/// The file commands of the two file lists' pop-up menus and keys: "Copy Shortcut",
/// "Copy to...", "Copy file to clipboard", "Rename file", "Move to..." and "Delete
/// file", on the system's volumes, files and clipboard.
class FileCommands : public QObject
{
    Q_OBJECT
public:
    FileCommands(Form1& window, MediaChannels& channels);

    /// Registers the commands of `list`, shown in `view`, in the list's routing table
    /// under their handler names ("Copyto1_Click" for the volume file list,
    /// "Copyto_Click" for the results), and lets the view's file names be edited.
    void install(ResultListCommands& table, QTableView* view, ActingList list);

private:
    FileOpsContext context();
    void startRename(QTableView* view);

    Form1& m_window;
    MediaChannels& m_channels;
    SystemVolumeInfo m_volumes;
    SystemFileLayer m_files;
    SystemClipboard m_clipboard;
    FileRename m_rename;
};

} // namespace twinsweep
