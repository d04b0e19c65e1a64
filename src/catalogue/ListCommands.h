#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace twinsweep {

/// The routing table of a file list (`ListFiles2`, `Duplicates`): the commands its
/// pop-up menu and keys start, keyed by the name of the command's handler
/// ("Play1_Click", "Deletefilea1_Click"). A subsystem plugs its command in when it
/// exists; until then its menu entry is not shown and its key does nothing.
class ListCommands
{
public:
    /// A command gets the selected rows of its list (0-based, ascending).
    using Command = std::function<void(const std::vector<qsizetype>& selectedRows)>;

    /// Registers `command` under `handler`; a later registration replaces an earlier one.
    void add(const QString& handler, Command command);
    bool contains(const QString& handler) const { return m_commands.contains(handler); }
    /// Runs the command; false when none is registered under `handler`.
    bool run(const QString& handler, const std::vector<qsizetype>& selectedRows) const;

private:
    QHash<QString, Command> m_commands;
};

/// Commands that only a key starts, with names of their own.
namespace KeyCommand {
inline constexpr char SelectAll[] = "SelectAll";       // Ctrl+A: select every row
inline constexpr char StopPlayback[] = "StopPlayback"; // Esc: close "f1" and "f2", position slider to 100
} // namespace KeyCommand

/// One entry of a pop-up menu; an entry without handler is a separator.
struct MenuEntry
{
    QString name;
    QString caption;
    QString handler;
    bool isSeparator() const { return handler.isEmpty(); }
};

/// The entries whose command is registered; a separator stays only between two shown entries.
QList<MenuEntry> shownEntries(const QList<MenuEntry>& entries, const ListCommands& commands);

/// One row of a list's key table: a Windows key code with one shift state starts a command.
struct KeyRoute
{
    int keyCode;
    int shift;
    const char* handler;
};

/// The command of the route that matches the key exactly, "" when none does (a sum of
/// shift states matches no route that names a single one).
QString routedCommand(std::span<const KeyRoute> routes, int KeyCode, int Shift);

/// What a right-button release over a non-empty file list does to the selection.
enum class RightClickSelection {
    Keep,          // the selection stays as it is
    SelectOnlyHit, // only the row under the pointer is selected (none when there is no row there)
    ToggleHit,     // the row under the pointer changes its selection
};

/// The selection rule both file lists share: without modifier a single selection moves
/// to the clicked row while a multiple one stays; Ctrl (`Shift` 2) toggles the clicked
/// row; any other shift state keeps the selection.
RightClickSelection rightClickSelection(int Shift, qsizetype selectedCount);

} // namespace twinsweep
