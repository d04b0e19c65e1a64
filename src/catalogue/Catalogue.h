#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "FileList.h"
#include "FileRecord.h"
#include "GroupColors.h"
#include "VolumeTree.h"

namespace twinsweep {

struct Services;
class Prompt;

/// The list shown in the lower pane of the main window; the other one is hidden.
enum class LowerList { Duplicates, Query };

/// The one owner of the collection: the volume tree, the master list `ListFiles`,
/// the visible lists that point into it, the unsaved-changes state and the current
/// collection path. Windows show it; commands change it only through its members.
class Catalogue : public QObject
{
    Q_OBJECT
public:
    Catalogue();

    VolumeTree TreeView1;
    /// The master list: one record per catalogued file; a row's 1-based position is its Tag.
    std::vector<FileRecord> ListFiles;
    /// Files of the selected volume.
    FileList ListFiles2;
    /// Search and duplicate results.
    FileList Duplicates;
    /// "1" while a volume is being scanned again; `ClickNOD` then always refills.
    QString UpdatevolumeTag;
    /// Colours of the duplicate groups written into `Duplicates`; lives as long as the program.
    GroupColors groupColors;

    /// Unsaved changes; shows or hides the main toolbar's Save buttons.
    bool CollectionChanged() const { return m_changed; }
    void setCollectionChanged(bool changed);
    void MarkCollectionChanged() { setCollectionChanged(true); }

    /// The current collection file; the volume tree's tag holds the same value.
    QString CurrentCollectionPath() const { return TreeView1.tag(); }
    void setCurrentCollectionPath(const QString& path) { TreeView1.setTag(path); }

    /// `NodeNR` of the first row of `ListFiles2`, 0 when it is empty.
    int shownVolume() const;
    /// Refills `ListFiles2` with the files of the selected volume, unless it already
    /// shows them and no update runs.
    void ClickNOD(Services& services);
    /// Refills `ListFiles2` with the files of the selected volume even when it shows
    /// them already; empties it when no volume is selected. After a refill of the shown
    /// volume its rows are selected and current as they were.
    void RefreshVolumeFileList(Services& services);
    /// Accepts or refuses `newName` for the volume at `index`; returns true when the
    /// edit is cancelled (the node keeps its old name).
    bool TreeView1_AfterLabelEdit(Prompt& prompt, int index, const QString& newName);

    /// Drops master rows (1-based Tags, any order) and keeps every list consistent:
    /// their rows leave `ListFiles2` and `Duplicates`, and every Tag above a dropped
    /// position is lowered, all in one pass.
    void DropCollectionRows(std::vector<qsizetype> tags);
    void DropCollectionRow(qsizetype tag) { DropCollectionRows({tag}); }

    /// Gives moved or renamed files their new Path and Filename in `ListFiles`. The
    /// visible lists read the master rows and show the change at once (a sorted
    /// `ListFiles2` moves a renamed file's row to its place); the lists that keep copies
    /// of paths hear of it through `filesRelocated`.
    void relocateFiles(const std::vector<FileRelocation>& moves);

    /// Empties the collection: nodes, rows and lists (the path and the changed state stay).
    void clearCollection();

    /// Which of `Duplicates` and `query` the lower pane shows (the View menu's "Window" checks).
    LowerList shownLowerList() const { return m_lowerList; }
    void showLowerList(LowerList list);

Q_SIGNALS:
    void collectionChangedChanged(bool changed);
    void lowerListChanged(LowerList list);
    void filesRelocated(const std::vector<FileRelocation>& moves);

private:
    void fillVolumeFileList(Services& services, int volume);

    bool m_changed = false;
    LowerList m_lowerList = LowerList::Duplicates;
};

} // namespace twinsweep
