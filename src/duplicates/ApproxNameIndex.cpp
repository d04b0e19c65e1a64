#include "ApproxNameIndex.h"

#include <QHash>

#include <algorithm>
#include <bit>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "CompareTXT.h"

namespace twinsweep {

namespace {

constexpr char16_t Blank = u' ';
// Characters that may be read beyond the end of a name by `countEqual`.
constexpr qsizetype Padding = 8;
constexpr qint32 NoVolume = -1;

/// Equal positions among the first `length` characters of `a` and `b`, or -1 as soon
/// as more than `allowed` differ. Both may be read up to 7 characters beyond `length`.
qsizetype countEqual(const char16_t* a, const char16_t* b, qsizetype length, qsizetype allowed)
{
    qsizetype equal = 0;
    for (qsizetype k = 0; k < length; k += 8) {
        const qsizetype count = std::min<qsizetype>(8, length - k);
#if defined(__SSE2__)
        const __m128i left = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + k));
        const __m128i right = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + k));
        const unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(left, right))) & ((1u << (2 * count)) - 1);
        equal += std::popcount(mask) / 2;
#else
        for (qsizetype i = k; i < k + count; ++i)
            equal += a[i] == b[i] ? 1 : 0;
#endif
        if (k + count - equal > allowed)
            return -1;
    }
    return equal;
}

} // namespace

QString approxBaseName(const QString& filename)
{
    return filename.size() <= 4 ? QString() : filename.chopped(4);
}

ScoreThreshold::ScoreThreshold(int threshold, qsizetype longest) : m_threshold(threshold)
{
    m_minimum.resize(size_t(longest + 1));
    // Two empty names are equal: they score 100.
    m_minimum[0] = threshold <= 100 ? 0 : 1;
    for (qsizetype length = 1; length <= longest; ++length) {
        qsizetype low = 0;
        qsizetype high = length + 1; // "never"
        while (low < high) {
            const qsizetype middle = (low + high) / 2;
            if (similarityScore(middle, length) >= float(threshold))
                high = middle;
            else
                low = middle + 1;
        }
        m_minimum[size_t(length)] = low;
    }
}

ApproxNameTable::ApproxNameTable(std::vector<QString> filenames, const std::vector<QString>& volumes)
    : m_filenames(std::move(filenames))
{
    QHash<QString, qint32> volumeNumbers;
    m_rows.reserve(m_filenames.size());
    for (size_t row = 0; row < m_filenames.size(); ++row) {
        const auto known = volumeNumbers.constFind(volumes[row]);
        const qint32 volume =
            known != volumeNumbers.cend() ? *known : volumeNumbers.insert(volumes[row], volumeNumbers.size()).value();
        addRow(m_filenames[row], volume);
    }
    m_chars.resize(m_chars.size() + size_t(Padding), 0);
    if (m_byLength.empty())
        m_byLength.resize(1);
}

void ApproxNameTable::addRow(const QString& filename, qint32 volume)
{
    const QString name = upperTrimmed(approxBaseName(filename));
    Row row;
    row.squeezedOffset = qint32(m_chars.size());
    row.nameLength = qint32(name.size());
    row.removalOffset = qint32(m_removals.size());
    row.volume = volume;
    // The blank pass run to the end: a blank is removed and the character that moves
    // into its place is kept without being examined.
    for (qsizetype k = 0; k < name.size(); ++k) {
        if (name[k] == Blank) {
            m_removals.push_back(qint32(m_chars.size()) - row.squeezedOffset + 1);
            if (++k == name.size())
                break;
        }
        m_chars.push_back(name[k].unicode());
    }
    row.squeezedLength = qint32(m_chars.size()) - row.squeezedOffset;
    row.removalCount = qint32(m_removals.size()) - row.removalOffset;
    m_longestName = std::max<qsizetype>(m_longestName, row.nameLength);
    if (size_t(row.squeezedLength) >= m_byLength.size())
        m_byLength.resize(size_t(row.squeezedLength) + 1);
    m_byLength[size_t(row.squeezedLength)].push_back(qint32(m_rows.size()));
    m_rows.push_back(row);
}

