#include "ColumnWidths.h"

#include <QHeaderView>
#include <QTableView>

#include "platform/Twips.h"

namespace twinsweep {

namespace {

/// The view's column whose caption is `caption`; -1 when it has none.
int columnCaptioned(const QTableView* view, const char* caption)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return -1;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == QLatin1String(caption))
            return column;
    }
    return -1;
}

} // namespace

void applyColumnWidths(QTableView* view, const ListColumnSet& set, const SettingsStore& settings)
{
    if (!view)
        return;
    const std::vector<double> widths = storedColumnWidths(settings, set);
    QHeaderView* header = view->horizontalHeader();
    for (size_t place = 0; place < set.columns.size(); ++place) {
        const int column = columnCaptioned(view, set.columns[place].caption);
        if (column < 0)
            continue;
        const int pixels = twipsToPixels(widths[place], header->logicalDpiX());
        header->setSectionHidden(column, pixels == 0);
        if (pixels > 0)
            header->resizeSection(column, pixels);
    }
}

std::vector<double> columnWidths(const QTableView* view, const ListColumnSet& set)
{
    const QHeaderView* header = view->horizontalHeader();
    std::vector<double> widths;
    for (const ListColumn& column : set.columns) {
        const int index = columnCaptioned(view, column.caption);
        widths.push_back(index < 0 ? 0 : pixelsToTwips(header->sectionSize(index), header->logicalDpiX()));
    }
    return widths;
}

} // namespace twinsweep
