#include "FileNameOrder.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdlib>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>

namespace twinsweep {

namespace {

constexpr int KeyBytes = FileNameKey::Words * 8;
/// Runs this short are sorted by comparison: counting bytes costs more than it sorts.
constexpr size_t ShortRun = 64;
/// Runs of equal keys this short are ordered by comparing their names in place.
constexpr size_t ShortTie = 8;

bool keyThenPosition(const KeyedName& a, const KeyedName& b)
{
    return a.key != b.key ? a.key < b.key : a.position < b.position;
}

int keyByte(const FileNameKey& key, int at)
{
    return int(key.words[size_t(at / 8)] >> (56 - 8 * (at % 8))) & 0xFF;
}

/// Compares names folded unit by unit, a shorter name going on in zero units.
int compareFolded(QStringView a, QStringView b)
{
    const qsizetype length = std::max(a.size(), b.size());
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unitOfA = i < a.size() ? foldedUnit(a[i].unicode()) : u'\0';
        const char16_t unitOfB = i < b.size() ? foldedUnit(b[i].unicode()) : u'\0';
        if (unitOfA != unitOfB)
            return unitOfA < unitOfB ? -1 : 1;
    }
    return 0;
}

/// Whether two names with keys `a` and `b` are equal.
bool sameName(const KeyedName& a, const KeyedName& b, const NameAt& nameAt)
{
    return a.key == b.key && (!a.key.goesOn() || compareFolded(nameAt(a.position), nameAt(b.position)) == 0);
}

/// How many keys of a run hold each value of byte `at`, and where from `at` on the keys
/// first differ: one read of the run that also finds a prefix all its names share.
struct ByteCount
{
    int firstDiffering = KeyBytes; // `KeyBytes` when all keys are equal from `at` on
    std::array<size_t, 256> namesWithByte{};
};

ByteCount countBytes(std::span<const KeyedName> names, int at)
{
    ByteCount count;
    std::array<quint64, FileNameKey::Words> differ{};
    const FileNameKey& first = names.front().key;
    for (const KeyedName& name : names) {
        ++count.namesWithByte[size_t(keyByte(name.key, at))];
        for (size_t word = 0; word < differ.size(); ++word)
            differ[word] |= name.key.words[word] ^ first.words[word];
    }
    for (int word = at / 8; word < FileNameKey::Words; ++word) {
        const int skipped = word == at / 8 ? at % 8 : 0;
        const quint64 bits = differ[size_t(word)] << (8 * skipped);
        if (bits != 0) {
            count.firstDiffering = word * 8 + skipped + std::countl_zero(bits) / 8;
            break;
        }
    }
    return count;
}

/// Orders `names` by key and then position, most significant byte first, leaving them in
/// `names` or, with `intoOther`, in `other` (as long; the room each pass moves them to).
/// Names arrive in the order of their positions and each pass keeps the order of names
/// with equal bytes, so equal keys stay in position order.
void sortByKey(std::span<KeyedName> names, std::span<KeyedName> other, bool intoOther, int from)
{
    // Names that reach the key's end agree on all of it: nothing is counted, and they stay
    // in position order.
    ByteCount count;
    if (names.size() <= ShortRun) {
        std::sort(names.begin(), names.end(), keyThenPosition);
    } else if (from < KeyBytes) {
        count = countBytes(names, from);
        if (count.firstDiffering != from && count.firstDiffering != KeyBytes)
            count = countBytes(names, count.firstDiffering);
    }
    if (names.size() <= ShortRun || count.firstDiffering == KeyBytes) {
        if (intoOther)
            std::copy(names.begin(), names.end(), other.begin());
        return;
    }
    const int at = count.firstDiffering;
    std::array<size_t, 257> bucketStart{};
    std::partial_sum(count.namesWithByte.begin(), count.namesWithByte.end(), bucketStart.begin() + 1);
    std::array<size_t, 257> next = bucketStart;
    for (const KeyedName& name : names)
        other[next[size_t(keyByte(name.key, at))]++] = name;
    // Each bucket now lies in `other` and sorts from there.
    for (size_t bucket = 0; bucket < 256; ++bucket) {
        const size_t begin = bucketStart[bucket], length = bucketStart[bucket + 1] - begin;
        if (length > 0)
            sortByKey(other.subspan(begin, length), names.subspan(begin, length), !intoOther, at + 1);
    }
}

/// A name where its key leaves the order open: `Width` folded units from an offset on,
/// packed four to a number (zeros past the end).
struct NameChunk
{
    static constexpr qsizetype Width = 16;
    quint64 chunk[Width / 4];
    QStringView name;
    qsizetype position;

