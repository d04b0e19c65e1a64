#include "Catalogue.h"

#include <algorithm>

#include "platform/Services.h"

namespace twinsweep {

namespace {
constexpr qsizetype ClockBlockRows = 4096;

/// The Tags of the rows a view shows selected and current.
struct MarkedTags
{
    QSet<qsizetype> selected;
    qsizetype current = 0;
};

MarkedTags markedTagsOf(const FileList& list)
{
    MarkedTags tags;
    for (const ListRow& row : list.rows()) {
        if (row.Selected)
            tags.selected.insert(row.Tag);
        if (row.Current)
            tags.current = row.Tag;
    }
    return tags;
}
} // namespace

Catalogue::Catalogue() : ListFiles2(ListFiles, false), Duplicates(ListFiles, true) {}

void Catalogue::setCollectionChanged(bool changed)
{
    if (changed == m_changed)
        return;
    m_changed = changed;
    Q_EMIT collectionChangedChanged(changed);
}

void Catalogue::showLowerList(LowerList list)
{
    if (list == m_lowerList)
        return;
    m_lowerList = list;
    Q_EMIT lowerListChanged(list);
}

int Catalogue::shownVolume() const
{
    return ListFiles2.isEmpty() ? 0 : ListFiles2.record(0).nodeNumber();
}

void Catalogue::ClickNOD(Services& services)
{
    const int selected = TreeView1.selectedIndex();
    if (selected == 0)
        return;
    if (selected == shownVolume() && UpdatevolumeTag.isEmpty())
        return;
    fillVolumeFileList(services, selected);
}

void Catalogue::RefreshVolumeFileList(Services& services)
{
    const int selected = TreeView1.selectedIndex();
    if (selected == 0)
        ListFiles2.clear();
    else
        fillVolumeFileList(services, selected);
}

void Catalogue::fillVolumeFileList(Services& services, int volume)
{
    // Busy before the list empties, so the list's current row is noted while it has one.
    BusyGuard busy(services.busy);
    // The rows of the volume shown come back for the same files, under the same Tags.
    const MarkedTags marked = volume == shownVolume() ? markedTagsOf(ListFiles2) : MarkedTags();
    ListFiles2.clear();
    services.status.setStatusText("Reading collection's data... Please wait...");

    TimedYield yield(services.pump);
    const qsizetype total = qsizetype(ListFiles.size());
    std::vector<ListRow> rows;
    // The window is disabled while this yields; the size test still guards each row.
    for (qsizetype row = 0; row < total && row < qsizetype(ListFiles.size()); ++row) {
        // Reading the clock costs about ten times as much as testing a row: read it once per
        // block of rows, so that a held arrow key in the tree can refill the list at each step.
        if (row % ClockBlockRows == 0 && yield.due()) {
            const int percent = int(double(tagFromRow(row)) / double(total) * 100.0);
            services.status.setStatusText("Reading collection's data... " + QString::number(percent) + "% done.");
            yield.yieldNow();
        }
        if (ListFiles[size_t(row)].nodeNumber() == volume) {
            const qsizetype tag = tagFromRow(row);
            rows.push_back(
                ListRow{tag, {}, SystemWindowText, false, marked.selected.contains(tag), tag == marked.current});
        }
    }
    ListFiles2.assign(std::move(rows));
    services.status.setStatusText("Done");
}

bool Catalogue::TreeView1_AfterLabelEdit(Prompt& prompt, int index, const QString& newName)
{
    Q_UNUSED(index);
    for (const VolumeNode& node : TreeView1.nodes()) {
        if (node.Text == newName) {
            prompt.tell("Collection with this name already exists.", MessageIcon::Exclamation);
            return true;
        }
    }
    if (newName.isEmpty()) {
        prompt.tell("Please enter collection name.", MessageIcon::Exclamation);
        return true;
    }
    MarkCollectionChanged();
    TreeView1.setText(index, newName);
    return false;
}

void Catalogue::DropCollectionRows(std::vector<qsizetype> tags)
{
    std::sort(tags.begin(), tags.end());
    tags.erase(std::unique(tags.begin(), tags.end()), tags.end());
    std::erase_if(tags, [&](qsizetype tag) { return tag < 1 || tag > qsizetype(ListFiles.size()); });
    if (tags.empty())
        return;

    // Compact the master list in one pass.
    auto next = tags.begin();
    size_t write = 0;
    for (size_t read = 0; read < ListFiles.size(); ++read) {
        if (next != tags.end() && *next == tagFromRow(qsizetype(read))) {
            ++next;
            continue;
        }
        if (write != read)
            ListFiles[write] = std::move(ListFiles[read]);
        ++write;
    }
    ListFiles.resize(write);

    // A surviving Tag drops by the number of dropped Tags below it.
    const auto newTag = [&tags](qsizetype tag) -> qsizetype {
        const auto lower = std::lower_bound(tags.begin(), tags.end(), tag);
        if (lower != tags.end() && *lower == tag)
            return 0;
        return tag - qsizetype(lower - tags.begin());
    };
    ListFiles2.remapTags(newTag);
    Duplicates.remapTags(newTag);
}

void Catalogue::relocateFiles(const std::vector<FileRelocation>& moves)
{
    if (moves.empty())
        return;
    for (const FileRelocation& move : moves) {
        const qsizetype row = rowFromTag(move.Tag);
        if (row < 0 || row >= qsizetype(ListFiles.size()))
            continue;
        FileRecord& record = ListFiles[size_t(row)];
        const bool renamed = record.value(Field::Filename) != move.Filename;
        record.setValue(Field::Path, move.Path);
        record.setValue(Field::Filename, move.Filename);
        if (renamed)
            ListFiles2.placeRenamedRow(move.Tag);
    }
    ListFiles2.announceTextChanges();
    Duplicates.announceTextChanges();
    Q_EMIT filesRelocated(moves);
}

void Catalogue::clearCollection()
{
    ListFiles2.clear();
    Duplicates.clear();
    ListFiles.clear();
    TreeView1.clear();
}

} // namespace twinsweep
