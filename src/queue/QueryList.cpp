#include "QueryList.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace twinsweep {

void QueryList::append(const QueryRow& row)
{
    append(std::vector<QueryRow>{row});
}

void QueryList::append(std::vector<QueryRow> rows)
{
    if (rows.empty())
        return;
    Q_EMIT aboutToAppend(size(), size() + qsizetype(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    Q_EMIT appended();
}

void QueryList::insert(qsizetype index, const QueryRow& row)
{
    if (index < 0 || index > size())
        return;
    Q_EMIT aboutToAppend(index, index);
    m_rows.insert(m_rows.begin() + index, row);
    Q_EMIT appended();
}

void QueryList::removeRow(qsizetype index)
{
    if (!contains(index))
        return;
    Q_EMIT aboutToRemove(index, index);
    m_rows.erase(m_rows.begin() + index);
    Q_EMIT removed();
}

void QueryList::clear()
{
    Q_EMIT aboutToReset();
    m_rows.clear();
    Q_EMIT wasReset();
}

void QueryList::clearFromFirstRow()
{
    clear();
    setTag(QStringLiteral("1"));
}

void QueryList::followRelocatedFiles(const std::vector<FileRelocation>& moves)
{
    QHash<QString, const FileRelocation*> byOldPath;
    for (const FileRelocation& move : moves)
        byOldPath.insert(move.oldFullPath, &move);
    qsizetype first = size();
    qsizetype last = -1;
    for (qsizetype index = 0; index < size() && !byOldPath.isEmpty(); ++index) {
        QueryRow& row = m_rows[size_t(index)];
        const FileRelocation* move = byOldPath.value(row.Path + row.Filename);
        if (!move)
            continue;
        row.Path = move->Path;
        row.Filename = move->Filename;
        first = std::min(first, index);
        last = index;
    }
    if (last >= 0)
        Q_EMIT rowsChanged(first, last);
}

void QueryList::setChecked(qsizetype index, bool checked)
{
    if (!contains(index) || m_rows[size_t(index)].Checked == checked)
        return;
    m_rows[size_t(index)].Checked = checked;
    Q_EMIT rowsChanged(index, index);
}

void QueryList::setForeColor(qsizetype index, ColorValue color)
{
    if (!contains(index) || m_rows[size_t(index)].ForeColor == color)
        return;
    m_rows[size_t(index)].ForeColor = color;
    Q_EMIT rowsChanged(index, index);
}

std::optional<qsizetype> QueryList::tagRow() const
{
    bool isNumber = false;
    const double number = m_tag.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number) || std::abs(number) > 1e15)
        return std::nullopt;
    return qsizetype(std::trunc(number)) - 1;
}

} // namespace twinsweep
