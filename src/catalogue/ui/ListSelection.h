#pragma once

#include <QtGlobal>

#include <vector>

class QItemSelectionModel;

namespace twinsweep {

/// The selected rows of a list view, 0-based and ascending. Read from the selection's
/// ranges in one pass, so a selection of a hundred thousand rows stays cheap.
std::vector<qsizetype> selectedRowPositions(const QItemSelectionModel* selection);

} // namespace twinsweep
