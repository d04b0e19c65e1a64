#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

#include "catalogue/ListCommands.h"

class QAction;
class QMenu;
class QMouseEvent;
class QTableView;
class QTreeView;

namespace twinsweep {

class Catalogue;
struct Services;
struct WinKey;

/// The main window's widgets the volume file list works with.
struct VolumeFileListWidgets
{
    QTableView* ListFiles2;
    QTableView* Duplicates; // shares the grid lines and hot tracking
    QTreeView* TreeView1;   // shares the hot tracking and sorting
    QMenu* viewMenu;        // gets "&Grid lines" and "&Hot track"
    /// Shows the volume tree sorted by name or in the order of its nodes.
    std::function<void(bool sorted)> sortTree;
};

/// The volume file list's look and input: the View toggles for grid lines and hot
/// tracking, sorting by the first column, its keys, the right click with the pop-up
/// menu `Meniu1`, and the start of a drag that carries a file to the query list. Menu
/// entries and keys run commands of the routing table `commands()`.
class VolumeFileListView : public QObject
{
    Q_OBJECT
public:
    VolumeFileListView(Catalogue& catalogue, Services& services, const VolumeFileListWidgets& widgets, QWidget* window);

    /// Where a subsystem plugs in a command of `Meniu1` and the list's keys.
    ListCommands& commands() { return m_commands; }
    /// Selected rows of `ListFiles2`, 0-based and ascending.
    std::vector<qsizetype> selectedRows() const;

    /// Applies the stored "Grid lines", "HotTracking" and "Sorted" (start-up).
    void readViewSettings();
    void Gridlines_Click();
    void Hottrack_Click();
    /// Flips sorting of the file list and the volume tree and stores it; switched off,
    /// the list is refilled in collection order. The View menu's "S&orted" runs it too.
    void Sorted_Click();
    bool isSorted() const;
    /// Sorts or unsorts without storing anything.
    void setSorted(bool sorted);

    /// Tag (master position) of the row a drag from the list carries, 0 for none.
    qsizetype DraggedFileItem = 0;

    QMenu* Meniu1 = nullptr;
    QAction* Gridlines = nullptr;
    QAction* Hottrack = nullptr;

Q_SIGNALS:
    /// For the check mark of the View menu's "S&orted".
    void sortedChanged(bool sorted);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildViewEntries(QMenu* viewMenu);
    void registerOwnCommands();
    void setGridLines(bool on);
    void setHotTracking(bool on);
    void ListFiles2_ColumnClick(int column);
    bool ListFiles2_KeyDown(const WinKey& key);
    void ListFiles2_MouseDown(const QMouseEvent& event);
    bool ListFiles2_MouseMove(const QMouseEvent& event);
    void ListFiles2_MouseUp(const QMouseEvent& event);
    double selectedTextWidth() const;

    Catalogue& m_catalogue;
    Services& m_services;
    VolumeFileListWidgets m_widgets;
    ListCommands m_commands;
    QObject* m_viewport = nullptr; // the list's viewport, compared against, never called
    QPoint m_pressPosition;
};

} // namespace twinsweep
