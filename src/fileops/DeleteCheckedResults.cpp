#include "DeleteCheckedResults.h"

#include <vector>

#include "FileOpSteps.h"
#include "SelectedFiles.h"
#include "catalogue/Catalogue.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

/// Walks the files of the checked result rows. The deleted files leave the collection
/// together at the end, so the Tags of the rows are renumbered once, not once per
/// file; until then every Tag still names its file. The busy state keeps the main
/// window disabled while the walk yields, so the rows cannot change under it.
WalkCounts deleteCheckedFiles(FileOpsContext& ops)
{
    std::vector<qsizetype> deletedTags;
    const WalkCounts counts = walkMountedFiles(
        ops, checkedTags(ops.catalogue.Duplicates), cantFindSource, [&](qsizetype tag, const FileRecord& record) {
            if (!DeleteCataloguedFile(ops.files, ops.services.settings, record.fullPath()))
                return false;
            deletedTags.push_back(tag);
            return true;
        });
    ops.catalogue.DropCollectionRows(std::move(deletedTags));
    return counts;
}

} // namespace

void Delete_Click(FileOpsContext& ops)
{
    // The checked rows must be in front of the user: with the query list in the lower
    // pane they are hidden, and nothing may be deleted that the user cannot see.
    if (ops.catalogue.shownLowerList() != LowerList::Duplicates)
        return;
    Services& ui = ops.services;
    const MessageAnswer answer = ui.prompt.ask("Do you really want to delete checked files?", MessageIcon::Exclamation,
                                               MessageButtons::YesNo, 2);
    if (answer != MessageAnswer::Yes) {
        ui.status.setStatusText("Calceled");
        return;
    }
    ReleasePlayerChannels(ops.channels);
    BusyGuard busy(ui.busy);
    ops.catalogue.MarkCollectionChanged();
    const WalkCounts counts = deleteCheckedFiles(ops);
    ops.catalogue.RefreshVolumeFileList(ui);
    ui.status.setStatusText(countText(counts, " files deleted successfully."));
}

} // namespace twinsweep
