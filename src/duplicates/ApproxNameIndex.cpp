#include "ApproxNameIndex.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ApproxBlockIndex.h"
#include "CompareTXT.h"

namespace twinsweep {

namespace {

constexpr char16_t Blank = u' ';
// Characters that may be read beyond the end of a name by `countEqual`.
constexpr qsizetype Padding = 8;
constexpr qint32 NoVolume = -1;

constexpr auto BitCounts = [] {
    std::array<quint8, 256> counts{};
    for (unsigned value = 0; value < 256; ++value)
        counts[value] = quint8(std::popcount(value));
    return counts;
}();

/// Equal positions among the first `length` characters of `a` and `b`, or -1 as soon
/// as more than `allowed` differ. Both may be read up to 7 characters beyond `length`.
qsizetype countEqual(const char16_t* a, const char16_t* b, qsizetype length, qsizetype allowed)
{
    qsizetype equal = 0;
    for (qsizetype k = 0; k < length; k += 8) {
        const qsizetype count = std::min<qsizetype>(8, length - k);
#if defined(__SSE2__)
        // One bit per equal character; counted by table, as the baseline target has no
        // population-count instruction.
        const __m128i left = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + k));
        const __m128i right = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + k));
        const __m128i same = _mm_cmpeq_epi16(left, right);
        const unsigned mask = unsigned(_mm_movemask_epi8(_mm_packs_epi16(same, same))) & ((1u << count) - 1);
        equal += BitCounts[mask & 0xFF];
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
    : m_filenames(std::move(filenames)), m_buckets(1)
{
    QHash<QString, qint32> volumeNumbers;
    m_rows.reserve(m_filenames.size());
    for (size_t row = 0; row < m_filenames.size(); ++row) {
        const auto known = volumeNumbers.constFind(volumes[row]);
        const qint32 volume =
            known != volumeNumbers.cend() ? *known : volumeNumbers.insert(volumes[row], volumeNumbers.size()).value();
        addRow(m_filenames[row], volume);
    }
    for (Bucket& bucket : m_buckets)
        bucket.names.resize(bucket.names.size() + size_t(Padding), 0);
}

void ApproxNameTable::addRow(const QString& filename, qint32 volume)
{
    const QString name = upperTrimmed(approxBaseName(filename));
    Row row;
    row.nameLength = qint32(name.size());
    row.removalOffset = qint32(m_removals.size());
    row.volume = volume;
    // The blank pass run to the end: a blank is removed and the character that moves
    // into its place is kept without being examined.
    std::u16string squeezed;
    for (qsizetype k = 0; k < name.size(); ++k) {
        if (name[k] == Blank) {
            m_removals.push_back(qint32(squeezed.size()) + 1);
            if (++k == name.size())
                break;
        }
        squeezed.push_back(name[k].unicode());
    }
    row.squeezedLength = qint32(squeezed.size());
    row.removalCount = qint32(m_removals.size()) - row.removalOffset;
    m_longestName = std::max<qsizetype>(m_longestName, row.nameLength);
    if (squeezed.size() >= m_buckets.size())
        m_buckets.resize(squeezed.size() + 1);
    Bucket& bucket = m_buckets[squeezed.size()];
    bucket.rows.push_back(qint32(m_rows.size()));
    bucket.volumes.push_back(volume);
    bucket.names.insert(bucket.names.end(), squeezed.begin(), squeezed.end());
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
    std::vector<char16_t> padded; // `name`, readable beyond its end
    std::vector<qint32> candidates;
};

ApproxMatcher::ApproxMatcher(const ApproxNameTable& table, int threshold, const std::atomic<bool>* abandoned)
    : m_table(table),
      m_threshold(threshold, table.longestName()),
      m_blocks(std::make_unique<ApproxBlockIndex>(table, m_threshold, abandoned))
{}

ApproxMatcher::~ApproxMatcher() = default;

std::vector<qint32> ApproxMatcher::members(qint32 source, qint32 first, bool otherVolumesOnly) const
{
    // The first comparison upper-cases and trims the source name; upper-casing twice
    // changes nothing, so later comparisons only ever remove blanks from it.
    Pass pass{upperTrimmed(m_table.baseName(source)), otherVolumesOnly ? m_table.volume(source) : NoVolume, {}, {}, {}};
    const qint32 end = m_table.size();
    qint32 position = first;
    while (position < end) {
        const qsizetype blank = pass.name.indexOf(Blank);
        if (blank < 0) {
            decide(pass, position, end, std::numeric_limits<qsizetype>::max());
            break;
        }
        // A comparison reaches the blank, and removes it, only when the other name,
        // squeezed, is at least as long as the part of the source name before it;
        // shorter names leave the source name as it is.
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
    pass.padded.assign(size_t(length + Padding), 0);
    std::copy(pass.name.utf16(), pass.name.utf16() + length, pass.padded.begin());
    // A shorter row pairs only when enough of its positions can be equal; a longer one
    // only when the source's positions can be enough of its length.
    const qsizetype last = std::min(longestSqueezed, m_table.longestSqueezed());
    for (qsizetype other = m_threshold.minimumEqual(length); other <= last; ++other) {
        if (other > length && m_threshold.minimumEqual(other) > length)
            break;
        decideLength(pass, other, from, to);
    }
}

/// Decides the rows of one squeezed length against a source name that they leave as it
/// is. A row's own pass then runs as far as the source name reaches: a row no longer
/// than the source ends as its squeezed name and is measured against the source's
/// length; a longer one shows its squeezed prefix at the source's positions and is
/// measured against the length its pass left of it.
void ApproxMatcher::decideLength(Pass& pass, qsizetype otherLength, qint32 from, qint32 to) const
{
    const ApproxNameTable::Bucket& bucket = m_table.bucket(otherLength);
    const qsizetype length = pass.name.size();
    const bool longer = otherLength > length;
    const qsizetype compared = longer ? length : otherLength;
    const qsizetype allowed = compared - m_threshold.minimumEqual(longer ? otherLength : length);
    const auto decideRow = [&](qsizetype k) {
        if (bucket.volumes[size_t(k)] == pass.excludedVolume)
            return;
        const qsizetype equal =
            countEqual(pass.padded.data(), bucket.names.data() + k * otherLength, compared, allowed);
        if (equal < 0)
            return;
        const qint32 row = bucket.rows[size_t(k)];
        if (longer && !m_threshold.reached(equal, m_table.lengthAfterPass(row, length)))
            return;
        pass.hits.push_back(row);
    };
    const qint32 first = qint32(std::lower_bound(bucket.rows.begin(), bucket.rows.end(), from) - bucket.rows.begin());
    const qint32 end =
        qint32(std::lower_bound(bucket.rows.begin() + first, bucket.rows.end(), to) - bucket.rows.begin());
    const int width = m_blocks->widthFor(otherLength, compared, allowed);
    if (width > 0 &&
        m_blocks->candidates(pass.padded.data(), otherLength, width, compared, first, end, pass.candidates)) {
        for (qint32 k : pass.candidates)
            decideRow(k);
        return;
    }
    for (qint32 k = first; k < end; ++k)
        decideRow(k);
}

} // namespace twinsweep
