#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

namespace twinsweep {

/// The routing table of the result list: the commands its pop-up menus and keys start,
/// keyed by the name of the command's handler ("Play1_Click", "Deletefilea_Click").
/// A subsystem plugs its command in when it exists; until then its menu entry is not
/// shown and its key does nothing.
class ResultListCommands
{
public:
    /// A command gets the selected rows of the result list (0-based, ascending).
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

/// The result list's pop-up menu `Meniu`, all entries in order.
const QList<MenuEntry>& MeniuEntries();
/// The one-entry menu `querylist`, opened instead of `Meniu` on an empty list.
const QList<MenuEntry>& querylistEntries();
/// The entries whose command is registered; a separator stays only between two shown entries.
QList<MenuEntry> shownEntries(const QList<MenuEntry>& entries, const ResultListCommands& commands);

/// The command that a key (Windows key code and shift state) starts in a non-empty
/// result list, "" for a key the list does not use.
QString keyCommand(int KeyCode, int Shift);

} // namespace twinsweep
