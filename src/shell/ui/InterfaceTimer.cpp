#include "InterfaceTimer.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>

#include "catalogue/Catalogue.h"
#include "queue/QueryList.h"
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

InterfaceTimer::InterfaceTimer(Form1& window, const QueryList& query)
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
    return {catalogue.TreeView1.count(), resultsShown, catalogue.Duplicates.size(), !resultsShown, m_query.size()};
}

void InterfaceTimer::applyEnabled(const QList<CommandEnabled>& commands)
{
    // Menus change as subsystems plug in, so the entries are looked up afresh; the
    // menu bar holds a few dozen of them.
    QMultiHash<QString, QAction*> entries;
    for (QAction* menu : m_window.menuBar()->actions()) {
        entries.insert(menu->objectName(), menu);
        if (const QMenu* submenu = menu->menu())
            collectEntries(*submenu, entries);
    }
    for (const CommandEnabled& command : commands) {
        for (QAction* entry : entries.values(command.name))
            entry->setEnabled(command.enabled);
        if (QAction* button = m_window.toolbars->button(command.name))
            button->setEnabled(command.enabled);
    }
}

void InterfaceTimer::expireStatusText()
{
    if (m_expiry.tick(m_window.statusPanel->text(), !m_window.ProgressBar1->isHidden()))
        m_window.statusPanel->clear();
}

void InterfaceTimer::placeProgressBar()
{
    // The text is measured in the window's font, as the status bar's may differ.
    const int textWidth = m_window.fontMetrics().horizontalAdvance(m_window.statusPanel->text());
    QProgressBar* bar = m_window.ProgressBar1;
    bar->setGeometry(
        progressBarGeometry(m_window.statusBar()->rect(), textWidth, bar->geometry(), m_window.logicalDpiX()));
}

} // namespace twinsweep
