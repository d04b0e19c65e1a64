#include "Toolbars.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>

#include "shell/ui/Icons.h"

namespace twinsweep {

struct Toolbars::Bar
{
    Bar(QToolBar* toolbar, const QList<ToolbarButton>& buttons) : toolbar(toolbar), commands(buttons) {}
    QToolBar* toolbar;
    ToolbarCommands commands;
    QList<QAction*> places; // place n is places[n - 1]
};

Toolbars::Toolbars(QToolBar* Toolbar1, QToolBar* Toolbar2, QObject* parent) : QObject(parent)
{
    m_bars = {new Bar(Toolbar1, Toolbar1Buttons()), new Bar(Toolbar2, Toolbar2Buttons())};
    for (Bar* bar : std::as_const(m_bars)) {
        bar->toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        // The toolbars have no right-click menu: the main window's menu of toolbars
        // would hide one behind the back of View > "&Toolbar".
        bar->toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
        bar->toolbar->toggleViewAction()->setVisible(false);
        for (const ToolbarButton& place : bar->commands.buttons()) {
            QAction* action = place.isSeparator() ? bar->toolbar->addSeparator()
                                                  : bar->toolbar->addAction(Icons::icon(place.icon), place.text);
            if (!place.isSeparator()) {
                action->setObjectName(place.command);
                action->setToolTip(place.toolTip);
                connect(action, &QAction::triggered, this,
                        [bar, index = place.index] { bar->commands.ButtonClick(index); });
            }
            bar->places.append(action);
        }
        refresh(*bar);
    }
}

Toolbars::~Toolbars()
{
    qDeleteAll(m_bars);
}

QAction* Toolbars::add(const QString& command, ToolbarCommands::Command run)
{
    Bar* bar = barOf(command);
    if (!bar)
        return nullptr;
    bar->commands.add(command, std::move(run));
    refresh(*bar);
    return button(command);
}

QAction* Toolbars::button(const QString& command) const
{
    const Bar* bar = barOf(command);
    return bar ? bar->places[bar->commands.indexOf(command) - 1] : nullptr;
}

QAction* Toolbars::separatorBefore(const QString& command) const
{
    const Bar* bar = barOf(command);
    const int index = bar ? bar->commands.indexOf(command) : 0;
    return index > 1 ? bar->places[index - 2] : nullptr;
}

void Toolbars::setShown(const QString& command, bool shown)
{
    if (shown)
        m_hidden.remove(command);
    else
        m_hidden.insert(command);
    if (Bar* bar = barOf(command))
        refresh(*bar);
}

void Toolbars::Toolbar1_ButtonClick(int index) const
{
    m_bars[0]->commands.ButtonClick(index);
}

void Toolbars::Toolbar2_ButtonClick(int index) const
{
    m_bars[1]->commands.ButtonClick(index);
}

Toolbars::Bar* Toolbars::barOf(const QString& command) const
{
    for (Bar* bar : m_bars) {
        if (bar->commands.indexOf(command) > 0)
            return bar;
    }
    return nullptr;
}

void Toolbars::refresh(Bar& bar)
{
    // A separator shows only between two shown buttons.
    bool anyShownBefore = false;
    for (const ToolbarButton& place : bar.commands.buttons()) {
        if (place.isSeparator())
            continue;
        const bool shown = bar.commands.contains(place.command) && !m_hidden.contains(place.command);
        bar.places[place.index - 1]->setVisible(shown);
        if (place.index > 1)
            bar.places[place.index - 2]->setVisible(shown && anyShownBefore);
        anyShownBefore = anyShownBefore || shown;
    }
}

} // namespace twinsweep
