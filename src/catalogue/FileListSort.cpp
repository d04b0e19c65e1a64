#include "FileList.h"
#include "FileNameOrder.h"

#include <algorithm>
#include <array>

namespace twinsweep {

namespace {

/// A ranking of the whole master list pays for itself when at least this many rows of a
/// list, and half of them, carry none: sorting by rank then costs one counting pass.
constexpr size_t RankingWorthRows = 1 << 14;

/// The master record behind a row; none for a Tag that names no master row.
const FileRecord* masterRecord(const ListRow& row, const std::vector<FileRecord>& master)
{
    const qsizetype masterRow = rowFromTag(row.Tag);
    return masterRow >= 0 && masterRow < qsizetype(master.size()) ? &master[size_t(masterRow)] : nullptr;
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
        const FileRecord* record = masterRecord(row, master);
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

    static const QString noName;
    const NameAt nameAt = [&](qsizetype position) {
        const FileRecord* record = masterRecord(rows[size_t(position)], master);
        return QStringView(record ? record->value(Field::Filename) : noName);
    };
    const auto keyed = [&](qsizetype position) {
        const FileRecord* record = masterRecord(rows[size_t(position)], master);
        return KeyedName{record ? record->nameKey() : FileNameKey(), position};
    };
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

} // namespace twinsweep
