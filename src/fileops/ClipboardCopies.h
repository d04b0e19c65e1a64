#pragma once

#include <QtGlobal>

#include <vector>

#include "SelectedFiles.h"

namespace twinsweep {

class Clipboard;
class StatusDisplay;

/// "Copy Shortcut" of both file lists (`Copy1_Click`, `Copy_Click`): the full paths of
/// the selected rows (0-based positions), in list order with CR LF between them, go to
/// the clipboard as plain text; no row gives empty text.
void copyShortcut(const FileList& list, const std::vector<qsizetype>& selectedRows, StatusDisplay& status,
                  Clipboard& clipboard);

/// "Copy file to clipboard" of both file lists (`Copyfile1_Click`, `Copyfile_Click`): the
/// files of the selected rows go to the clipboard as a file copy that file managers
/// paste. With no row selected the clipboard keeps its contents.
void copyFilesToClipboard(ActingList list, const FileList& rows, const std::vector<qsizetype>& selectedRows,
                          StatusDisplay& status, Clipboard& clipboard);

} // namespace twinsweep
