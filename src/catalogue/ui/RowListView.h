#pragma once

#include <QTableView>

namespace twinsweep {

/// A list of rows, the view every list of the program is (the main window's and the
/// Print window's): whole rows selected, several at a time, no editing started by the
/// view, Tab leaving the list, one line per row at the font's height, no grid and no
/// row numbers. Its keys move between rows, never sideways: Home and End go to the
/// first and last row with or without Ctrl and select it as the arrows do (Shift
/// selects from the selection's anchor), and Ctrl+Space changes the selection of the
/// current row.
class RowListView : public QTableView
{
public:
    explicit RowListView(QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace twinsweep
