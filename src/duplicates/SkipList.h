#pragma once

#include <QtGlobal>

#include <vector>

namespace twinsweep {

/// `List1`: the row numbers placed in a group by a duplicate search, in the order
/// they were placed. A source row found in it is not examined again.
class SkipList
{
public:
    void clear();
    void append(qsizetype row);
    bool contains(qsizetype row) const;
    qsizetype count() const { return qsizetype(m_entries.size()); }
    /// Entry at `position`, from 0.
    qsizetype entry(qsizetype position) const { return m_entries[size_t(position)]; }
    const std::vector<qsizetype>& entries() const { return m_entries; }

private:
    std::vector<qsizetype> m_entries;
    std::vector<bool> m_placed; // indexed by row number, for a constant-time lookup
};

} // namespace twinsweep
