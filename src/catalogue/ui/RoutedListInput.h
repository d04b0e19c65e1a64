#pragma once

#include <QList>
#include <QPoint>

#include <functional>
#include <vector>

#include "catalogue/ListCommands.h"

class QAbstractItemView;
class QMenu;

namespace twinsweep {

struct WinKey;

// The window side that the file lists' input shares: the right-click selection rule
// and the pop-up menu built from a routing table.

/// Applies `selection` to the row of `view` under `position` (viewport coordinates).
void applyRightClick(QAbstractItemView* view, RightClickSelection selection, const QPoint& position);

/// Refills `menu` with the entries whose command is registered (so commands plugged in
/// later show up) and opens it at `globalPosition` unless it stays empty. An entry runs
/// its command with the rows `selectedRows` gives when it is clicked.
void popupRoutedMenu(QMenu* menu, const QList<MenuEntry>& entries, const ListCommands& commands,
                     const std::function<std::vector<qsizetype>()>& selectedRows, const QPoint& globalPosition);

/// A key press in a list: runs the command `keyCommand` gives for the key when the list
/// has rows. True when the key belongs to the list's table (it is used up, rows or
/// not); false leaves navigation and the other keys to the view.
bool routeKeyPress(const ListCommands& commands, QString (*keyCommand)(int KeyCode, int Shift), const WinKey& key,
                   qsizetype rowCount, const std::function<std::vector<qsizetype>()>& selectedRows);

} // namespace twinsweep
