#pragma once

#include <QList>
#include <QPoint>

#include <functional>
#include <vector>

#include "catalogue/ListCommands.h"

class QAbstractItemView;
class QEvent;
class QMenu;
class QMouseEvent;
class QObject;

namespace twinsweep {

struct WinKey;

// The window side that the file lists' input shares: the right-click selection rule
// and the pop-up menu built from a routing table.

/// Sends the key events of `view` and the mouse events of its viewport through `filter`,
/// and keeps the view's own context menu away (the list's right click has rules of its
/// own). Returns the viewport, for the filter to compare against: events still arrive
/// while the view is being destroyed, when it can no longer be asked for its viewport.
QObject* filterListInput(QAbstractItemView* view, QObject* filter);

/// A mouse event of a list's viewport: the right press and double click are used up (the
/// view must not move its selection), the right release is used up by `rightRelease`.
/// True when the event is used up; other events and buttons are left to the view.
bool filterRightClick(const QEvent& event, const std::function<void(const QMouseEvent&)>& rightRelease);

/// Applies `selection` to the row of `view` under `position` (viewport coordinates).
void applyRightClick(QAbstractItemView* view, RightClickSelection selection, const QPoint& position);

/// Refills `menu` with the entries whose command is registered (so commands plugged in
/// later show up) and opens it at `globalPosition` unless it stays empty. An entry runs
/// its command with the rows `selectedRows` gives when it is clicked.
void popupRoutedMenu(QMenu* menu, const QList<MenuEntry>& entries, const ListCommands& commands,
                     const std::function<std::vector<qsizetype>()>& selectedRows, const QPoint& globalPosition);

/// True for a key press that `view` receives itself: not one that its in-place editor
/// passes on, such as the Enter that ends a rename, which runs no list command.
bool isListKeyPress(const QAbstractItemView* view, const QObject* watched, const QEvent& event);

/// A key press in a list: runs the command `keyCommand` gives for the key when the list
/// has rows. True when the key belongs to the list's table (it is used up, rows or
/// not); false leaves navigation and the other keys to the view.
bool routeKeyPress(const ListCommands& commands, QString (*keyCommand)(int KeyCode, int Shift), const WinKey& key,
                   qsizetype rowCount, const std::function<std::vector<qsizetype>()>& selectedRows);

} // namespace twinsweep
