#pragma once

#include <vector>

#include "catalogue/FileList.h"
#include "catalogue/FileRecord.h"

namespace twinsweep {

/// The files of a list in list order, as the reports (statistics, text export,
/// printing) read them: the master list `ListFiles` itself, or a visible list whose
/// rows point into it by Tag.
class ListSource
{
public:
    /// The whole collection.
    explicit ListSource(const std::vector<FileRecord>& master) : m_master(master) {}
    /// A visible list (`ListFiles2`, `Duplicates`) over `master`.
    ListSource(const FileList& list, const std::vector<FileRecord>& master) : m_master(master), m_list(&list) {}

    qsizetype size() const { return m_list ? m_list->size() : qsizetype(m_master.size()); }
    /// The 1-based master position of the file at `index`.
    qsizetype tag(qsizetype index) const { return m_list ? m_list->row(index).Tag : tagFromRow(index); }
    /// The file at `index`; an empty record when its Tag points nowhere.
    const FileRecord& record(qsizetype index) const
    {
        static const FileRecord none;
        const qsizetype row = rowFromTag(tag(index));
        return row >= 0 && row < qsizetype(m_master.size()) ? m_master[size_t(row)] : none;
    }

private:
    const std::vector<FileRecord>& m_master;
    const FileList* m_list = nullptr;
};

} // namespace twinsweep
