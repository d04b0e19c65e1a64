#include "CollectionRemoval.h"

#include "Catalogue.h"
#include "platform/Services.h"

namespace twinsweep {

namespace {

bool confirmed(Prompt& prompt, const QString& question)
{
    return prompt.ask(question, MessageIcon::Question, MessageButtons::YesNo, 2) == MessageAnswer::Yes;
}

std::vector<qsizetype> tagsOfVolume(const std::vector<FileRecord>& records, int volume)
{
    std::vector<qsizetype> tags;
    for (size_t row = 0; row < records.size(); ++row) {
        if (records[row].nodeNumber() == volume)
            tags.push_back(tagFromRow(qsizetype(row)));
    }
    return tags;
}

void lowerLaterVolumeNumbers(std::vector<FileRecord>& records, int removedVolume)
{
    // A NodeNR that is not a whole number names no volume and is left as it is.
    for (FileRecord& record : records) {
        if (record.nodeNumber() > removedVolume)
            record.setNodeNumber(record.nodeNumber() - 1);
    }
}

/// A Key ends with the Index its node had when it was made, and a new volume's Key ends
/// with the node count plus one; so the nodes that moved up take their new Index there,
/// or a volume added later could get the Key of an existing one. A Key that would then
/// equal another node's keeps its old text, which is unique.
void renumberKeys(VolumeTree& tree, int firstMoved)
{
    for (int index = firstMoved; index <= tree.count(); ++index) {
        const QString key = tree.node(index).Key;
        const QString oldNumber = QString::number(index + 1);
        if (!key.endsWith(oldNumber))
            continue;
        const QString renumbered = key.chopped(oldNumber.size()) + QString::number(index);
        if (tree.indexOfKey(renumbered) == 0)
            tree.setKey(index, renumbered);
    }
}

/// Asks, then drops the master rows of the given rows of `list`; the one collection-level
/// drop lowers the Tags in every list, so no list is left pointing at another file.
void removeFilesOfRows(Catalogue& catalogue, Services& services, const FileList& list,
                       const std::vector<qsizetype>& selectedRows)
{
    if (!confirmed(services.prompt, "Do you want to remove selected file(s) from collection?"))
        return;
    BusyGuard busy(services.busy);
    TimedYield yield(services.pump);
    std::vector<qsizetype> tags;
    tags.reserve(selectedRows.size());
    for (const qsizetype row : selectedRows) {
        if (row < 0 || row >= list.size())
            continue;
        // The name of the file being taken out shows at the start and whenever the
        // loop yields; the busy window keeps the rows as they are meanwhile.
        if (tags.empty() || yield.due()) {
            services.status.setStatusText("Removing file: " + list.text(row, 0));
            yield.yieldNow();
        }
        tags.push_back(list.row(row).Tag);
    }
    catalogue.DropCollectionRows(std::move(tags));
}

} // namespace

void delnode_Click(Catalogue& catalogue, Services& services)
{
    if (!confirmed(services.prompt, "Do you want to remove selected volume?"))
        return;
    VolumeTree& tree = catalogue.TreeView1;
    const int volume = tree.selectedIndex();
    if (volume == 0) {
        services.status.setStatusText("Error...");
        return;
    }
    BusyGuard busy(services.busy);
    catalogue.MarkCollectionChanged();
    catalogue.ListFiles2.clear();
    catalogue.DropCollectionRows(tagsOfVolume(catalogue.ListFiles, volume));
    lowerLaterVolumeNumbers(catalogue.ListFiles, volume);
    tree.remove(volume);
    renumberKeys(tree, volume);
    tree.select(tree.count());
    catalogue.ClickNOD(services);
    services.status.setStatusText("Collection removed");
}

void removefl1_Click(Catalogue& catalogue, Services& services, const std::vector<qsizetype>& selectedRows)
{
    removeFilesOfRows(catalogue, services, catalogue.ListFiles2, selectedRows);
    // Also after No, as the command always did.
    catalogue.MarkCollectionChanged();
    services.status.setStatusText("Done");
}

void removefrmc_Click(Catalogue& catalogue, Services& services, const std::vector<qsizetype>& selectedRows)
{
    removeFilesOfRows(catalogue, services, catalogue.Duplicates, selectedRows);
    catalogue.RefreshVolumeFileList(services);
    catalogue.MarkCollectionChanged();
    services.status.setStatusText("Done");
}

} // namespace twinsweep
