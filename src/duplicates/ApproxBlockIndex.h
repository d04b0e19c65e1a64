#pragma once

#include <QtGlobal>

#include <array>
#include <atomic>
#include <vector>

namespace twinsweep {

class ApproxNameTable;
class ScoreThreshold;

/// An exact candidate filter for the squeezed names of one search. A score that reaches
/// the threshold allows at most a known number of unequal positions among the compared
/// ones; cut those positions into more blocks of a fixed width than that number, and a
/// pairing row agrees with the source exactly on at least one whole block. The index
/// maps (block position, block text) to the rows of each squeezed length, so those rows
/// are all found by a few look-ups; the exact count of equal positions still decides.
/// Where no indexed width gives enough blocks (low thresholds, short names) the caller
/// scans the rows instead.
class ApproxBlockIndex
{
public:
    /// Builds the tables on every processor; once `abandoned` is set the build stops
    /// soon, leaving an index that must not be used.
    ApproxBlockIndex(const ApproxNameTable& table, const ScoreThreshold& threshold,
                     const std::atomic<bool>* abandoned = nullptr);

    /// The block width that finds every row of `otherLength` within `allowed` unequal
    /// positions of a source over the first `compared` positions, or 0 when none does.
    int widthFor(qsizetype otherLength, qsizetype compared, qsizetype allowed) const;

    /// The bucket positions from `first` to before `end` of rows of `otherLength` that
    /// agree with `name` on a whole block of `width` within the first `compared`
    /// characters, ascending and each once. False, with `out` unspecified, when they
    /// would be so many that scanning the stretch is cheaper.
    bool candidates(const char16_t* name, qsizetype otherLength, int width, qsizetype compared, qint32 first,
                    qint32 end, std::vector<qint32>& out) const;

private:
    static constexpr std::array<int, 5> Widths{2, 3, 4, 6, 8};

    /// The blocks of one width over the rows of one squeezed length: a key per block
    /// (a hash of its position and text; equal hashes of unequal blocks only add
    /// candidates) joined with the row's bucket position, sorted, with a directory on
    /// the key's top bits.
    struct BlockTable
    {
        int directoryBits = 0;
        std::vector<quint32> directory;
        std::vector<quint64> entries;
    };
    struct Job
    {
        qsizetype length;
        size_t widthSlot;
    };

    std::vector<Job> jobsFor(const ApproxNameTable& table, const ScoreThreshold& threshold);
    void build(const ApproxNameTable& table, const Job& job);
    const BlockTable* tableFor(qsizetype otherLength, size_t widthSlot) const;

    // Per squeezed length, one table per width; empty where no search length needs it.
    std::vector<std::array<BlockTable, Widths.size()>> m_tables;
};

} // namespace twinsweep
