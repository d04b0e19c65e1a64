#include "CopyMoveFiles.h"

#include "FileOpSteps.h"
#include "catalogue/Catalogue.h"
#include "platform/FileLayer.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

WalkCounts copyFiles(FileOpsContext& ops, const std::vector<qsizetype>& tags, const QString& folder)
{
    StatusDisplay& status = ops.services.status;
    const auto refusal = [&folder](const FileRecord& record) -> QString {
        return "Can't copy the file   " + record.fullPath() + "   to   " + folder + record.value(Field::Filename) +
               "   Please check is device connected or cd is inserted.";
    };
    return walkMountedFiles(ops, tags, refusal, [&](qsizetype, const FileRecord& record) {
        const QString& filename = record.value(Field::Filename);
        status.setStatusText("Coping file " + filename);
        return ops.files.copyFile(record.fullPath(), folder + filename);
    });
}

WalkCounts moveFiles(FileOpsContext& ops, const std::vector<qsizetype>& tags, const QString& folder)
{
    StatusDisplay& status = ops.services.status;
    std::vector<FileRelocation> moved;
    const WalkCounts counts = walkMountedFiles(ops, tags, cantFindSource, [&](qsizetype tag, const FileRecord& record) {
        const QString& filename = record.value(Field::Filename);
        const QString source = record.fullPath();
        status.setStatusText("Moving file  " + filename + "  to  " + folder);
        ClearFileAttributes(ops.files, source);
        if (ops.files.moveFile(source, folder + filename)) {
            moved.push_back({tag, source, folder, filename});
            return true;
        }
        status.setStatusText("Can't move file  " + filename + "  to  " + folder);
        return false;
    });
    ops.catalogue.relocateFiles(moved);
    return counts;
}

} // namespace

void copyToFolder(FileOpsContext& ops, ActingList list, const std::vector<qsizetype>& selectedRows)
{
    Services& ui = ops.services;
    const QString folder = chooseTargetFolder(ui);
    if (folder.isEmpty())
        return;
    ui.status.setStatusText("Coping files...");
    BusyGuard busy(ui.busy);
    const WalkCounts counts = copyFiles(ops, tagsOfRows(actingRows(ops.catalogue, list), selectedRows), folder);
    const bool everyFileCopied = counts.succeeded == counts.chosen();
    ui.status.setStatusText(everyFileCopied ? QString("Coping files done.")
                                            : countText(counts, " file(s) copied successfully."));
}

void moveToFolder(FileOpsContext& ops, ActingList list, const std::vector<qsizetype>& selectedRows)
{
    Services& ui = ops.services;
    ui.status.setStatusText("WARNING If you'll move file to other drive in that it isn't now the volume couldn't be "
                            "updated and you'll can't access to file!");
    const QString folder = chooseTargetFolder(ui);
    if (folder.isEmpty())
        return;
    ReleasePlayerChannels(ops.channels);
    ui.status.setStatusText("Moving files...");
    WalkCounts counts;
    {
        BusyGuard busy(ui.busy);
        counts = moveFiles(ops, tagsOfRows(actingRows(ops.catalogue, list), selectedRows), folder);
        if (list == ActingList::Duplicates)
            ops.catalogue.RefreshVolumeFileList(ui);
    }
    ops.catalogue.MarkCollectionChanged();
    ui.status.setStatusText(countText(counts, " file(s) moved successfully."));
}

} // namespace twinsweep
