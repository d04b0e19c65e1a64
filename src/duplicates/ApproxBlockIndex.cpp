#include "ApproxBlockIndex.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>

#include "ApproxNameIndex.h"

namespace twinsweep {

namespace {

// Below this many rows in a stretch, or this many per block looked up, scanning them
// all is cheaper than the look-ups.
constexpr qint32 ScanRowsPerBlock = 16;
// Candidates beyond this share of the stretch are left to the scan.
constexpr qsizetype CandidateShare = 4;

quint32 blockKey(qsizetype position, const char16_t* text, int width)
{
    quint32 hash = quint32(position) * 0x9E3779B1u + quint32(width);
    for (int k = 0; k < width; ++k)
        hash = (hash ^ text[k]) * 0x01000193u;
    // Spread the bits: the directory reads the top ones.
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    return hash ^ (hash >> 16);
}

qsizetype blockCount(qsizetype compared, int width)
{
    return compared / width;
}

} // namespace

ApproxBlockIndex::ApproxBlockIndex(const ApproxNameTable& table, const ScoreThreshold& threshold,
                                   const std::atomic<bool>* abandoned)
    : m_tables(size_t(table.longestSqueezed() + 1))
{
    const std::vector<Job> jobs = jobsFor(table, threshold);
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t job = next++; job < jobs.size() && !(abandoned && *abandoned); job = next++)
            build(table, jobs[job]);
    };
    const unsigned threads = std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, unsigned(jobs.size() + 1));
    std::vector<std::thread> helpers;
    for (unsigned thread = 1; thread < threads; ++thread)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
}

int ApproxBlockIndex::widthFor(qsizetype otherLength, qsizetype compared, qsizetype allowed) const
{
    if (allowed < 0 || otherLength >= qsizetype(m_tables.size()))
        return 0;
    for (size_t slot = Widths.size(); slot-- > 0;) {
        if (blockCount(compared, Widths[slot]) > allowed)
            return tableFor(otherLength, slot) ? Widths[slot] : 0;
    }
    return 0;
}

std::vector<ApproxBlockIndex::Job> ApproxBlockIndex::jobsFor(const ApproxNameTable& table,
                                                             const ScoreThreshold& threshold)
{
    // Every width some source length would ask of each squeezed length.
    std::vector<Job> jobs;
    for (qsizetype other = 1; other <= table.longestSqueezed(); ++other) {
        const qsizetype rows = qsizetype(table.bucket(other).rows.size());
        if (rows < ScanRowsPerBlock)
            continue;
        std::array<bool, Widths.size()> wanted{};
        for (qsizetype length = 1; length <= table.longestName(); ++length) {
            const qsizetype compared = std::min(length, other);
            const qsizetype allowed = compared - threshold.minimumEqual(std::max(length, other));
            for (size_t slot = Widths.size(); allowed >= 0 && slot-- > 0;) {
                if (blockCount(compared, Widths[slot]) > allowed) {
                    wanted[slot] = true;
                    break;
                }
            }
        }
        for (size_t slot = 0; slot < Widths.size(); ++slot) {
            if (wanted[slot])
                jobs.push_back({other, slot});
        }
    }
    // The largest first, so that no thread is left with a long one at the end.
    std::sort(jobs.begin(), jobs.end(), [&](const Job& a, const Job& b) {
        return table.bucket(a.length).rows.size() > table.bucket(b.length).rows.size();
    });
    return jobs;
}

void ApproxBlockIndex::build(const ApproxNameTable& table, const Job& job)
{
    const ApproxNameTable::Bucket& bucket = table.bucket(job.length);
    const int width = Widths[job.widthSlot];
    const qsizetype blocks = blockCount(job.length, width);
    const qsizetype rows = qsizetype(bucket.rows.size());
    BlockTable& blockTable = m_tables[size_t(job.length)][job.widthSlot];
    blockTable.entries.reserve(size_t(rows * blocks));
    for (qsizetype k = 0; k < rows; ++k) {
        const char16_t* name = bucket.names.data() + k * job.length;
        for (qsizetype block = 0; block < blocks; ++block)
            blockTable.entries.push_back(quint64(blockKey(block, name + block * width, width)) << 32 | quint64(k));
    }
    std::sort(blockTable.entries.begin(), blockTable.entries.end());
    // About four entries per directory slot.
    blockTable.directoryBits = std::min(24, int(std::bit_width(blockTable.entries.size() / 4)));
    const size_t slots = size_t(1) << blockTable.directoryBits;
    blockTable.directory.assign(slots + 1, quint32(blockTable.entries.size()));
    const int shift = 64 - blockTable.directoryBits;
    for (size_t entry = blockTable.entries.size(); entry-- > 0;) {
        const size_t slot = blockTable.directoryBits == 0 ? 0 : size_t(blockTable.entries[entry] >> shift);
        blockTable.directory[slot] = quint32(entry);
    }
    // Empty slots start where the next filled one does.
    for (size_t slot = slots; slot-- > 0;)
        blockTable.directory[slot] = std::min(blockTable.directory[slot], blockTable.directory[slot + 1]);
}

const ApproxBlockIndex::BlockTable* ApproxBlockIndex::tableFor(qsizetype otherLength, size_t widthSlot) const
{
    const BlockTable& blockTable = m_tables[size_t(otherLength)][widthSlot];
    return blockTable.directory.empty() ? nullptr : &blockTable;
}

bool ApproxBlockIndex::candidates(const char16_t* name, qsizetype otherLength, int width, qsizetype compared,
                                  qint32 first, qint32 end, std::vector<qint32>& out) const
{
    const size_t slot = size_t(std::find(Widths.begin(), Widths.end(), width) - Widths.begin());
    const BlockTable* blockTable = tableFor(otherLength, slot);
    const qsizetype blocks = blockCount(compared, width);
    if (!blockTable || end - first < ScanRowsPerBlock * blocks)
        return false;
    const qsizetype most = (end - first) / CandidateShare;
    const int shift = 64 - blockTable->directoryBits;
    out.clear();
    for (qsizetype block = 0; block < blocks; ++block) {
        const quint64 key = quint64(blockKey(block, name + block * width, width)) << 32;
        const size_t directorySlot = blockTable->directoryBits == 0 ? 0 : size_t(key >> shift);
        const auto slotBegin = blockTable->entries.begin() + blockTable->directory[directorySlot];
        const auto slotEnd = blockTable->entries.begin() + blockTable->directory[directorySlot + 1];
        const auto low = std::lower_bound(slotBegin, slotEnd, key | quint64(first));
        const auto high = std::lower_bound(low, slotEnd, key | quint64(end));
        if (qsizetype(out.size()) + (high - low) > most)
            return false;
        for (auto entry = low; entry != high; ++entry)
            out.push_back(qint32(*entry & 0xFFFFFFFFu));
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return true;
}

} // namespace twinsweep
