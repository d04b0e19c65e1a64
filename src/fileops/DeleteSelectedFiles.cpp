#include "DeleteSelectedFiles.h"

#include "FileOpSteps.h"
#include "catalogue/Catalogue.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

/// Deletes the files of `tags`; the deleted ones leave the collection together at the
/// end, so the Tags of every list are renumbered once.
WalkCounts deleteFiles(FileOpsContext& ops, const std::vector<qsizetype>& tags)
{
    StatusDisplay& status = ops.services.status;
    std::vector<qsizetype> deleted;
    const WalkCounts counts = walkMountedFiles(ops, tags, cantFindSource, [&](qsizetype tag, const FileRecord& record) {
        const QString fullPath = record.fullPath();
        status.setStatusText("Deleting file:   " + fullPath);
        if (DeleteCataloguedFile(ops.files, ops.services.settings, fullPath)) {
            deleted.push_back(tag);
            return true;
        }
        status.setStatusText("Can't delete file:   " + fullPath);
        return false;
    });
    ops.catalogue.DropCollectionRows(std::move(deleted));
    return counts;
}

} // namespace

void deleteSelectedFiles(FileOpsContext& ops, ActingList list, const std::vector<qsizetype>& selectedRows)
{
    Services& ui = ops.services;
    const MessageAnswer answer = ui.prompt.ask("Do you really want to delete selected file(s)?",
                                               MessageIcon::Exclamation, MessageButtons::YesNo, 2);
    if (answer != MessageAnswer::Yes) {
        ui.status.setStatusText("Calceled");
        return;
    }
    ui.status.setStatusText("Deleting file(s)...");
    ReleasePlayerChannels(ops.channels);
    {
        // The busy state keeps the lists and menus from changing the rows while the walk yields.
        BusyGuard busy(ui.busy);
        const WalkCounts counts = deleteFiles(ops, tagsOfRows(actingRows(ops.catalogue, list), selectedRows));
        if (list == ActingList::Duplicates)
            ops.catalogue.RefreshVolumeFileList(ui);
        ui.status.setStatusText(countText(counts, " file(s) deleted successfully."));
    }
    ops.catalogue.MarkCollectionChanged();
}

} // namespace twinsweep
