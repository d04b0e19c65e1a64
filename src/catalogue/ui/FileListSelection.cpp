#include "FileListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include "catalogue/FileList.h"

namespace twinsweep {

FileListSelection::FileListSelection(FileList& list, QAbstractItemView* view)
    : QObject(view), m_list(list), m_view(view)
{
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FileListSelection::markRows);
    connect(&list, &FileList::wasReset, this, &FileListSelection::showMarks);
    connect(&list, &FileList::selectionChanged, this, &FileListSelection::showMarks);
}

void FileListSelection::markRows(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_showingMarks)
        return;
    for (const QItemSelectionRange& range : deselected)
        m_list.setSelected(range.top(), range.bottom(), false);
    for (const QItemSelectionRange& range : selected)
        m_list.setSelected(range.top(), range.bottom(), true);
}

void FileListSelection::showMarks()
{
    const QAbstractItemModel* model = m_view->model();
    const int lastColumn = model->columnCount() - 1;
    QItemSelection marked;
    // One range per run of marked rows, so a long selection stays a few ranges.
    for (qsizetype row = 0; row < m_list.size();) {
        if (!m_list.row(row).Selected) {
            ++row;
            continue;
        }
        const qsizetype first = row;
        while (row < m_list.size() && m_list.row(row).Selected)
            ++row;
        marked.append(QItemSelectionRange(model->index(int(first), 0), model->index(int(row - 1), lastColumn)));
    }
    m_showingMarks = true;
    m_view->selectionModel()->select(marked, QItemSelectionModel::ClearAndSelect);
    m_showingMarks = false;
}

} // namespace twinsweep
