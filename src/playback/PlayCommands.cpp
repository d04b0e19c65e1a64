#include "PlayCommands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/VolumePresenceCheck.h"
#include "catalogue/cDirEx.h"
#include "platform/Services.h"
#include "queue/QueryCommands.h"

namespace twinsweep {

namespace {

const FileRecord* recordOf(const Catalogue& catalogue, const FileList& list, qsizetype row)
{
    if (row < 0 || row >= list.size())
        return nullptr;
    const qsizetype master = rowFromTag(list.row(row).Tag);
    if (master < 0 || master >= qsizetype(catalogue.ListFiles.size()))
        return nullptr;
    return &catalogue.ListFiles[size_t(master)];
}

} // namespace

void playSelectedFile(const Catalogue& catalogue, const FileList& list, VolumeOfRow volumeOf,
                      std::optional<qsizetype> selectedRow, const VolumeInfo& volumes, Prompt& prompt,
                      QueryPlayer& player)
{
    const FileRecord* record = selectedRow ? recordOf(catalogue, list, *selectedRow) : nullptr;
    const FileRecord* volumeRecord = volumeOf == VolumeOfRow::FirstRowsVolume ? recordOf(catalogue, list, 0) : record;
    if (!record || !volumeRecord)
        return;
    const QString fullPath = record->fullPath();
    if (!cDirEx::ExistFile(fullPath) ||
        !VolumePresenceCheck(catalogue.TreeView1, volumes, fullPath, volumeRecord->nodeNumber())) {
        prompt.tell("Can't find source! Please check is device connected or cd is inserted.", MessageIcon::Exclamation);
        return;
    }
    player.playmedia(fullPath);
}

} // namespace twinsweep
