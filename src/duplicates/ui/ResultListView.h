#pragma once

#include <QObject>

#include <vector>

#include "catalogue/Catalogue.h"
#include "duplicates/ResultList.h"
#include "duplicates/ResultListCommands.h"

class QAction;
class QMenu;
class QMouseEvent;
class QStackedWidget;
class QTableView;

namespace twinsweep {

struct WinKey;

/// The main window's widgets the result list works with.
struct ResultListWidgets
{
    QTableView* Duplicates;
    QStackedWidget* lowerPane; // holds Duplicates and query
    QWidget* query;
    QMenu* viewMenu; // gets the "Window" entries
};

/// The result list's input: its keys, the right click with its pop-up menus `Meniu` and
/// `querylist`, and the View menu's "Window" entries that choose the list of the lower
/// pane. Menu entries and keys run commands of the routing table `commands()`.
class ResultListView : public QObject
{
    Q_OBJECT
public:
    ResultListView(Catalogue& catalogue, Services& services, const ResultListWidgets& widgets, QWidget* window);

    /// Where a subsystem plugs in a command of the result list's menu and keys.
    ResultListCommands& commands() { return m_commands; }
    /// Selected rows of `Duplicates`, 0-based and ascending.
    std::vector<qsizetype> selectedRows() const;

    void serachsel_Click();
    void querysel_Click();

    QMenu* Meniu = nullptr;
    QMenu* querylist = nullptr;
    QAction* serachsel = nullptr;
    QAction* querysel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void registerOwnCommands();
    void buildWindowMenu(QMenu* viewMenu);
    void showLowerList(LowerList list);
    bool Duplicates_KeyDown(const WinKey& key);
    void Duplicates_MouseUp(const QMouseEvent& event);
    void applyRightClick(RightClickSelection selection, int hitRow);
    void popup(QMenu* menu, const QList<MenuEntry>& entries, const QPoint& globalPosition);

    Catalogue& m_catalogue;
    Services& m_services;
    ResultListWidgets m_widgets;
    QObject* m_viewport = nullptr; // the view's viewport, compared against, never called
    ResultListCommands m_commands;
};

} // namespace twinsweep
