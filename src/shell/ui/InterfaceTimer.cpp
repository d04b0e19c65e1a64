#include "InterfaceTimer.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>

#include "catalogue/Catalogue.h"
#include "catalogue/QueryRows.h"
#include "shell/ui/Form1.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {

namespace {
/// Every entry of `menu` and of its submenus, by object name.
void collectEntries(const QMenu& menu, QMultiHash<QString, QAction*>& entries)
{
    for (QAction* entry : menu.actions()) {
        entries.insert(entry->objectName(), entry);
        if (const QMenu* submenu = entry->menu())
            collectEntries(*submenu, entries);
    }
}
} // namespace

InterfaceTimer::InterfaceTimer(Form1& window, const QueryListState& query)
    : QObject(&window), m_window(window), m_query(query)
{
    connect(&m_timer, &QTimer::timeout, this, &InterfaceTimer::Timer1_Timer);
    m_timer.start(IntervalMs);
}

void InterfaceTimer::Timer1_Timer()
{
    expireStatusText();
    placeProgressBar();
    applyEnabled(enabledCommands(state()));
}

InterfaceState InterfaceTimer::state() const
{
    const Catalogue& catalogue = m_window.catalogue();
    const bool resultsShown = catalogue.shownLowerList() == LowerList::Duplicates;
    return {catalogue.TreeView1.count(), resultsShown, catalogue.Duplicates.size(), !resultsShown, m_query.rowCount()};
}

void InterfaceTimer::applyEnabled(const QList<CommandEnabled>& commands)
{
    // Subsystems plug their entries in as they install, so the entries are looked up
    // afresh now and then rather than on every tick.
    if (m_ticksSinceLookup++ % LookupEveryTicks == 0)
        lookUpEntries();
    for (const CommandEnabled& command : commands) {
        for (const QPointer<QAction>& entry : m_entries.value(command.name)) {
            if (entry)
                entry->setEnabled(command.enabled);
        }
    }
}

void InterfaceTimer::lookUpEntries()
{
    QMultiHash<QString, QAction*> entries;
    for (QAction* menu : m_window.menuBar()->actions()) {
        entries.insert(menu->objectName(), menu);
        if (const QMenu* submenu = menu->menu())
            collectEntries(*submenu, entries);
    }
    for (const auto* places : {&Toolbar1Buttons(), &Toolbar2Buttons()}) {
        for (const ToolbarButton& place : *places) {
            if (!place.isSeparator())
                entries.insert(place.command, m_window.toolbars->button(place.command));
        }
    }
    m_entries.clear();
    for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
        m_entries[entry.key()].append(entry.value());
}

void InterfaceTimer::expireStatusText()
{
    if (m_expiry.tick(m_window.statusPanel->text(), !m_window.ProgressBar1->isHidden()))
        m_window.statusPanel->clear();
}

void InterfaceTimer::placeProgressBar()
{
    // The text is measured in the window's font, as the status bar's may differ.
    const QString& text = m_window.statusPanel->text();
    if (text != m_measuredText) {
        m_measuredText = text;
        m_textWidth = m_window.fontMetrics().horizontalAdvance(text);
    }
    QProgressBar* bar = m_window.ProgressBar1;
    const QRect place =
        progressBarGeometry(m_window.statusBar()->rect(), m_textWidth, bar->geometry(), m_window.logicalDpiX());
    if (place != bar->geometry())
        bar->setGeometry(place);
}

} // namespace twinsweep
