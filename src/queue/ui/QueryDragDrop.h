#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QPoint>

#include <optional>

class QMimeData;
class QMouseEvent;
class QTableView;

namespace twinsweep {

class Catalogue;
class Form1;
class QueryList;
class QueryShellDrop;

/// The query list's drag and drop: its rows are dragged to new places, rows of the
/// volume file list are dragged in, and files, playlists and folders are dropped on it
/// from a file manager. The rows a drag holds are persistent indexes, so a row removed
/// or a list refilled meanwhile is seen as gone at the drop.
class QueryDragDrop : public QObject
{
    Q_OBJECT
public:
    /// The type of the drag of a query row; it carries no data of its own.
    static constexpr char QueryRowMimeType[] = "application/x-twinsweep-query-row";

    QueryDragDrop(Form1& window, QueryList& rows, QueryShellDrop& shellDrop);

    /// Prepares the drag of the query row at `row` and returns what it carries.
    QMimeData* beginRowDrag(int row);
    /// A drag moves over the list at `position`: whether the list takes what it carries.
    /// A query row drag highlights the row under the pointer.
    bool query_DragOver(const QMimeData& data, const QPoint& position);
    /// The drop of what the drag carries, on the row last highlighted.
    void query_DragDrop(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void query_MouseDown(const QMouseEvent& event);
    bool query_MouseMove(const QMouseEvent& event);
    bool acceptsDrag(const QMimeData& data) const;
    std::optional<qsizetype> fileListRow(const QMimeData& data) const;

    QTableView* m_query;
    QWidget* m_viewport = nullptr; // the list's viewport, compared against in the filter
    Catalogue& m_catalogue;
    QueryList& m_rows;
    QueryShellDrop& m_shellDrop;
    QPersistentModelIndex m_pressed;
    QPoint m_pressPosition;
    QPersistentModelIndex m_dragged;
    std::optional<qsizetype> m_highlight;
};

} // namespace twinsweep
