#include "ResultListView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTableView>

#include "catalogue/CollectionRemoval.h"
#include "catalogue/ui/ListSelection.h"
#include "catalogue/ui/RoutedListInput.h"
#include "platform/Services.h"
#include "platform/ui/KeyMapping.h"

namespace twinsweep {

ResultListView::ResultListView(Catalogue& catalogue, Services& services, const ResultListWidgets& widgets,
                               QWidget* window)
    : QObject(window), m_catalogue(catalogue), m_services(services), m_widgets(widgets)
{
    Meniu = new QMenu("Meniu", window);
    Meniu->setObjectName("Meniu");
    querylist = new QMenu("qvery", window);
    querylist->setObjectName("querylist");
    buildWindowMenu(widgets.viewMenu);
    registerOwnCommands();

    m_viewport = filterListInput(widgets.Duplicates, this);
    connect(&catalogue, &Catalogue::lowerListChanged, this, &ResultListView::showLowerList);
    showLowerList(catalogue.shownLowerList());
}

std::vector<qsizetype> ResultListView::selectedRows() const
{
    return selectedRowPositions(m_widgets.Duplicates->selectionModel());
}

void ResultListView::registerOwnCommands()
{
    m_commands.add(KeyCommand::SelectAll, [this](const auto&) { m_widgets.Duplicates->selectAll(); });
    m_commands.add("Checkuncheck_Click", [this](const std::vector<qsizetype>& rows) {
        Checkuncheck_Click(m_catalogue.Duplicates, m_services.status, rows);
    });
    m_commands.add("removefl_Click", [this](const std::vector<qsizetype>& rows) {
        removefl_Click(m_catalogue.Duplicates, m_services, rows);
    });
    m_commands.add("removefrmc_Click",
                   [this](const std::vector<qsizetype>& rows) { removefrmc_Click(m_catalogue, m_services, rows); });
}

void ResultListView::buildWindowMenu(QMenu* viewMenu)
{
    QMenu* windowMenu = viewMenu->addMenu("Window");
    windowMenu->setObjectName("Window");
    serachsel = windowMenu->addAction("Search results");
    serachsel->setObjectName("serachsel");
    serachsel->setCheckable(true);
    querysel = windowMenu->addAction("Query");
    querysel->setObjectName("querysel");
    querysel->setCheckable(true);
    connect(serachsel, &QAction::triggered, this, &ResultListView::serachsel_Click);
    connect(querysel, &QAction::triggered, this, &ResultListView::querysel_Click);
}

void ResultListView::serachsel_Click()
{
    twinsweep::serachsel_Click(m_catalogue);
    showLowerList(m_catalogue.shownLowerList()); // a click on the checked entry unchecked it
}

void ResultListView::querysel_Click()
{
    m_catalogue.showLowerList(LowerList::Query);
    showLowerList(m_catalogue.shownLowerList());
}

void ResultListView::showLowerList(LowerList list)
{
    querysel->setChecked(list == LowerList::Query);
    serachsel->setChecked(list == LowerList::Duplicates);
    m_widgets.lowerPane->setCurrentWidget(list == LowerList::Duplicates ? static_cast<QWidget*>(m_widgets.Duplicates)
                                                                        : m_widgets.query);
}

bool ResultListView::eventFilter(QObject* watched, QEvent* event)
{
    if (isListKeyPress(m_widgets.Duplicates, watched, *event))
        return routeKeyPress(m_commands, keyCommand, toWinKey(static_cast<const QKeyEvent&>(*event)),
                             m_catalogue.Duplicates.size(), [this] { return selectedRows(); });
    return watched == m_viewport &&
           filterRightClick(*event, [this](const QMouseEvent& mouse) { Duplicates_MouseUp(mouse); });
}

void ResultListView::Duplicates_MouseUp(const QMouseEvent& event)
{
    const RightClick click = twinsweep::Duplicates_MouseUp(
        2, toShiftState(event.modifiers()), m_catalogue.Duplicates.size(), qsizetype(selectedRows().size()));
    const QPoint globalPosition = event.globalPosition().toPoint();
    if (click.openQuerylist) {
        popup(querylist, querylistEntries(), globalPosition);
        return;
    }
    applyRightClick(m_widgets.Duplicates, click.selection, event.position().toPoint());
    if (click.openMeniu)
        popup(Meniu, MeniuEntries(), globalPosition);
}

void ResultListView::popup(QMenu* menu, const QList<MenuEntry>& entries, const QPoint& globalPosition)
{
    popupRoutedMenu(
        menu, entries, m_commands, [this] { return selectedRows(); }, globalPosition);
}

} // namespace twinsweep
