#pragma once

#include <QIcon>

namespace twinsweep {

/// Our own small pictures, drawn here: a music note for a file row of the Print
/// window's list (and its printout), three bars for the "Statistics" buttons.
QPixmap fileIconPixmap(int size);
QIcon fileIcon();
QIcon statisticsIcon();

} // namespace twinsweep
