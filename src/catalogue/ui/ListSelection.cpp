#include "ListSelection.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace twinsweep {

std::vector<qsizetype> selectedRowPositions(const QItemSelectionModel* selection)
{
    std::vector<qsizetype> rows;
    if (!selection)
        return rows;
    const QItemSelection ranges = selection->selection();
    for (const QItemSelectionRange& range : ranges) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace twinsweep
