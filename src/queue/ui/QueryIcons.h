#pragma once

#include <QIcon>
#include <QList>

namespace twinsweep {

/// The query list's small pictures, drawn here: a note for every row, and for the
/// column headers a page (Filename), a folder (Path), a clock (Duration) and a disc
/// (Collection).
QIcon queryRowIcon();
QList<QIcon> queryHeaderIcons();

} // namespace twinsweep
