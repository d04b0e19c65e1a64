#include "FileListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

#include "catalogue/FileList.h"

namespace twinsweep {

FileListSelection::FileListSelection(FileList& list, QAbstractItemView* view)
    : QObject(view), m_list(list), m_view(view)
{
    const QItemSelectionModel* selection = view->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, &FileListSelection::markSelection);
    connect(selection, &QItemSelectionModel::currentChanged, this, &FileListSelection::markCurrent);
    connect(&list, &FileList::wasReset, this, &FileListSelection::showMarks);
    connect(&list, &FileList::marksAboutToMove, this, &FileListSelection::forgetSelection);
    connect(&list, &FileList::marksChanged, this, &FileListSelection::showMarks);
}

void FileListSelection::markSelection(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_followingMarks)
        return;
    for (const QItemSelectionRange& range : deselected)
        m_list.setSelected(range.top(), range.bottom(), false);
    for (const QItemSelectionRange& range : selected)
        m_list.setSelected(range.top(), range.bottom(), true);
}

void FileListSelection::markCurrent(const QModelIndex& current, const QModelIndex& previous)
{
    if (m_followingMarks)
        return;
    m_list.setCurrent(previous.row(), false);
    m_list.setCurrent(current.row(), true);
}

void FileListSelection::forgetSelection()
{
    // The rows keep their marks, from which showMarks selects them again.
    m_followingMarks = true;
    m_view->selectionModel()->clearSelection();
    m_followingMarks = false;
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
    // The cursor keeps its column, so a row that stays current is left as it is.
    const int column = std::max(m_view->currentIndex().column(), 0);
    m_followingMarks = true;
    m_view->selectionModel()->select(marked, QItemSelectionModel::ClearAndSelect);
    if (current >= 0)
        m_view->selectionModel()->setCurrentIndex(model->index(int(current), column), QItemSelectionModel::NoUpdate);
    m_followingMarks = false;
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
