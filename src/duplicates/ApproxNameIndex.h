#pragma once

#include <QString>

#include <atomic>
#include <memory>
#include <vector>

namespace twinsweep {

class ApproxBlockIndex;

/// A row's name as the approximate search compares it: the row text less its last four
/// characters (the extension). A text of four characters or fewer has an empty name.
QString approxBaseName(const QString& filename);

/// The threshold test as a count: for every length n up to `longest`, the fewest equal
/// positions whose `similarityScore` reaches the threshold. It is taken from the
/// single-precision score itself, so "count >= minimum" answers exactly as the
/// floating-point comparison does.
class ScoreThreshold
{
public:
    ScoreThreshold(int threshold, qsizetype longest);
    int threshold() const { return m_threshold; }
    qsizetype minimumEqual(qsizetype length) const { return m_minimum[size_t(length)]; }
    bool reached(qsizetype equal, qsizetype length) const { return equal >= minimumEqual(length); }

private:
    int m_threshold;
    std::vector<qsizetype> m_minimum;
};

/// The compared rows of one search, prepared once and then only read (worker threads
/// share it). For each row it keeps the file name, the volume, and the "squeezed" name:
/// the upper-cased, trimmed name after the blank pass ran to its end, with the
/// positions at which that pass removed a blank. Rows are grouped by squeezed length,
/// each group keeping its rows' names and volumes side by side for fast scanning.
class ApproxNameTable
{
public:
    /// Rows of one squeezed length, ascending, with their names `length` characters
    /// apart (readable up to 7 characters beyond the last) and their volumes.
    struct Bucket
    {
        std::vector<qint32> rows;
        std::vector<qint32> volumes;
        std::vector<char16_t> names;
    };

    /// `filenames` and `volumes` (the `NodeNR` texts) of the compared rows, in order.
    ApproxNameTable(std::vector<QString> filenames, const std::vector<QString>& volumes);

    qint32 size() const { return qint32(m_rows.size()); }
    QString baseName(qint32 row) const { return approxBaseName(m_filenames[size_t(row)]); }
    /// Rows with equal `NodeNR` texts have equal volume numbers.
    qint32 volume(qint32 row) const { return m_rows[size_t(row)].volume; }
    qsizetype longestName() const { return m_longestName; }
    qsizetype longestSqueezed() const { return qsizetype(m_buckets.size()) - 1; }

    qsizetype squeezedLength(qint32 row) const { return m_rows[size_t(row)].squeezedLength; }
    /// Length of the row's name after a pass that stopped behind position `stop`.
    qsizetype lengthAfterPass(qint32 row, qsizetype stop) const;
    const Bucket& bucket(qsizetype squeezedLength) const { return m_buckets[size_t(squeezedLength)]; }

private:
    struct Row
    {
        qint32 squeezedLength = 0;
        qint32 nameLength = 0;
        qint32 removalOffset = 0;
        qint32 removalCount = 0;
        qint32 volume = 0;
    };
    void addRow(const QString& filename, qint32 volume);

    std::vector<QString> m_filenames;
    std::vector<Row> m_rows;
    std::vector<qint32> m_removals;
    std::vector<Bucket> m_buckets;
    qsizetype m_longestName = 0;
};

/// Finds the rows that pair with one source row, exactly as comparing the source name
/// with each compared row in turn would. While the source name holds a blank that a
/// comparison can reach, that comparison may rewrite it, so those comparisons are made
/// one by one with `CompareTXT`. Every other comparison leaves the source name as it is
/// and is decided from the squeezed names: a length test and a count of equal positions,
/// made only for the rows that a block index finds where it can find them all.
class ApproxMatcher
{
public:
    /// Once `abandoned` is set the preparation stops soon, leaving a matcher that must
    /// not be used.
    ApproxMatcher(const ApproxNameTable& table, int threshold, const std::atomic<bool>* abandoned = nullptr);
    ~ApproxMatcher();

    /// Rows from `first` to the end of the table whose score reaches the threshold, in
    /// ascending order; with `otherVolumesOnly` rows of the source's volume are left out
    /// (though still compared, since every comparison may rewrite the source name).
    std::vector<qint32> members(qint32 source, qint32 first, bool otherVolumesOnly) const;

private:
    struct Pass;
    qint32 firstReaching(qint32 from, qint32 to, qsizetype blank) const;
    void compareOne(Pass& pass, qint32 row) const;
    void decide(Pass& pass, qint32 from, qint32 to, qsizetype longestSqueezed) const;
    void decideLength(Pass& pass, qsizetype length, qint32 from, qint32 to) const;

    const ApproxNameTable& m_table;
    ScoreThreshold m_threshold;
    std::unique_ptr<const ApproxBlockIndex> m_blocks;
};

} // namespace twinsweep