    void load(qsizetype offset)
    {
        std::fill(std::begin(chunk), std::end(chunk), 0);
        const qsizetype end = qMin(name.size(), offset + Width);
        for (qsizetype i = offset; i < end; ++i)
            chunk[(i - offset) / 4] |= quint64(foldedUnit(name[i].unicode())) << (16 * (3 - (i - offset) % 4));
    }
    bool sameChunk(const NameChunk& other) const { return std::equal(std::begin(chunk), std::end(chunk), other.chunk); }
    bool operator<(const NameChunk& other) const
    {
        for (size_t i = 0; i < std::size(chunk); ++i) {
            if (chunk[i] != other.chunk[i])
                return chunk[i] < other.chunk[i];
        }
        return position < other.position;
    }
};

/// Sorts by `NameChunk::Width` units at a time: each run that agrees so far and goes on
/// is loaded with its next units and sorted again, so each name is read once per level.
void sortNameChunks(std::vector<NameChunk>& names)
{
    struct Run
    {
        size_t first, last;
        qsizetype offset;
    };
    std::vector<Run> pending{{0, names.size(), 0}};
    while (!pending.empty()) {
        const Run run = pending.back();
        pending.pop_back();
        for (size_t i = run.first; i < run.last; ++i)
            names[i].load(run.offset);
        std::sort(names.begin() + qsizetype(run.first), names.begin() + qsizetype(run.last));
        for (size_t begin = run.first; begin < run.last;) {
            size_t end = begin + 1;
            bool goesOn = names[begin].name.size() > run.offset + NameChunk::Width;
            for (; end < run.last && names[end].sameChunk(names[begin]); ++end)
                goesOn = goesOn || names[end].name.size() > run.offset + NameChunk::Width;
            if (end - begin > 1 && goesOn)
                pending.push_back({begin, end, run.offset + NameChunk::Width});
            begin = end;
        }
    }
}

/// Orders names whose keys are equal and go on past them by their texts. Most such runs
/// are a file and its copies: a few names, ordered in place.
void sortByText(std::span<KeyedName> tied, const NameAt& nameAt)
{
    if (tied.size() <= ShortTie) {
        for (size_t next = 1; next < tied.size(); ++next) {
            const KeyedName name = tied[next];
            size_t at = next;
            for (; at > 0 && compareFolded(nameAt(name.position), nameAt(tied[at - 1].position)) < 0; --at)
                tied[at] = tied[at - 1];
            tied[at] = name;
        }
        return;
    }
    std::vector<NameChunk> names;
    names.reserve(tied.size());
    for (const KeyedName& name : tied)
        names.push_back({{}, nameAt(name.position), name.position});
    sortNameChunks(names);
    for (size_t i = 0; i < tied.size(); ++i)
        tied[i].position = names[i].position;
}

/// Runs `work(part)` for each of `parts` parts, each on a thread of its own where the
/// system grants one; this thread does the parts no thread could be had for.
void inParallel(int parts, const std::function<void(int part)>& work)
{
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(std::max(parts, 1)));
    int part = 1;
    try {
        for (; part < parts; ++part)
            helpers.emplace_back(work, part);
    } catch (const std::system_error&) {
        for (; part < parts; ++part)
            work(part);
    }
    work(0);
    for (std::thread& helper : helpers)
        helper.join();
}

/// Merges sorted neighbouring stretches of `from` (bounded by `bounds`) two by two into
/// `to`, in parallel, until one stretch is left; returns the buffer that holds it.
std::span<KeyedName> mergeStretches(std::span<KeyedName> from, std::span<KeyedName> to, std::vector<size_t> bounds,
                                    const NameAt& nameAt)
{
    const auto before = [&nameAt](const KeyedName& a, const KeyedName& b) { return nameBefore(a, b, nameAt); };
    while (bounds.size() > 2) {
        const int pairs = int(bounds.size()) / 2;
        inParallel(pairs, [&](int pair) {
            const size_t first = bounds[size_t(2 * pair)], middle = bounds[size_t(2 * pair + 1)];
            const size_t last = size_t(2 * pair + 2) < bounds.size() ? bounds[size_t(2 * pair + 2)] : middle;
            std::merge(from.begin() + qsizetype(first), from.begin() + qsizetype(middle),
                       from.begin() + qsizetype(middle), from.begin() + qsizetype(last), to.begin() + qsizetype(first),
                       before);
        });
        std::vector<size_t> merged;
        for (size_t bound = 0; bound < bounds.size(); bound += 2)
            merged.push_back(bounds[bound]);
        if (merged.back() != bounds.back())
            merged.push_back(bounds.back());
        bounds = std::move(merged);
        std::swap(from, to);
    }
    return from;
}

