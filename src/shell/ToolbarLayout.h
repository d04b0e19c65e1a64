#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace twinsweep {

/// One place of a toolbar. Places count from 1; the even places are separators,
/// each shown with the button after it.
struct ToolbarButton
{
    int index = 0;
    QString command; // the name its command registers under; "" for a separator
    QString text;
    QString toolTip;
    QString icon; // the picture's name in the program's icon set
    bool isSeparator() const { return command.isEmpty(); }
};

/// The names the toolbar buttons' commands register under.
namespace ToolbarCommand {
// main toolbar `Toolbar1`
inline constexpr char AddVolume[] = "cmdFind_Click";
inline constexpr char Save[] = "Save1_Click";
inline constexpr char Open[] = "Load_Click";
inline constexpr char NewCollection[] = "Newlist_Click";
inline constexpr char Statistics[] = "Statistics_Click"; // of the whole collection
// result toolbar `Toolbar2`
inline constexpr char Search[] = "Search_Click";
inline constexpr char DeleteFiles[] = "Delete_Click";
inline constexpr char About[] = "About_Click";
inline constexpr char ClearList[] = "ClearList_Click";
inline constexpr char ResultStatistics[] = "Statistics1_Click"; // of the result list
} // namespace ToolbarCommand

/// Every place of the main toolbar, in order.
const QList<ToolbarButton>& Toolbar1Buttons();
/// Every place of the result toolbar above the lower pane, in order.
const QList<ToolbarButton>& Toolbar2Buttons();

/// The routing table of one toolbar: its buttons' commands by name. A subsystem
/// plugs its command in when it exists; until then its button is not shown and a
/// click on its place does nothing.
class ToolbarCommands
{
public:
    using Command = std::function<void()>;

    explicit ToolbarCommands(const QList<ToolbarButton>& buttons) : m_buttons(buttons) {}

    const QList<ToolbarButton>& buttons() const { return m_buttons; }
    /// The place of the button that runs `command`, 0 when this toolbar has none.
    int indexOf(const QString& command) const;
    /// Registers `run` for the button named `command`; false (and nothing kept) when
    /// this toolbar has no such button. A later registration replaces an earlier one.
    bool add(const QString& command, Command run);
    bool contains(const QString& command) const { return m_commands.contains(command); }
    /// Runs the command of the button at place `index`; a separator, a place off the
    /// toolbar or a button whose command is not registered does nothing. Returns
    /// whether a command ran.
    bool ButtonClick(int index) const;

private:
    const QList<ToolbarButton>& m_buttons;
    QHash<QString, Command> m_commands;
};

} // namespace twinsweep
