#pragma once

#include <QString>

#include <span>
#include <vector>

#include "catalogue/FileList.h"
#include "catalogue/FileRecord.h"

namespace twinsweep {

class TimedYield;
struct DuplicateCriteria;

/// A list a duplicate search walks, by 1-based row number: `ListFiles` itself, or a
/// visible list whose rows point into it.
class SearchedRows
{
public:
    explicit SearchedRows(const std::vector<FileRecord>& master) : m_master(master) {}
    SearchedRows(const std::vector<FileRecord>& master, const FileList& list) : m_master(master), m_list(&list) {}

    qsizetype count() const;
    /// The record behind a row; an empty record for a row that points nowhere.
    const FileRecord& record(qsizetype row) const;
    /// The row's `ListFiles` position.
    qsizetype tag(qsizetype row) const;

private:
    const std::vector<FileRecord>& m_master;
    const FileList* m_list = nullptr;
};

/// The rows of a list grouped by everything the pair test of the checked criteria
/// compares (upper-cased file name; Duration, Frequency and Bitrate texts; upper-cased
/// Title and Artist), so that a row passes every checked sub-test against another
/// exactly when both share a group. With Tag checked, a row with an empty Title or
/// Artist is in no group: it never heads or joins one.
class PairGroups
{
public:
    PairGroups(const SearchedRows& rows, const DuplicateCriteria& criteria, TimedYield& yield);

    /// The group of a row; -1 for a row that no other row equals.
    int groupOf(qsizetype row) const;
    /// The rows of a group in ascending order.
    std::span<const qsizetype> rows(int group) const;

private:
    /// Splits rows of one hash into groups of equal values; rows alone stay in no group.
    template <typename Equal> void addGroups(std::vector<qsizetype>& run, Equal equal);

    std::vector<int> m_rowGroup;      // by row number
    std::vector<qsizetype> m_offsets; // group g holds m_members[m_offsets[g] .. m_offsets[g + 1])
    std::vector<qsizetype> m_members;
};

} // namespace twinsweep
