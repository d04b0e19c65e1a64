#include "DuplicateGroups.h"

#include <algorithm>

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

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar unit) { return unit.unicode() < 0x80; });
}

char16_t asciiUpper(char16_t unit)
{
    return unit >= u'a' && unit <= u'z' ? char16_t(unit - (u'a' - u'A')) : unit;
}

quint64 hashUnits(QStringView text, bool asciiUpperCase)
{
    quint64 hash = 0xCBF29CE484222325ull;
    for (const QChar unit : text)
        hash = (hash ^ (asciiUpperCase ? asciiUpper(unit.unicode()) : unit.unicode())) * 0x100000001B3ull;
    return hash;
}

/// Hash of the upper case of a text. For ASCII texts (nearly all) it is computed on the
/// fly; only other texts are upper-cased, so that "ß" and "ss" still hash alike.
quint64 upperHash(const QString& text)
{
    return isAscii(text) ? hashUnits(text, true) : hashUnits(text.toUpper(), false);
}

/// `a.toUpper() == b.toUpper()`, without building either for ASCII texts.
bool upperEqual(const QString& a, const QString& b)
{
    if (!isAscii(a) || !isAscii(b))
        return a.toUpper() == b.toUpper();
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i].unicode()) != asciiUpper(b[i].unicode()))
            return false;
    }
    return true;
}

/// The pair test of the checked criteria as a hash and an equality.
class PairValues
{
public:
    explicit PairValues(const DuplicateCriteria& criteria)
        : m_name(criteria.Check15 == 1), m_properties(criteria.Check16 == 1), m_tag(criteria.Check17 == 1)
    {}

    /// With Tag checked, a file without a Title or an Artist passes against no file.
    bool comparable(const FileRecord& record) const
    {
        return !m_tag || (!record.value(Field::Title).isEmpty() && !record.value(Field::Artist).isEmpty());
    }

    quint64 hash(const FileRecord& record) const
    {
        quint64 hash = 0;
        const auto add = [&hash](quint64 value) { hash = (hash ^ value) * 0x9E3779B97F4A7C15ull + (hash >> 29); };
        if (m_name)
            add(upperHash(record.value(Field::Filename)));
        if (m_properties) {
            add(hashUnits(record.value(Field::Duration), false));
            add(hashUnits(record.value(Field::Frequency), false));
            add(hashUnits(record.value(Field::Bitrate), false));
        }
        if (m_tag) {
            add(upperHash(record.value(Field::Title)));
            add(upperHash(record.value(Field::Artist)));
        }
        return hash;
    }

    bool equal(const FileRecord& a, const FileRecord& b) const
    {
        const auto same = [&a, &b](Field field) { return a.value(field) == b.value(field); };
        return (!m_name || upperEqual(a.value(Field::Filename), b.value(Field::Filename))) &&
               (!m_properties || (same(Field::Duration) && same(Field::Frequency) && same(Field::Bitrate))) &&
               (!m_tag || (upperEqual(a.value(Field::Title), b.value(Field::Title)) &&
                           upperEqual(a.value(Field::Artist), b.value(Field::Artist))));
    }

private:
    bool m_name, m_properties, m_tag;
};

} // namespace

PairGroups::PairGroups(const SearchedRows& rows, const DuplicateCriteria& criteria, TimedYield& yield)
{
    const PairValues values(criteria);
    const qsizetype count = rows.count();
    std::vector<std::pair<quint64, qsizetype>> hashed;
    hashed.reserve(size_t(count));
    for (qsizetype row = 1; row <= count; ++row) {
        yield.maybeYield();
        const FileRecord& record = rows.record(row);
        if (values.comparable(record))
            hashed.emplace_back(values.hash(record), row);
    }
    // Equal hashes become neighbours, each run in ascending row order.
    std::sort(hashed.begin(), hashed.end());

    m_rowGroup.assign(size_t(count) + 1, -1);
    m_offsets.push_back(0);
    std::vector<qsizetype> run;
    for (size_t first = 0; first < hashed.size();) {
        size_t end = first + 1;
        while (end < hashed.size() && hashed[end].first == hashed[first].first)
            ++end;
        if (end - first > 1) {
            run.clear();
            for (size_t i = first; i < end; ++i)
                run.push_back(hashed[i].second);
            addGroups(run, [&](qsizetype a, qsizetype b) { return values.equal(rows.record(a), rows.record(b)); });
        }
        first = end;
    }
}

template <typename Equal> void PairGroups::addGroups(std::vector<qsizetype>& run, Equal equal)
{
    // A run of equal hashes nearly always holds one group; split it where the values differ.
    while (run.size() > 1) {
        const qsizetype head = run.front();
        std::vector<qsizetype> others;
        const int group = int(m_offsets.size()) - 1;
        qsizetype members = 0;
        for (const qsizetype row : run) {
            if (equal(head, row)) {
                m_members.push_back(row);
                m_rowGroup[size_t(row)] = group;
                ++members;
            } else {
                others.push_back(row);
            }
        }
        if (members > 1) {
            m_offsets.push_back(qsizetype(m_members.size()));
        } else {
            // A group of one has no candidates: leave the row in no group.
            m_members.pop_back();
            m_rowGroup[size_t(head)] = -1;
        }
        run = std::move(others);
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
