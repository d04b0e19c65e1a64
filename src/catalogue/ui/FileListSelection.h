#pragma once

#include <QObject>

class QAbstractItemView;
class QItemSelection;

namespace twinsweep {

class FileList;

/// Keeps a view's selection and the `Selected` marks of the rows it shows in step: what
/// the user selects is marked in the rows, and after the rows were refilled, removed or
/// sorted, or selected by a command, the view selects the marked rows again.
class FileListSelection : public QObject
{
    Q_OBJECT
public:
    /// `view` shows `list` through a model made before this object, so the model has
    /// been reset by the time the marks are shown again.
    FileListSelection(FileList& list, QAbstractItemView* view);

private:
    void markRows(const QItemSelection& selected, const QItemSelection& deselected);
    void showMarks();

    FileList& m_list;
    QAbstractItemView* m_view;
    bool m_showingMarks = false;
};

} // namespace twinsweep
