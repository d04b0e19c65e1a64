#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QMouseEvent;
class QTableView;

namespace twinsweep {

class Catalogue;
class Form1;
class QueryList;
class QueryPlayer;
struct Services;
struct WinKey;

/// What the query list works with.
struct QueryListWiring
{
    Catalogue& catalogue;
    QueryList& rows;
    Services& services;
    QueryPlayer& player;
    std::function<void()> stopPlayback; // Esc
};

/// The query list's view `query` (a `RowListView` the main window made): its columns, its
/// keys (Esc, Enter), the double click, the right click with its selection rules and the
/// pop-up menu `querymenu`.
class QueryListView : public QObject
{
    Q_OBJECT
public:
    QueryListView(QTableView* query, const QueryListWiring& wiring, QWidget* window);

    /// The row the list calls selected: the current row when it is selected, else the
    /// first selected row; none without selection.
    std::optional<qsizetype> selectedRow() const;

    void queryplay_Click();
    void query_DblClick() { queryplay_Click(); }
    void queryrem_Click();
    void queryclear_Click();
    void querymplayed_Click();
    void querymunplayed_Click();
    void srcresult_Click();

    QMenu* querymenu = nullptr;
    QAction* queryplay = nullptr;
    QAction* queryrem = nullptr;
    QAction* queryclear = nullptr;
    QAction* querymplayed = nullptr;
    QAction* querymunplayed = nullptr;
    QAction* srcresult = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu(QWidget* window);
    QAction* addMenuEntry(const char* name, const QString& caption, void (QueryListView::*command)());
    void setUpView();
    bool query_KeyDown(const WinKey& key);
    void query_MouseUp(const QMouseEvent& event);

    QTableView* m_view;
    QObject* m_viewport = nullptr; // the view's viewport, compared against, never called
    QueryListWiring m_wiring;
};

/// Sets up the query list of the main window, and the file lists' commands that lead to
/// it: "Add to query" of both lists and the result list's "View Query list".
QueryListView* installQueryList(Form1& window, QueryList& rows, QueryPlayer& player,
                                std::function<void()> stopPlayback);

} // namespace twinsweep
