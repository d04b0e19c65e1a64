#include "FileListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include "catalogue/FileList.h"

namespace twinsweep {

FileListSelection::FileListSelection(FileList& list, QAbstractItemView* view)
    : QObject(view), m_list(list), m_view(view)
{
    const QItemSelectionModel* selection = view->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &FileListSelection::markSelection);
    connect(selection, &QItemSelectionModel::currentChanged, this, &FileListSelection::markCurrent);
    connect(&list, &FileList::wasReset, this, &FileListSelection::showMarks);
    connect(&list, &FileList::marksChanged, this, &FileListSelection::showMarks);
}

void FileListSelection::markSelection(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_showingMarks)
        return;
    for (const QItemSelectionRange& range : deselected)
        m_list.setSelected(range.top(), range.bottom(), false);
    for (const QItemSelectionRange& range : selected)
        m_list.setSelected(range.top(), range.bottom(), true);
}

void FileListSelection::markCurrent(const QModelIndex& current, const QModelIndex& previous)
{
    if (m_showingMarks)
        return;
    m_list.setCurrent(previous.row(), false);
    m_list.setCurrent(current.row(), true);
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
    const qsizetype current = takeCurrentRow();
    m_showingMarks = true;
    m_view->selectionModel()->select(marked, QItemSelectionModel::ClearAndSelect);
    if (current >= 0)
        m_view->selectionModel()->setCurrentIndex(model->index(int(current), 0), QItemSelectionModel::NoUpdate);
    m_showingMarks = false;
}

qsizetype FileListSelection::takeCurrentRow()
{
    qsizetype current = -1;
    for (qsizetype row = 0; row < m_list.size(); ++row) {
        if (!m_list.row(row).Current)
            continue;
        if (current < 0)
            current = row;
        else
            m_list.setCurrent(row, false);
    }
    return current;
}

} // namespace twinsweep
