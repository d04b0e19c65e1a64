#include "ClipboardCopies.h"

#include "platform/Clipboard.h"
#include "platform/Services.h"

namespace twinsweep {

void copyShortcut(const FileList& list, const std::vector<qsizetype>& selectedRows, StatusDisplay& status,
                  Clipboard& clipboard)
{
    status.setStatusText("Coping shortcut(s) to clipboard...");
    clipboard.setText(fullPathsOfRows(list, selectedRows).join("\r\n"));
    status.setStatusText("Coping shortcut(s) done.");
}

void copyFilesToClipboard(ActingList list, const FileList& rows, const std::vector<qsizetype>& selectedRows,
                          StatusDisplay& status, Clipboard& clipboard)
{
    status.setStatusText("Copying file(s) to clipboard...");
    const QStringList paths = fullPathsOfRows(rows, selectedRows);
    if (paths.isEmpty() || clipboard.setFiles(makeFileDropList(paths))) {
        status.setStatusText(QString::number(paths.size()) + " file(s) copied to clipboard successfully.");
        return;
    }
    status.setStatusText(list == ActingList::ListFiles2 ? "Copy file(s) to clipboard failed..."
                                                        : "Copying file(s) to clipboard failed...");
}

} // namespace twinsweep
