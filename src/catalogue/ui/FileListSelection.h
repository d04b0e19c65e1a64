#pragma once

#include <QObject>

class QAbstractItemView;
class QItemSelection;
class QModelIndex;

namespace twinsweep {

class FileList;

/// Keeps a view's selection and current row and the marks of the rows it shows in step:
/// what the user selects and moves to is marked in the rows, and after the rows were
/// refilled, removed, sorted or moved, or marked by a command, the view selects the
/// marked rows again and makes the marked row current.
class FileListSelection : public QObject
{
    Q_OBJECT
public:
    /// `view` shows `list` through a model made before this object, so the model has
    /// been reset by the time the marks are shown again.
    FileListSelection(FileList& list, QAbstractItemView* view);

private:
    void markSelection(const QItemSelection& selected, const QItemSelection& deselected);
    void markCurrent(const QModelIndex& current, const QModelIndex& previous);
    /// Empties the view's selection, leaving the marks as they are.
    void forgetSelection();
    void showMarks();
    /// The first row marked current; the marks of any later ones are taken away.
    qsizetype takeCurrentRow();

    FileList& m_list;
    QAbstractItemView* m_view;
    /// The view's selection is being set for the marks, so it is not marked back.
    bool m_followingMarks = false;
};

} // namespace twinsweep
