#include "QueryList.h"

#include <QHash>

#include <algorithm>

namespace twinsweep {

void QueryList::append(const QueryRow& row)
{
    Q_EMIT aboutToAppend(size(), size());
    m_rows.push_back(row);
    Q_EMIT appended();
}

void QueryList::clear()
{
    Q_EMIT aboutToReset();
    m_rows.clear();
    Q_EMIT wasReset();
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

} // namespace twinsweep
