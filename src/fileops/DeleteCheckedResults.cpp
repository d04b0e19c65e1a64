#include "DeleteCheckedResults.h"

#include <QSet>

#include <vector>

#include "FileOpSteps.h"
#include "SelectedFiles.h"
#include "catalogue/Catalogue.h"
#include "catalogue/VolumePresenceCheck.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

struct DeleteCounts
{
    qsizetype attempted = 0;
    qsizetype deleted = 0;
};

/// Deletes the file of master row `tag`; true when it is gone.
bool deleteFileOf(FileOpsContext& ops, qsizetype tag)
{
    const std::vector<FileRecord>& master = ops.catalogue.ListFiles;
    const qsizetype row = rowFromTag(tag);
    if (row < 0 || row >= qsizetype(master.size()))
        return false;
    const FileRecord& record = master[size_t(row)];
    const QString fullPath = record.fullPath();
    if (!VolumePresenceCheck(ops.catalogue.TreeView1, ops.volumes, fullPath, record.nodeNumber())) {
        ops.services.status.setStatusText(cantFindSource());
        return false;
    }
    return DeleteCataloguedFile(ops.files, ops.services.settings, fullPath);
}

/// Walks the checked result rows. The deleted files leave the collection together at
/// the end, so the Tags of the rows are renumbered once, not once per file; until then
/// every Tag still names its file. The busy state keeps the main window disabled while
/// the walk yields, so the rows cannot change under it.
DeleteCounts deleteCheckedFiles(FileOpsContext& ops)
{
    const FileList& results = ops.catalogue.Duplicates;
    TimedYield yield(ops.services.pump);
    QSet<qsizetype> tried;
    std::vector<qsizetype> deletedTags;
    DeleteCounts counts;
    for (qsizetype position = 0; position < results.size(); ++position) {
        const ListRow& row = results.row(position);
        if (!row.Checked || tried.contains(row.Tag))
            continue;
        const qsizetype tag = row.Tag;
        tried.insert(tag);
        ++counts.attempted;
        if (deleteFileOf(ops, tag)) {
            ++counts.deleted;
            deletedTags.push_back(tag);
        }
        yield.maybeYield();
    }
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
    const DeleteCounts counts = deleteCheckedFiles(ops);
    RefreshVolumeFileList(ops.catalogue, ui);
    ui.status.setStatusText(QString::number(counts.deleted) + " of " + QString::number(counts.attempted) +
                            " files deleted successfully.");
}

} // namespace twinsweep
