#include "QueryListView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

#include "catalogue/Catalogue.h"
#include "catalogue/ui/ListSelection.h"
#include "catalogue/ui/RoutedListInput.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/Services.h"
#include "platform/ui/KeyMapping.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"
#include "queue/ui/QueryListModel.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

QueryListView::QueryListView(QTableView* query, const QueryListWiring& wiring, QWidget* window)
    : QObject(window), m_view(query), m_wiring(wiring)
{
    setUpView();
    buildMenu(window);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &QueryListView::query_DblClick);
}

void QueryListView::setUpView()
{
    m_view->setModel(new QueryListModel(m_wiring.rows, m_view));
    m_viewport = filterListInput(m_view, this);
}

QAction* QueryListView::addMenuEntry(const char* name, const QString& caption, void (QueryListView::*command)())
{
    QAction* action = querymenu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void QueryListView::buildMenu(QWidget* window)
{
    querymenu = new QMenu("querymenu", window);
    querymenu->setObjectName("querymenu");
    queryplay = addMenuEntry("queryplay", "Play", &QueryListView::queryplay_Click);
    querymenu->addSeparator();
    queryrem = addMenuEntry("queryrem", "Remove from query", &QueryListView::queryrem_Click);
    queryclear = addMenuEntry("queryclear", "Clear query list", &QueryListView::queryclear_Click);
    // The playlists' "Import from..." and "Export to..." go between these two separators.
    querymenu->addSeparator()->setObjectName("playlistsSeparator");
    querymenu->addSeparator();
    querymplayed = addMenuEntry("querymplayed", "Mark as played", &QueryListView::querymplayed_Click);
    querymunplayed = addMenuEntry("querymunplayed", "Mark as unplayed", &QueryListView::querymunplayed_Click);
    querymenu->addSeparator();
    srcresult = addMenuEntry("srcresult", "View Search results list", &QueryListView::srcresult_Click);
}

std::optional<qsizetype> QueryListView::selectedRow() const
{
    const QItemSelectionModel* selection = m_view->selectionModel();
    const QModelIndex current = selection->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row()))
        return current.row();
    const std::vector<qsizetype> rows = selectedRowPositions(selection);
    return rows.empty() ? std::nullopt : std::optional<qsizetype>(rows.front());
}

void QueryListView::queryplay_Click()
{
    twinsweep::queryplay_Click(m_wiring.rows, m_wiring.services.prompt, m_wiring.player, selectedRow());
}

void QueryListView::queryrem_Click()
{
    twinsweep::queryrem_Click(m_wiring.rows, selectedRow());
}

void QueryListView::queryclear_Click()
{
    twinsweep::queryclear_Click(m_wiring.rows);
}

void QueryListView::querymplayed_Click()
{
    twinsweep::querymplayed_Click(m_wiring.rows, selectedRow());
}

void QueryListView::querymunplayed_Click()
{
    twinsweep::querymunplayed_Click(m_wiring.rows, selectedRow());
}

void QueryListView::srcresult_Click()
{
    m_wiring.catalogue.showLowerList(LowerList::Duplicates);
}

bool QueryListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress)
        return query_KeyDown(toWinKey(static_cast<const QKeyEvent&>(*event)));
    return watched == m_viewport &&
           filterRightClick(*event, [this](const QMouseEvent& mouse) { query_MouseUp(mouse); });
}

bool QueryListView::query_KeyDown(const WinKey& key)
{
    if (key.shift != 0)
        return false;
    if (key.keyCode == VirtualKey::Escape) {
        m_wiring.stopPlayback();
        return true;
    }
    if (key.keyCode == VirtualKey::Return) {
        queryplay_Click();
        return true;
    }
    return false;
}

void QueryListView::query_MouseUp(const QMouseEvent& event)
{
    const qsizetype selected = qsizetype(selectedRowPositions(m_view->selectionModel()).size());
    applyRightClick(m_view, twinsweep::query_MouseUp(toShiftState(event.modifiers()), m_wiring.rows.size(), selected),
                    event.position().toPoint());
    querymenu->popup(event.globalPosition().toPoint());
}

QueryListView* installQueryList(Form1& window, QueryList& rows, QueryPlayer& player, std::function<void()> stopPlayback)
{
    Catalogue& catalogue = window.catalogue();
    Services& services = window.services();
    auto* view = new QueryListView(window.query, {catalogue, rows, services, player, std::move(stopPlayback)}, &window);
    window.volumeFileList->commands().add("addquery_Click",
                                          [&catalogue, &rows, &services](const std::vector<qsizetype>& selected) {
                                              addquery_Click(catalogue, rows, services, selected);
                                          });
    ResultListCommands& results = window.resultList->commands();
    results.add("addquery1_Click", [&catalogue, &rows, &services](const std::vector<qsizetype>& selected) {
        addquery1_Click(catalogue, rows, services, selected);
    });
    const auto showQuery = [&catalogue](const std::vector<qsizetype>&) { catalogue.showLowerList(LowerList::Query); };
    results.add("queryshow_Click", showQuery);
    results.add("queryshow1_Click", showQuery);
    return view;
}

} // namespace twinsweep
