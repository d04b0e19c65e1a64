#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace twinsweep {

class Form1;

/// The names of the View menu's switches, in the menu's order.
namespace ViewToggle {
inline constexpr char Toolbar[] = "Toolbar";     // "&Toolbar"
inline constexpr char Statusbar[] = "Statusbar"; // "&Status bar"
inline constexpr char Sorted[] = "Sorted";       // "S&orted": sorting of the volume file list and tree
inline constexpr char xpbut[] = "xpbut";         // "&WinXP style (buttons and checkboxs)"
} // namespace ViewToggle

/// The View menu's switches at the top of the menu, each at its fixed place. An entry
/// shows once its owner plugs in what the switch does; a click flips its check mark
/// and hands the new state over.
class ViewToggles : public QObject
{
    Q_OBJECT
public:
    using Apply = std::function<void(bool checked)>;

    ViewToggles(QMenu* viewMenu, QObject* parent);

    /// Shows the entry `name` (see `ViewToggle`) with its check mark set to `checked`;
    /// every click then calls `apply` with the new state. Returns the entry, whose
    /// check the owner keeps in step when the state changes elsewhere; nullptr for
    /// an unknown name.
    QAction* add(const QString& name, bool checked, Apply apply);
    /// The entry `name`, shown or not; nullptr for an unknown name.
    QAction* entry(const QString& name) const;

private:
    QList<QAction*> m_entries;
};

/// Gives the main window its View menu switches with the look switch and the toolbar
/// and status bar ones, which start-up sets as the settings "xpbut", "Toolbar1" and
/// "StatusBar1" say; each click stores the new state.
ViewToggles* installViewToggles(Form1& window);

} // namespace twinsweep
