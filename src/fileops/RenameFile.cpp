#include "RenameFile.h"

#include "FileOpSteps.h"
#include "catalogue/Catalogue.h"
#include "platform/FileLayer.h"
#include "platform/Services.h"

namespace twinsweep {

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains(QChar(0));
}

void FileRename::BeforeLabelEdit(const FileList& list, qsizetype row)
{
    if (row < 0 || row >= list.size())
        return;
    m_OldLabelPath = list.record(row).fullPath();
    m_tag = list.row(row).Tag;
}

bool FileRename::AfterLabelEdit(FileOpsContext& ops, ActingList list, const QString& NewString)
{
    ReleasePlayerChannels(ops.channels);
    if (!rename(ops, NewString)) {
        ops.services.status.setStatusText("Can't rename file");
        return true;
    }
    if (list == ActingList::Duplicates)
        ops.catalogue.RefreshVolumeFileList(ops.services);
    ops.services.status.setStatusText("File renamed");
    ops.catalogue.MarkCollectionChanged();
    return false;
}

bool FileRename::rename(FileOpsContext& ops, const QString& NewString)
{
    const std::vector<FileRecord>& master = ops.catalogue.ListFiles;
    const qsizetype row = rowFromTag(m_tag);
    // The record must still be the file the edit began on.
    if (!isPlainFileName(NewString) || row < 0 || row >= qsizetype(master.size()) ||
        master[size_t(row)].fullPath() != m_OldLabelPath)
        return false;
    const QString folder = master[size_t(row)].value(Field::Path);
    if (!ops.files.moveFile(m_OldLabelPath, folder + NewString))
        return false;
    ops.catalogue.relocateFiles({{m_tag, m_OldLabelPath, folder, NewString}});
    return true;
}

} // namespace twinsweep