/// Names in storage that nothing writes before its user does.
struct UnwrittenNames
{
    explicit UnwrittenNames(size_t count)
        : all(static_cast<KeyedName*>(std::malloc(std::max<size_t>(count, 1) * sizeof(KeyedName))), count)
    {
        if (all.data() == nullptr)
            throw std::bad_alloc();
    }
    ~UnwrittenNames() { std::free(all.data()); }
    UnwrittenNames(const UnwrittenNames&) = delete;
    UnwrittenNames& operator=(const UnwrittenNames&) = delete;

    const std::span<KeyedName> all;
};

} // namespace

bool nameBefore(const KeyedName& a, const KeyedName& b, const NameAt& nameAt)
{
    if (a.key != b.key)
        return a.key < b.key;
    const int order = a.key.goesOn() ? compareFolded(nameAt(a.position), nameAt(b.position)) : 0;
    return order != 0 ? order < 0 : a.position < b.position;
}

void sortByName(std::span<KeyedName> names, std::span<KeyedName> room, const NameAt& nameAt)
{
    sortByKey(names, room, false, 0);
    for (auto tie = names.begin(); tie != names.end();) {
        const auto end = std::find_if(tie, names.end(), [&tie](const KeyedName& name) { return name.key != tie->key; });
        if (end - tie > 1 && tie->key.goesOn())
            sortByText({tie, end}, nameAt);
        tie = end;
    }
}

void rankFileNames(const std::vector<FileRecord>& master)
{
    static std::atomic<quint32> lastRanking{0};
    quint32 ranking = ++lastRanking;
    while (ranking == 0)
        ranking = ++lastRanking;

    const size_t count = master.size();
    constexpr size_t LeastPart = 1 << 16;
    const int parts =
        int(std::clamp<size_t>(std::min<size_t>(std::thread::hardware_concurrency(), count / LeastPart), 1, 8));
    std::vector<size_t> bounds;
    for (int part = 0; part <= parts; ++part)
        bounds.push_back(count * size_t(part) / size_t(parts));
    const NameAt nameAt = [&master](qsizetype position) {
        return QStringView(master[size_t(position)].value(Field::Filename));
    };

    // Left unwritten until the parts fill them, so that each thread first touches the
    // pages it fills: zeroing them on one thread took three times the ranking itself.
    const UnwrittenNames names(count), room(count);
    inParallel(parts, [&](int part) {
        const size_t first = bounds[size_t(part)], last = bounds[size_t(part) + 1];
        for (size_t row = first; row < last; ++row)
            names.all[row] = {master[row].nameKey(), qsizetype(row)};
        sortByName(names.all.subspan(first, last - first), room.all.subspan(first, last - first), nameAt);
    });
    const std::span<KeyedName> sorted = mergeStretches(names.all, room.all, bounds, nameAt);

    // Equal names share a rank: a part marks where a new name starts, then counts them
    // from the number of names the parts before it started.
    std::vector<unsigned char> startsName(count);
    std::vector<quint32> namesStarted(size_t(parts) + 1);
    inParallel(parts, [&](int part) {
        for (size_t at = std::max<size_t>(bounds[size_t(part)], 1); at < bounds[size_t(part) + 1]; ++at) {
            startsName[at] = !sameName(sorted[at - 1], sorted[at], nameAt);
            namesStarted[size_t(part) + 1] += startsName[at];
        }
    });
    std::partial_sum(namesStarted.begin(), namesStarted.end(), namesStarted.begin());
    inParallel(parts, [&](int part) {
        quint32 rank = namesStarted[size_t(part)];
        for (size_t at = bounds[size_t(part)]; at < bounds[size_t(part) + 1]; ++at) {
            rank += startsName[at];
            master[size_t(sorted[at].position)].rememberNameRank({ranking, rank});
        }
    });
}

} // namespace twinsweep
