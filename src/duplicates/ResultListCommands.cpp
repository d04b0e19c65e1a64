#include "ResultListCommands.h"

#include "platform/KeyCodes.h"

namespace twinsweep {

const QList<MenuEntry>& MeniuEntries()
{
    static const QList<MenuEntry> entries{
        {"Play1", "Play", "Play1_Click"},
        {"winampplay1", "Play in WinAmp", "winampplay1_Click"},
        {"winampenq1", "Enqueue in WinAmp", "winampenq1_Click"},
        {"addquery1", "Add to query", "addquery1_Click"},
        {"t2", "-", {}},
        {"Copy", "Copy Shortcut", "Copy_Click"},
        {"space1", "-", {}},
        {"Copyto", "Copy to...", "Copyto_Click"},
        {"Copyfile", "Copy file to clipboard", "Copyfile_Click"},
        {"renamefile", "Rename file", "renamefile_Click"},
        {"Moveto", "Move to...", "Moveto_Click"},
        {"Deletefilea", "Delete file", "Deletefilea_Click"},
        {"space2", "-", {}},
        {"removefrmc", "Remove from collection", "removefrmc_Click"},
        {"removefl", "Remove from list", "removefl_Click"},
        {"Checkuncheck", "Check/Uncheck", "Checkuncheck_Click"},
        {"t8", "-", {}},
        {"editid3", "Edit ID3 tag", "editid3_Click"},
        {"t9", "-", {}},
        {"queryshow1", "View Query list", "queryshow1_Click"},
    };
    return entries;
}

const QList<MenuEntry>& querylistEntries()
{
    static const QList<MenuEntry> entries{{"queryshow", "View Query list", "queryshow_Click"}};
    return entries;
}

QString keyCommand(int KeyCode, int Shift)
{
    static constexpr KeyRoute routes[]{
        {VirtualKey::A, ShiftState::Ctrl, KeyCommand::SelectAll},
        {VirtualKey::Return, 0, "Play1_Click"},
        {VirtualKey::Return, ShiftState::Ctrl, "winampplay1_Click"},
        {VirtualKey::Return, ShiftState::Shift, "winampenq1_Click"},
        {VirtualKey::Delete, 0, "Deletefilea_Click"},
        {VirtualKey::Delete, ShiftState::Shift, "removefrmc_Click"},
        {VirtualKey::Escape, 0, KeyCommand::StopPlayback},
    };
    return routedCommand(routes, KeyCode, Shift);
}

} // namespace twinsweep
