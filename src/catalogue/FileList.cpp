#include "FileList.h"

#include <algorithm>

namespace twinsweep {

FileList::FileList(const std::vector<FileRecord>& master, bool withCollectionColumn)
    : m_master(master), m_withCollection(withCollectionColumn)
{}

QStringList FileList::columns() const
{
    return m_withCollection ? ResultColumns() : FileColumns();
}

const FileRecord& FileList::record(qsizetype index) const
{
    return m_master[size_t(rowFromTag(m_rows[size_t(index)].Tag))];
}

QString FileList::text(qsizetype index, int column) const
{
    const ListRow& listRow = m_rows[size_t(index)];
    if (m_withCollection && column == int(Field::NodeNR))
        return listRow.Collection;
    const qsizetype masterRow = rowFromTag(listRow.Tag);
    if (masterRow < 0 || masterRow >= qsizetype(m_master.size()))
        return {};
    return m_master[size_t(masterRow)].value(column);
}

QString FileList::fullPath(qsizetype index) const
{
    return text(index, int(Field::Path)) + text(index, int(Field::Filename));
}

void FileList::clear()
{
    assign({});
}

void FileList::assign(std::vector<ListRow> rows)
{
    if (m_sorted)
        sortByFileName(rows, m_master);
    Q_EMIT aboutToReset();
    m_rows = std::move(rows);
    Q_EMIT wasReset();
}

void FileList::append(const ListRow& row)
{
    append(std::vector<ListRow>{row});
}

void FileList::append(std::vector<ListRow> rows)
{
    if (rows.empty())
        return;
    if (m_sorted) {
        rows.insert(rows.begin(), m_rows.begin(), m_rows.end());
        assign(std::move(rows));
        return;
    }
    Q_EMIT aboutToAppend(size(), size() + qsizetype(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    Q_EMIT appended();
}

void FileList::setSorted(bool sorted)
{
    const bool sortNow = sorted && !m_sorted;
    m_sorted = sorted;
    if (sortNow)
        assign(std::move(m_rows));
}

void FileList::placeRenamedRow(qsizetype tag)
{
    if (!m_sorted)
        return;
    const auto first = m_rows.begin();
    const auto renamed = std::find_if(first, m_rows.end(), [tag](const ListRow& row) { return row.Tag == tag; });
    if (renamed == m_rows.end())
        return;
    const qsizetype from = renamed - first;
    const qsizetype to = sortedPlace(m_rows, from, m_master);
    if (to == from)
        return;
    // Through a move, a view would keep a bookmark for every selected cell: seconds with
    // most of a large list selected. It lets go of its selection instead and selects the
    // rows again by their marks, which move with the rows.
    Q_EMIT marksAboutToMove();
    Q_EMIT aboutToMove(from, to);
    if (to < from)
        std::rotate(first + to, renamed, renamed + 1);
    else
        std::rotate(renamed, renamed + 1, first + to + 1);
    Q_EMIT moved();
    Q_EMIT marksChanged();
}

void FileList::removeRows(std::vector<qsizetype> indexes)
{
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    if (indexes.empty())
        return;
    Q_EMIT aboutToReset();
    std::vector<ListRow> kept;
    kept.reserve(m_rows.size() - std::min(m_rows.size(), indexes.size()));
    auto next = indexes.begin();
    for (qsizetype i = 0; i < size(); ++i) {
        if (next != indexes.end() && *next == i)
            ++next;
        else
            kept.push_back(std::move(m_rows[size_t(i)]));
    }
    m_rows = std::move(kept);
    Q_EMIT wasReset();
}

void FileList::setChecked(qsizetype index, bool checked)
{
    m_rows[size_t(index)].Checked = checked;
    Q_EMIT rowsChanged(index, index);
}

void FileList::toggleChecked(const std::vector<qsizetype>& indexes)
{
    qsizetype first = size();
    qsizetype last = -1;
    for (const qsizetype index : indexes) {
        if (index < 0 || index >= size())
            continue;
        ListRow& row = m_rows[size_t(index)];
        row.Checked = !row.Checked;
        first = std::min(first, index);
        last = std::max(last, index);
    }
    if (last >= 0)
        Q_EMIT rowsChanged(first, last);
}

void FileList::setForeColor(qsizetype index, ColorValue color)
{
    m_rows[size_t(index)].ForeColor = color;
    Q_EMIT rowsChanged(index, index);
}

void FileList::setSelected(qsizetype first, qsizetype last, bool selected)
{
    for (qsizetype index = qMax<qsizetype>(first, 0); index <= last && index < size(); ++index)
        m_rows[size_t(index)].Selected = selected;
}

void FileList::setCurrent(qsizetype index, bool current)
{
    if (index >= 0 && index < size())
        m_rows[size_t(index)].Current = current;
}

MarkedFiles FileList::markedFiles() const
{
    MarkedFiles files;
    for (qsizetype index = 0; index < size(); ++index) {
        const ListRow& row = m_rows[size_t(index)];
        if (row.Selected)
            files.selected.insert(fullPath(index));
        if (row.Current)
            files.current = fullPath(index);
    }
    return files;
}

void FileList::markFiles(const MarkedFiles& files)
{
    for (qsizetype index = 0; index < size(); ++index) {
        ListRow& row = m_rows[size_t(index)];
        const QString path = fullPath(index);
        row.Selected = row.Selected || files.selected.contains(path);
        if (!files.current.isEmpty())
            row.Current = path == files.current;
    }
    Q_EMIT marksChanged();
}

void FileList::announceTextChanges()
{
    if (!m_rows.empty())
        Q_EMIT rowsChanged(0, size() - 1);
}

} // namespace twinsweep
