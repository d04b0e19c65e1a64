#pragma once

#include <QString>

class QAction;
class QMenu;

namespace twinsweep {

/// The sub-menu `name` of `menu` (such as "Export to..."), made with `caption` before
/// `before` (appended when null) unless another command made it already. Its entry
/// carries the name too, as the interface timer finds entries.
QMenu* subMenu(QMenu* menu, const char* name, const QString& caption, QAction* before);

/// The Collection menu's "E&xit" entry; null when there is none.
QAction* exitEntry(QMenu* fileMenu);

} // namespace twinsweep
