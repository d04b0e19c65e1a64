#include "QueryList.h"

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

} // namespace twinsweep
