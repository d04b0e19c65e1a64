#include "ViewToggles.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

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
/// Shows `widget` as the setting says (a text that is no Boolean keeps it shown) and
/// adds the switch that shows or hides it and stores the choice.
void addShowSwitch(ViewToggles& toggles, const char* name, QWidget* widget, SettingsStore& settings,
                   const Setting& setting)
{
    const bool shown = readBoolean(settings.value(setting)).value_or(true);
    widget->setVisible(shown);
    toggles.add(name, shown, [widget, &settings, &setting](bool checked) {
        widget->setVisible(checked);
        settings.setValue(setting, booleanText(checked));
    });
}
} // namespace

ViewToggles* installViewToggles(Form1& window)
{
    auto* toggles = new ViewToggles(window.viewMenu, &window);
    SettingsStore& settings = window.services().settings;
    // The toolbar's choice is stored too, so that it lasts like the status bar's.
    addShowSwitch(*toggles, ViewToggle::Toolbar, window.Toolbar1, settings, Settings::Toolbar1);
    addShowSwitch(*toggles, ViewToggle::Statusbar, window.statusBar(), settings, Settings::StatusBar1);
    return toggles;
}

} // namespace twinsweep
