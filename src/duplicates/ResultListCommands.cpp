#include "ResultListCommands.h"

#include "platform/KeyCodes.h"

namespace twinsweep {

void ResultListCommands::add(const QString& handler, Command command)
{
    m_commands.insert(handler, std::move(command));
}

bool ResultListCommands::run(const QString& handler, const std::vector<qsizetype>& selectedRows) const
{
    const auto found = m_commands.constFind(handler);
    if (found == m_commands.constEnd())
        return false;
    found.value()(selectedRows);
    return true;
}

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

QList<MenuEntry> shownEntries(const QList<MenuEntry>& entries, const ResultListCommands& commands)
{
    QList<MenuEntry> shown;
    const MenuEntry* separator = nullptr;
    for (const MenuEntry& entry : entries) {
        if (entry.isSeparator()) {
            separator = shown.isEmpty() ? nullptr : &entry;
        } else if (commands.contains(entry.handler)) {
            if (separator)
                shown.append(*separator);
            shown.append(entry);
            separator = nullptr;
        }
    }
    return shown;
}

QString keyCommand(int KeyCode, int Shift)
{
    struct Route
    {
        int keyCode;
        int shift;
        const char* handler;
    };
    static constexpr Route routes[]{
        {VirtualKey::A, ShiftState::Ctrl, KeyCommand::SelectAll},
        {VirtualKey::Return, 0, "Play1_Click"},
        {VirtualKey::Return, ShiftState::Ctrl, "winampplay1_Click"},
        {VirtualKey::Return, ShiftState::Shift, "winampenq1_Click"},
        {VirtualKey::Delete, 0, "Deletefilea_Click"},
        {VirtualKey::Delete, ShiftState::Shift, "removefrmc_Click"},
        {VirtualKey::Escape, 0, KeyCommand::StopPlayback},
    };
    for (const Route& route : routes) {
        if (route.keyCode == KeyCode && route.shift == Shift)
            return QString::fromLatin1(route.handler);
    }
    return {};
}

} // namespace twinsweep
