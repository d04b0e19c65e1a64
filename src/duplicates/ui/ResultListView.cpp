#include "ResultListView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTableView>

#include "catalogue/CollectionRemoval.h"
#include "catalogue/ui/ListSelection.h"
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

    // The right click has selection rules of its own, so the view's default must not see it.
    QTableView* view = widgets.Duplicates;
    view->setContextMenuPolicy(Qt::PreventContextMenu);
    view->installEventFilter(this);
    m_viewport = view->viewport();
    m_viewport->installEventFilter(this);
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
    // Events still arrive while the view is being destroyed, when it is no longer a
    // scroll area: compare pointers only, never ask the view for its viewport here.
    if (watched == m_widgets.Duplicates && event->type() == QEvent::KeyPress)
        return Duplicates_KeyDown(toWinKey(static_cast<const QKeyEvent&>(*event)));
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() != Qt::RightButton)
            return false;
        Duplicates_MouseUp(mouse);
        return true;
    }
    default: return false;
    }
}

bool ResultListView::Duplicates_KeyDown(const WinKey& key)
{
    const QString command = keyCommand(key.keyCode, key.shift);
    if (command.isEmpty())
        return false; // navigation and the other keys stay the view's own
    if (!m_catalogue.Duplicates.isEmpty())
        m_commands.run(command, selectedRows());
    return true;
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
    applyRightClick(click.selection, m_widgets.Duplicates->indexAt(event.position().toPoint()).row());
    if (click.openMeniu)
        popup(Meniu, MeniuEntries(), globalPosition);
}

void ResultListView::applyRightClick(RightClickSelection selection, int hitRow)
{
    QItemSelectionModel* model = m_widgets.Duplicates->selectionModel();
    const QModelIndex hit = m_widgets.Duplicates->model()->index(hitRow, 0);
    switch (selection) {
    case RightClickSelection::Keep: return;
    case RightClickSelection::SelectOnlyHit:
        if (hit.isValid())
            model->setCurrentIndex(hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            model->clearSelection();
        return;
    case RightClickSelection::ToggleHit:
        if (hit.isValid())
            model->select(hit, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
        return;
    }
}

void ResultListView::popup(QMenu* menu, const QList<MenuEntry>& entries, const QPoint& globalPosition)
{
    // Built at each opening, so commands plugged in later show up.
    menu->clear();
    for (const MenuEntry& entry : shownEntries(entries, m_commands)) {
        QAction* action = entry.isSeparator() ? menu->addSeparator() : menu->addAction(entry.caption);
        action->setObjectName(entry.name);
        if (!entry.isSeparator()) {
            connect(action, &QAction::triggered, this,
                    [this, handler = entry.handler] { m_commands.run(handler, selectedRows()); });
        }
    }
    if (!menu->isEmpty())
        menu->popup(globalPosition);
}

} // namespace twinsweep
