#pragma once

#include <QIcon>

namespace twinsweep {

/// Our own small picture of a file row in the Print window's list and its printout,
/// drawn here: a pair of music notes, `size` pixels square.
QPixmap fileIconPixmap(int size);
QIcon fileIcon();

} // namespace twinsweep
