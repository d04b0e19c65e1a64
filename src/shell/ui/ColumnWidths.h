#pragma once

#include <vector>

#include "shell/ListColumns.h"

class QTableView;

namespace twinsweep {

class SettingsStore;

/// Gives each column of `view` the width start-up reads for it (twips, see
/// `storedColumnWidths`), found by its caption; a column of width 0 is hidden. A
/// missing view or column is passed over.
void applyColumnWidths(QTableView* view, const ListColumnSet& set, const SettingsStore& settings);

/// The widths of the columns of `set` in `view`, in twips and creation order; a
/// column the view does not show counts as 0.
std::vector<double> columnWidths(const QTableView* view, const ListColumnSet& set);

} // namespace twinsweep
