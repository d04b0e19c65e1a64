#include "FileList.h"
#include "FileNameOrder.h"

#include <algorithm>
#include <array>

namespace twinsweep {

namespace {

/// A ranking of the whole master list pays for itself when at least this many rows of a
/// list, and half of them, carry none: sorting by rank then costs one counting pass.
constexpr size_t RankingWorthRows = 1 << 14;

/// The master record a Tag names; none for a Tag that names no master row.
const FileRecord* masterRecord(qsizetype tag, const std::vector<FileRecord>& master)
{
    const qsizetype masterRow = rowFromTag(tag);
    return masterRow >= 0 && masterRow < qsizetype(master.size()) ? &master[size_t(masterRow)] : nullptr;
}

/// The file name of a Tag's record; "" for a Tag that names no master row.
QStringView fileNameOf(qsizetype tag, const std::vector<FileRecord>& master)
{
    const FileRecord* record = masterRecord(tag, master);
    return record ? QStringView(record->value(Field::Filename)) : QStringView();
}

/// The key of the file name of a Tag's record, standing for `position`.
KeyedName keyedName(qsizetype tag, qsizetype position, const std::vector<FileRecord>& master)
{
    const FileRecord* record = masterRecord(tag, master);
    return {record ? record->nameKey() : FileNameKey(), position};
}

/// A row whose record carries the ranking most rows carry: its rank, its place in the list.
struct RankedRow
{
    quint32 rank;
    quint32 position;
};

/// The rows split by whether their records carry the ranking most of them carry.
struct RankedSplit
{
    std::vector<RankedRow> ranked;
    std::vector<qsizetype> unranked;
};

/// The ranking more than half of `ranks` carry where one does (votes counted in one pass).
quint32 rankingOfMost(const std::vector<NameRank>& ranks)
{
    quint32 candidate = 0;
    size_t votes = 0;
    for (const NameRank& rank : ranks) {
        if (votes == 0)
            candidate = rank.ranking;
        if (rank.ranking == candidate)
            ++votes;
        else
            --votes;
    }
    return candidate;
}

RankedSplit splitByRanking(const std::vector<ListRow>& rows, const std::vector<FileRecord>& master)
{
    // The records are read once, in list order.
    std::vector<NameRank> ranks;
    ranks.reserve(rows.size());
    for (const ListRow& row : rows) {
        const FileRecord* record = masterRecord(row.Tag, master);
        ranks.push_back(record ? record->nameRank() : NameRank());
    }
    const quint32 ranking = rankingOfMost(ranks);
    RankedSplit split;
    split.ranked.reserve(ranking != 0 ? rows.size() : 0);
    for (size_t at = 0; at < ranks.size(); ++at) {
        if (ranks[at].ranking != 0 && ranks[at].ranking == ranking)
            split.ranked.push_back({ranks[at].rank, quint32(at)});
        else
            split.unranked.push_back(qsizetype(at));
    }
    return split;
}

/// Orders ranked rows by rank, eleven bits a pass, lowest first; each pass keeps the order
/// of equal digits, so rows of equal names stay in list order.
void sortByRank(std::vector<RankedRow>& rows)
{
    constexpr int DigitBits = 11;
    constexpr quint32 DigitMask = (1u << DigitBits) - 1;
    quint32 highest = 0;
    for (const RankedRow& row : rows)
        highest = std::max(highest, row.rank);
    std::vector<RankedRow> room(rows.size());
    for (int shift = 0; shift < 32 && (highest >> shift) != 0; shift += DigitBits) {
        std::array<size_t, DigitMask + 2> start{};
        for (const RankedRow& row : rows)
            ++start[((row.rank >> shift) & DigitMask) + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        for (const RankedRow& row : rows)
            room[start[(row.rank >> shift) & DigitMask]++] = row;
        rows.swap(room);
    }
}

/// The positions of the rows in the order of their names: the ranked rows by rank, the
/// others (new, renamed, or ranked with another list) sorted by name and merged in.
std::vector<qsizetype> orderOfNames(const std::vector<ListRow>& rows, const std::vector<FileRecord>& master)
{
    RankedSplit split = splitByRanking(rows, master);
    if (split.unranked.size() >= RankingWorthRows && split.unranked.size() * 2 >= rows.size()) {
        rankFileNames(master);
        split = splitByRanking(rows, master);
    }
    sortByRank(split.ranked);
    std::vector<qsizetype> order;
    order.reserve(rows.size());
    if (split.unranked.empty()) {
        for (const RankedRow& row : split.ranked)
            order.push_back(row.position);
        return order;
    }

    const NameAt nameAt = [&](qsizetype position) { return fileNameOf(rows[size_t(position)].Tag, master); };
    const auto keyed = [&](qsizetype position) { return keyedName(rows[size_t(position)].Tag, position, master); };
    std::vector<KeyedName> ranked, unranked, room(split.unranked.size());
    ranked.reserve(split.ranked.size());
    unranked.reserve(split.unranked.size());
    for (const RankedRow& row : split.ranked)
        ranked.push_back(keyed(row.position));
    for (const qsizetype position : split.unranked)
        unranked.push_back(keyed(position));
    sortByName(unranked, room, nameAt);
    std::vector<KeyedName> merged(rows.size());
    std::merge(ranked.begin(), ranked.end(), unranked.begin(), unranked.end(), merged.begin(),
               [&nameAt](const KeyedName& a, const KeyedName& b) { return nameBefore(a, b, nameAt); });
    for (const KeyedName& name : merged)
        order.push_back(name.position);
    return order;
}

} // namespace

void sortByFileName(std::vector<ListRow>& rows, const std::vector<FileRecord>& master)
{
    // Gathered into a new list: moving the rows in place along the cycles of the order
    // waits for one memory read after another.
    std::vector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (const qsizetype position : orderOfNames(rows, master))
        sorted.push_back(std::move(rows[size_t(position)]));
    rows = std::move(sorted);
}

qsizetype sortedPlace(const std::vector<ListRow>& rows, qsizetype index, const std::vector<FileRecord>& master)
{
    // Names compare standing for their Tags, so that equal names keep master order.
    const NameAt nameOfTag = [&master](qsizetype tag) { return fileNameOf(tag, master); };
    const ListRow& placed = rows[size_t(index)];
    const KeyedName placedName = keyedName(placed.Tag, placed.Tag, master);
    const auto comesBefore = [&](const ListRow& row) {
        return nameBefore(keyedName(row.Tag, row.Tag, master), placedName, nameOfTag);
    };
    const auto first = rows.begin(), at = first + index;
    if (index > 0 && !comesBefore(*(at - 1)))
        return std::partition_point(first, at, comesBefore) - first;
    // Among the rows after it; without the row itself, each of them stands one place higher.
    return std::partition_point(at + 1, rows.end(), comesBefore) - first - 1;
}

} // namespace twinsweep
