#include "PrintList.h"

#include "catalogue/VolumeTree.h"
#include "shell/CellNumber.h"

namespace twinsweep {

PrintList::PrintList(const std::vector<FileRecord>& master, const VolumeTree& volumes)
    : m_master(master), m_volumes(volumes)
{}

void PrintList::fill(const ListSource& source)
{
    m_tags.resize(size_t(source.size()));
    for (qsizetype index = 0; index < source.size(); ++index)
        m_tags[size_t(index)] = source.tag(index);
}

QList<PrintColumn> PrintList::columns() const
{
    return {{"Filename", 6000}, {"Path", 3000}, {"Duration", 1200}, {"Volume", 1500}};
}

QString PrintList::text(qsizetype row, int column) const
{
    const qsizetype masterRow = rowFromTag(m_tags[size_t(row)]);
    if (masterRow < 0 || masterRow >= qsizetype(m_master.size()))
        return {};
    const FileRecord& file = m_master[size_t(masterRow)];
    switch (column) {
    case 0: return file.value(Field::Filename);
    case 1: return file.value(Field::Path);
    case 2: return durationCellText(file.value(Field::Duration), Rounding::Down);
    case 3: return volumeName(file.nodeNumber());
    default: return {};
    }
}

QString PrintList::volumeName(int node) const
{
    return node >= 1 && node <= m_volumes.count() ? m_volumes.node(node).Text : QString();
}

} // namespace twinsweep
