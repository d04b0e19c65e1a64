#include "ViewToggles.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include "controls/ui/XPLook.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

ViewToggles::ViewToggles(QMenu* viewMenu, QObject* parent) : QObject(parent)
{
    static const std::pair<const char*, const char*> entries[]{
        {ViewToggle::Toolbar, "&Toolbar"},
        {ViewToggle::Statusbar, "&Status bar"},
        {ViewToggle::Sorted, "S&orted"},
        {ViewToggle::xpbut, "&WinXP style (buttons and checkboxs)"},
    };
    QAction* before = viewMenu->actions().value(0);
    for (const auto& [name, caption] : entries) {
        auto* entry = new QAction(caption, viewMenu);
        entry->setObjectName(name);
        entry->setCheckable(true);
        entry->setVisible(false);
        viewMenu->insertAction(before, entry);
        m_entries.append(entry);
    }
    if (before)
        viewMenu->insertSeparator(before);
}

QAction* ViewToggles::add(const QString& name, bool checked, Apply apply)
{
    QAction* toggle = entry(name);
    if (!toggle)
        return nullptr;
    toggle->setChecked(checked);
    toggle->setVisible(true);
    connect(toggle, &QAction::triggered, this, std::move(apply));
    return toggle;
}

QAction* ViewToggles::entry(const QString& name) const
{
    for (QAction* toggle : m_entries) {
        if (toggle->objectName() == name)
            return toggle;
    }
    return nullptr;
}

namespace {
/// Adds the switch that shows or hides `widget` and stores the choice; start-up sets
/// both as the setting says (a text that is no Boolean leaves the widget shown).
void addShowSwitch(Form1& window, const char* name, QWidget* widget, const Setting& setting)
{
    SettingsStore& settings = window.services().settings;
    QAction* toggle = window.viewToggles->add(name, true, [widget, &settings, &setting](bool checked) {
        widget->setVisible(checked);
        settings.setValue(setting, booleanText(checked));
    });
    window.lifecycle.viewOptions.push_back([toggle, widget, &settings, &setting] {
        if (const std::optional<bool> shown = readBoolean(settings.value(setting))) {
            toggle->setChecked(*shown);
            widget->setVisible(*shown);
        }
    });
}

/// The look switch of every push button and check box; start-up applies the stored
/// look (the XP look when the setting is missing or unreadable), a click switches and
/// stores it.
void addLookSwitch(Form1& window)
{
    SettingsStore& settings = window.services().settings;
    QAction* toggle = window.viewToggles->add(ViewToggle::xpbut, XPLookOn(), [&settings](bool checked) {
        SetXPLook(checked);
        settings.setValue(Settings::xpbut, booleanText(checked));
    });
    window.lifecycle.viewOptions.push_back([toggle, &settings] {
        const bool on = readBoolean(settings.value(Settings::xpbut)).value_or(true);
        toggle->setChecked(on);
        SetXPLook(on);
    });
}
} // namespace

ViewToggles* installViewToggles(Form1& window)
{
    window.viewToggles = new ViewToggles(window.viewMenu, &window);
    addLookSwitch(window);
    // The toolbar's choice is stored too, so that it lasts like the status bar's.
    addShowSwitch(window, ViewToggle::Toolbar, window.Toolbar1, Settings::Toolbar1);
    addShowSwitch(window, ViewToggle::Statusbar, window.statusBar(), Settings::StatusBar1);
    return window.viewToggles;
}

} // namespace twinsweep
