#include "VolumeFileList.h"

#include "platform/KeyCodes.h"

namespace twinsweep {

const QList<MenuEntry>& Meniu1Entries()
{
    static const QList<MenuEntry> entries{
        {"play", "Play", "play_Click"},
        {"winampplay", "Play in WinAmp", "winampplay_Click"},
        {"winampenq", "Enqueue in WinAmp", "winampenq_Click"},
        {"addquery", "Add to query", "addquery_Click"},
        {"t0", "-", {}},
        {"Copy1", "Copy Shortcut", "Copy1_Click"},
        {"space3", "-", {}},
        {"Copyto1", "Copy to...", "Copyto1_Click"},
        {"Copyfile1", "Copy file to clipboard", "Copyfile1_Click"},
        {"renamefile1", "Rename file", "renamefile1_Click"},
        {"Moveto1", "Move to...", "Moveto1_Click"},
        {"Deletefilea1", "Delete file", "Deletefilea1_Click"},
        {"space4", "-", {}},
        {"removefl1", "Remove from collection", "removefl1_Click"},
        {"t7", "-", {}},
        {"editid3a", "Edit ID3 tag", "editid3a_Click"},
    };
    return entries;
}

QString ListFiles2KeyCommand(int KeyCode, int Shift)
{
    static constexpr KeyRoute routes[]{
        {VirtualKey::A, ShiftState::Ctrl, KeyCommand::SelectAll},
        {VirtualKey::Return, 0, "play_Click"},
        {VirtualKey::Return, ShiftState::Ctrl, "winampplay_Click"},
        {VirtualKey::Return, ShiftState::Shift, "winampenq_Click"},
        {VirtualKey::Delete, 0, "Deletefilea1_Click"},
        {VirtualKey::Delete, ShiftState::Shift, "removefl1_Click"},
        {VirtualKey::Escape, 0, KeyCommand::StopPlayback},
    };
    return routedCommand(routes, KeyCode, Shift);
}

std::optional<RightClickSelection> ListFiles2_MouseUp(int Button, int Shift, qsizetype rowCount,
                                                      qsizetype selectedCount)
{
    if (Button != 2 || rowCount == 0)
        return std::nullopt;
    return rightClickSelection(Shift, selectedCount);
}

bool pressReachesSelectedText(int Button, double x, double selectedTextWidth)
{
    return Button == 1 && x < double(qint64(selectedTextWidth));
}

bool pressStartsFileDrag(double x, double hitTextWidth)
{
    return qint64(hitTextWidth) > qint64(x);
}

QByteArray draggedFilePayload(qsizetype tag)
{
    return QByteArray::number(tag);
}

qsizetype draggedFileTag(const QByteArray& payload)
{
    bool isNumber = false;
    const qsizetype tag = payload.toLongLong(&isNumber);
    return isNumber && tag > 0 ? tag : 0;
}

} // namespace twinsweep
