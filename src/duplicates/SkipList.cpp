#include "SkipList.h"

namespace twinsweep {

void SkipList::clear()
{
    m_entries.clear();
    m_placed.clear();
}

void SkipList::append(qsizetype row)
{
    m_entries.push_back(row);
    if (row < 0)
        return;
    if (size_t(row) >= m_placed.size())
        m_placed.resize(size_t(row) + 1 + m_placed.size() / 2);
    m_placed[size_t(row)] = true;
}

bool SkipList::contains(qsizetype row) const
{
    return row >= 0 && size_t(row) < m_placed.size() && m_placed[size_t(row)];
}

} // namespace twinsweep
