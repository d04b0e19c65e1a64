#pragma once

#include <QList>
#include <QObject>
#include <QSet>

#include "shell/ToolbarLayout.h"

class QAction;
class QToolBar;

namespace twinsweep {

/// The buttons of the main toolbar `Toolbar1` and of the result toolbar `Toolbar2`.
/// Every place exists from the start, in its fixed order; a button shows once a
/// subsystem plugs in its command by name (see `ToolbarCommand`), together with the
/// separator before it.
class Toolbars : public QObject
{
    Q_OBJECT
public:
    Toolbars(QToolBar* Toolbar1, QToolBar* Toolbar2, QObject* parent);
    ~Toolbars() override;

    /// Plugs in the command of the button named `command` and shows the button;
    /// returns it, nullptr for a name that neither toolbar has.
    QAction* add(const QString& command, ToolbarCommands::Command run);
    /// The button named `command`, registered or not; nullptr for an unknown name.
    QAction* button(const QString& command) const;
    /// The separator before the button named `command`; nullptr for the first button.
    QAction* separatorBefore(const QString& command) const;
    /// Hides or shows again a registered button with its separator, as the main
    /// toolbar's "Save" follows the unsaved changes.
    void setShown(const QString& command, bool shown);

    /// A click on place `index` (1-based) of either toolbar.
    void Toolbar1_ButtonClick(int index) const;
    void Toolbar2_ButtonClick(int index) const;

private:
    struct Bar;
    Bar* barOf(const QString& command) const;
    void refresh(Bar& bar);

    QList<Bar*> m_bars;
    QSet<QString> m_hidden; // registered buttons their owner hides
};

} // namespace twinsweep
