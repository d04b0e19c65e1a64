#include "DuplicateGroups.h"

#include <QHash>

#include <array>
#include <unordered_map>

#include "DuplicateSearch.h"
#include "platform/Services.h"

namespace twinsweep {

qsizetype SearchedRows::count() const
{
    return m_list ? m_list->size() : qsizetype(m_master.size());
}

const FileRecord& SearchedRows::record(qsizetype row) const
{
    static const FileRecord none;
    const qsizetype position = rowFromTag(tag(row));
    return position >= 0 && position < qsizetype(m_master.size()) ? m_master[size_t(position)] : none;
}

qsizetype SearchedRows::tag(qsizetype row) const
{
    return m_list ? m_list->row(rowFromTag(row)).Tag : row;
}

namespace {

/// Gives each distinct text a small number.
class TextIds
{
public:
    int id(const QString& text)
    {
        const auto found = m_ids.constFind(text);
        if (found != m_ids.constEnd())
            return *found;
        const int next = int(m_ids.size());
        m_ids.insert(text, next);
        return next;
    }

private:
    QHash<QString, int> m_ids;
};

/// The compared values of one row, as text numbers: name, Duration, Frequency,
/// Bitrate, Title, Artist (0 where a criterion is not checked).
using PairKey = std::array<int, 6>;

struct PairKeyHash
{
    size_t operator()(const PairKey& key) const
    {
        quint64 hash = 0x9E3779B97F4A7C15ull;
        for (const int value : key)
            hash = (hash ^ quint64(quint32(value))) * 0x100000001B3ull;
        return size_t(hash ^ (hash >> 29));
    }
};

class KeyMaker
{
public:
    explicit KeyMaker(const DuplicateCriteria& criteria) : m_criteria(criteria) {}

    /// False when the row can never pass the pair test.
    bool make(const FileRecord& record, PairKey& key)
    {
        key = {};
        if (m_criteria.Check17 == 1) {
            const QString& title = record.value(Field::Title);
            const QString& artist = record.value(Field::Artist);
            if (title.isEmpty() || artist.isEmpty())
                return false;
            key[4] = m_titles.id(title.toUpper());
            key[5] = m_artists.id(artist.toUpper());
        }
        if (m_criteria.Check15 == 1)
            key[0] = m_names.id(record.value(Field::Filename).toUpper());
        if (m_criteria.Check16 == 1) {
            key[1] = m_durations.id(record.value(Field::Duration));
            key[2] = m_frequencies.id(record.value(Field::Frequency));
            key[3] = m_bitrates.id(record.value(Field::Bitrate));
        }
        return true;
    }

private:
    const DuplicateCriteria& m_criteria;
    TextIds m_names, m_durations, m_frequencies, m_bitrates, m_titles, m_artists;
};

} // namespace

PairGroups::PairGroups(const SearchedRows& rows, const DuplicateCriteria& criteria, TimedYield& yield)
{
    const qsizetype count = rows.count();
    m_rowGroup.assign(size_t(count) + 1, -1);
    KeyMaker maker(criteria);
    std::unordered_map<PairKey, int, PairKeyHash> groups;
    groups.reserve(size_t(count));
    std::vector<qsizetype> sizes;
    PairKey key;
    for (qsizetype row = 1; row <= count; ++row) {
        yield.maybeYield();
        if (!maker.make(rows.record(row), key))
            continue;
        const auto [entry, added] = groups.try_emplace(key, int(sizes.size()));
        if (added)
            sizes.push_back(0);
        ++sizes[size_t(entry->second)];
        m_rowGroup[size_t(row)] = entry->second;
    }

    // Rows are visited in ascending order, so each group's rows come out sorted.
    m_offsets.assign(sizes.size() + 1, 0);
    for (size_t group = 0; group < sizes.size(); ++group)
        m_offsets[group + 1] = m_offsets[group] + sizes[group];
    m_members.resize(size_t(m_offsets.back()));
    std::vector<qsizetype> next(m_offsets.begin(), m_offsets.end() - 1);
    for (qsizetype row = 1; row <= count; ++row) {
        const int group = m_rowGroup[size_t(row)];
        if (group >= 0)
            m_members[size_t(next[size_t(group)]++)] = row;
    }
}

int PairGroups::groupOf(qsizetype row) const
{
    return row >= 1 && row < qsizetype(m_rowGroup.size()) ? m_rowGroup[size_t(row)] : -1;
}

std::span<const qsizetype> PairGroups::rows(int group) const
{
    const auto first = m_members.begin() + m_offsets[size_t(group)];
    return {first, first + (m_offsets[size_t(group) + 1] - m_offsets[size_t(group)])};
}

} // namespace twinsweep