qsizetype ApproxNameTable::lengthAfterPass(qint32 row, qsizetype stop) const
{
    const Row& entry = m_rows[size_t(row)];
    const auto first = m_removals.begin() + entry.removalOffset;
    const auto removed = std::upper_bound(first, first + entry.removalCount, qint32(stop)) - first;
    return entry.nameLength - removed;
}

struct ApproxMatcher::Pass
{
    QString name; // the source name as the next comparison receives it
    qint32 excludedVolume;
    std::vector<qint32> hits;
};

ApproxMatcher::ApproxMatcher(const ApproxNameTable& table, int threshold)
    : m_table(table), m_threshold(threshold, table.longestName())
{}

std::vector<qint32> ApproxMatcher::members(qint32 source, qint32 first, bool otherVolumesOnly) const
{
    // The first comparison upper-cases and trims the source name; upper-casing twice
    // changes nothing, so later comparisons only ever remove blanks from it.
    Pass pass{upperTrimmed(m_table.baseName(source)), otherVolumesOnly ? m_table.volume(source) : NoVolume, {}};
    const qint32 end = m_table.size();
    qint32 position = first;
    while (position < end) {
        const qsizetype blank = pass.name.indexOf(Blank);
        if (blank < 0) {
            decide(pass, position, end, std::numeric_limits<qsizetype>::max());
            break;
        }
        // A comparison reaches the blank (and may remove it) only when the other
        // name still has a character at the position before it after its own pass.
        const qint32 next = firstReaching(position, end, blank);
        decide(pass, position, next, blank - 1);
        if (next == end)
            break;
        compareOne(pass, next);
        position = next + 1;
    }
    std::sort(pass.hits.begin(), pass.hits.end());
    return std::move(pass.hits);
}

qint32 ApproxMatcher::firstReaching(qint32 from, qint32 to, qsizetype blank) const
{
    while (from < to && m_table.squeezedLength(from) < blank)
        ++from;
    return from;
}

void ApproxMatcher::compareOne(Pass& pass, qint32 row) const
{
    QString other = m_table.baseName(row);
    const float score = CompareTXT(pass.name, other);
    if (score >= float(m_threshold.threshold()) && m_table.volume(row) != pass.excludedVolume)
        pass.hits.push_back(row);
}

/// Decides the rows from `from` to `to` whose squeezed names are at most
/// `longestSqueezed` long, none of which rewrites the source name.
void ApproxMatcher::decide(Pass& pass, qint32 from, qint32 to, qsizetype longestSqueezed) const
{
    if (from >= to)
        return;
    const qsizetype length = pass.name.size();
    std::vector<char16_t> name(size_t(length + Padding), 0);
    std::copy(pass.name.utf16(), pass.name.utf16() + length, name.begin());
    // A shorter row pairs only when enough of its positions can be equal; a longer one
    // only when the source's positions can be enough of its length.
    const qsizetype last = std::min(longestSqueezed, m_table.longestSqueezed());
    for (qsizetype other = m_threshold.minimumEqual(length); other <= last; ++other) {
        if (other > length && m_threshold.minimumEqual(other) > length)
            break;
        decideLength(pass, name.data(), other, from, to);
    }
}

/// Against a source name without a reachable blank, a row's pass runs to the end of the
/// shorter name: a row no longer than the source is compared as its squeezed name over
/// the source's length; a longer one over its squeezed prefix, its length being what
/// its pass left of it.
void ApproxMatcher::decideLength(Pass& pass, const char16_t* name, qsizetype otherLength, qint32 from, qint32 to) const
{
    const std::vector<qint32>& rows = m_table.rowsOfLength(otherLength);
    const qsizetype length = pass.name.size();
    const bool longer = otherLength > length;
    const qsizetype compared = longer ? length : otherLength;
    const qsizetype allowed = compared - m_threshold.minimumEqual(longer ? otherLength : length);
    for (auto it = std::lower_bound(rows.begin(), rows.end(), from); it != rows.end() && *it < to; ++it) {
        if (m_table.volume(*it) == pass.excludedVolume)
            continue;
        const qsizetype equal = countEqual(name, m_table.squeezed(*it), compared, allowed);
        if (equal < 0)
            continue;
        if (longer && !m_threshold.reached(equal, m_table.lengthAfterPass(*it, length)))
            continue;
        pass.hits.push_back(*it);
    }
}

} // namespace twinsweep
