#pragma once

class QTableView;

namespace twinsweep {

/// The look the program's lists share (the main window's and the Print window's):
/// whole rows selected, several at a time, no editing started by the view, Tab leaving
/// the list, one line per row at the font's height, no grid and no row numbers.
void setListLook(QTableView* view);

} // namespace twinsweep
