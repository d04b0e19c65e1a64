#pragma once

#include <vector>

#include "shell/ListSource.h"
#include "shell/PrintSurface.h"

namespace twinsweep {

class VolumeTree;

/// The Print window's list: one row per file with its name (and the small icon), its
/// folder, its duration as minutes and seconds and its volume's name. The rows keep
/// the files' Tags; their texts are read from the collection when shown or printed.
class PrintList : public PrintableList
{
public:
    PrintList(const std::vector<FileRecord>& master, const VolumeTree& volumes);

    /// Replaces the rows with the files of `source`, in its order.
    void fill(const ListSource& source);

    QList<PrintColumn> columns() const override;
    qsizetype rowCount() const override { return qsizetype(m_tags.size()); }
    QString text(qsizetype row, int column) const override;
    bool hasIcon(qsizetype) const override { return true; }

private:
    QString volumeName(int node) const;

    const std::vector<FileRecord>& m_master;
    const VolumeTree& m_volumes;
    std::vector<qsizetype> m_tags;
};

} // namespace twinsweep
