#pragma once

#include <QObject>
#include <QSet>
#include <QString>

#include <vector>

#include "FileRecord.h"
#include "platform/ColorValue.h"

namespace twinsweep {

/// One row of a visible file list. Its texts are those of the master row named by
/// `Tag`; only the result list keeps a text of its own, the volume name ("Collection")
/// written when the row was made.
struct ListRow
{
    qsizetype Tag = 0; // 1-based position of the file's row in ListFiles
    QString Collection;
    ColorValue ForeColor = SystemWindowText;
    bool Checked = false;
    /// Selected in the view, and the view's current row. The marks move with the row
    /// when rows are removed or sorted, so a row that stays keeps them.
    bool Selected = false;
    bool Current = false;
};

/// The files of the rows a view shows selected and current, by full path, so that rows
/// made anew for the same files can be marked again.
struct MarkedFiles
{
    QSet<QString> selected;
    QString current;
};

/// Orders `rows` by the file names of their master records, case ignored; rows with
/// equal names keep their order. A row whose Tag names no master row sorts as "".
void sortByFileName(std::vector<ListRow>& rows, const std::vector<FileRecord>& master);
/// Where the row at `index` belongs among the other `rows`, which are sorted by file
/// name with equal names in master order: its position once moved there.
qsizetype sortedPlace(const std::vector<ListRow>& rows, qsizetype index, const std::vector<FileRecord>& master);

/// A visible list of files (`ListFiles2`, `Duplicates`): plain rows that item models
/// present. Every change is announced, so views follow a million rows without copies.
class FileList : public QObject
{
    Q_OBJECT
public:
    /// `master` is `ListFiles`. `withCollectionColumn` makes the last column the row's
    /// own "Collection" text instead of the master's `NodeNR`.
    FileList(const std::vector<FileRecord>& master, bool withCollectionColumn);

    qsizetype size() const { return qsizetype(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const ListRow& row(qsizetype index) const { return m_rows[size_t(index)]; }
    const std::vector<ListRow>& rows() const { return m_rows; }
    bool hasCollectionColumn() const { return m_withCollection; }
    QStringList columns() const;

    /// Text of a cell; column 0 is the file name.
    QString text(qsizetype index, int column) const;
    /// The master record behind a row.
    const FileRecord& record(qsizetype index) const;

    void clear();
    void assign(std::vector<ListRow> rows);
    void append(const ListRow& row);
    void append(std::vector<ListRow> rows);
    /// Removes the rows at the given positions (any order, duplicates allowed).
    void removeRows(std::vector<qsizetype> indexes);
    void setChecked(qsizetype index, bool checked);
    /// Flips the check mark of the rows at the given positions (positions outside the
    /// list are passed over) and announces them as one change.
    void toggleChecked(const std::vector<qsizetype>& indexes);
    void setForeColor(qsizetype index, ColorValue color);
    /// Records the selection a view shows for the rows `first` to `last`; announces nothing.
    void setSelected(qsizetype first, qsizetype last, bool selected);
    /// Records whether the row is the view's current one; announces nothing.
    void setCurrent(qsizetype index, bool current);
    /// The files of the rows marked selected and current.
    MarkedFiles markedFiles() const;
    /// Selects the rows of the files `files` names (the other rows keep their selection)
    /// and makes the row of its current file, if it names one, the only current row;
    /// announces the change.
    void markFiles(const MarkedFiles& files);
    /// Tells the views that texts of the master rows changed (a file moved or renamed).
    void announceTextChanges();

    /// A sorted list keeps its rows in the order of their file names (case ignored;
    /// equal names in master order), through every fill and rename; switching sorting
    /// off leaves the rows where they are.
    bool isSorted() const { return m_sorted; }
    void setSorted(bool sorted);
    /// In a sorted list, moves the row of the record `tag`, whose file name changed, to
    /// its place by name, with its marks; announces the move and the moved marks.
    void placeRenamedRow(qsizetype tag);
    /// Rewrites every Tag through `map` (old Tag -> new Tag) in one pass; rows whose
    /// map result is 0 are removed. Used when master rows are dropped.
    template <typename Map> void remapTags(Map map);

Q_SIGNALS:
    void aboutToReset();
    void wasReset();
    void aboutToAppend(qsizetype first, qsizetype last);
    void appended();
    void rowsChanged(qsizetype first, qsizetype last);
    /// The row at `from` is about to move to `to`, its position once moved.
    void aboutToMove(qsizetype from, qsizetype to);
    void moved();
    /// Rows are about to move with their marks: a view may forget which rows it shows
    /// selected until `marksChanged`.
    void marksAboutToMove();
    /// Rows were marked here, not by a view, or moved with their marks.
    void marksChanged();

private:
    QString fullPath(qsizetype index) const;

    const std::vector<FileRecord>& m_master;
    bool m_withCollection;
    bool m_sorted = false;
    std::vector<ListRow> m_rows;
};

template <typename Map> void FileList::remapTags(Map map)
{
    Q_EMIT aboutToReset();
    std::erase_if(m_rows, [&](ListRow& row) {
        row.Tag = map(row.Tag);
        return row.Tag == 0;
    });
    Q_EMIT wasReset();
}

} // namespace twinsweep
