#include "QueryDragDrop.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <QTimer>
#include <QUrl>

#include "catalogue/Catalogue.h"
#include "catalogue/VolumeFileList.h"
#include "queue/QueryDrop.h"
#include "queue/QueryList.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

namespace {

/// The pointer shown while a query row is dragged: a black-outlined note on a white
/// sheet, 32 x 32, its hot spot at (16, 8).
QPixmap rowDragPointer()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(8, 12, 16, 18);
    painter.setBrush(Qt::black);
    painter.drawEllipse(12, 23, 5, 4);
    painter.drawLine(16, 16, 16, 25);
    painter.drawLine(16, 16, 20, 18);
    painter.drawLine(16, 2, 16, 10); // the hot spot's stem
    return pixmap;
}

QStringList localPaths(const QMimeData& data)
{
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

QueryDragDrop::QueryDragDrop(Form1& window, QueryList& rows, QueryShellDrop& shellDrop)
    : QObject(&window), m_query(window.query), m_catalogue(window.catalogue()), m_rows(rows), m_shellDrop(shellDrop)
{
    m_query->setAcceptDrops(true);
    m_viewport = m_query->viewport();
    m_viewport->setAcceptDrops(true);
    m_viewport->installEventFilter(this);
}

bool QueryDragDrop::eventFilter(QObject* watched, QEvent* event)
{
    // Events still arrive while the list is being destroyed, when it is no longer a
    // scroll area: compare pointers only, never ask the list for its viewport here.
    if (watched != m_viewport)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: query_MouseDown(static_cast<const QMouseEvent&>(*event)); return false;
    case QEvent::MouseMove: return query_MouseMove(static_cast<const QMouseEvent&>(*event));
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = static_cast<QDropEvent&>(*event);
        if (query_DragOver(*drag.mimeData(), drag.position().toPoint()))
            drag.acceptProposedAction();
        else
            drag.ignore();
        return true;
    }
    case QEvent::DragLeave: m_highlight.reset(); return true;
    case QEvent::Drop: {
        auto& drop = static_cast<QDropEvent&>(*event);
        drop.acceptProposedAction();
        query_DragDrop(*drop.mimeData());
        return true;
    }
    default: return false;
    }
}

void QueryDragDrop::query_MouseDown(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    m_pressPosition = event.position().toPoint();
    m_pressed = m_query->indexAt(m_pressPosition);
}

bool QueryDragDrop::query_MouseMove(const QMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton) || !m_pressed.isValid())
        return false;
    if ((event.position().toPoint() - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
        return true;
    const int row = m_pressed.row();
    m_pressed = QPersistentModelIndex();
    auto* drag = new QDrag(m_query);
    drag->setMimeData(beginRowDrag(row));
    drag->setPixmap(rowDragPointer());
    drag->setHotSpot({16, 8});
    drag->exec(Qt::MoveAction);
    return true;
}

QMimeData* QueryDragDrop::beginRowDrag(int row)
{
    m_dragged = m_query->model()->index(row, 0);
    m_highlight.reset();
    auto* data = new QMimeData;
    data->setData(QueryRowMimeType, {});
    return data;
}

bool QueryDragDrop::acceptsDrag(const QMimeData& data) const
{
    return data.hasFormat(QueryRowMimeType) || data.hasFormat(DraggedFileMimeType) || !localPaths(data).isEmpty();
}

bool QueryDragDrop::query_DragOver(const QMimeData& data, const QPoint& position)
{
    if (!acceptsDrag(data))
        return false;
    if (data.hasFormat(QueryRowMimeType)) {
        const QModelIndex hit = m_query->indexAt(position);
        m_highlight = hit.isValid() ? std::optional<qsizetype>(hit.row()) : std::nullopt;
        if (hit.isValid())
            m_query->selectionModel()->setCurrentIndex(hit, QItemSelectionModel::NoUpdate);
    }
    return true;
}

std::optional<qsizetype> QueryDragDrop::fileListRow(const QMimeData& data) const
{
    const qsizetype tag = draggedFileTag(data.data(DraggedFileMimeType));
    if (tag == 0)
        return std::nullopt;
    // The list may have been refilled since the drag began: the file must still be in it.
    const std::vector<ListRow>& rows = m_catalogue.ListFiles2.rows();
    const auto found = std::find_if(rows.begin(), rows.end(), [tag](const ListRow& row) { return row.Tag == tag; });
    return found == rows.end() ? std::nullopt : std::optional<qsizetype>(found - rows.begin());
}

void QueryDragDrop::query_DragDrop(const QMimeData& data)
{
    const std::optional<qsizetype> highlight = std::exchange(m_highlight, std::nullopt);
    if (data.hasFormat(QueryRowMimeType)) {
        const QPersistentModelIndex dragged = std::exchange(m_dragged, QPersistentModelIndex());
        const auto row = dragged.isValid() ? std::optional<qsizetype>(dragged.row()) : std::nullopt;
        twinsweep::query_DragDrop(m_rows, m_catalogue, {InProgramDrag::Origin::QueryList, row}, highlight);
    } else if (data.hasFormat(DraggedFileMimeType)) {
        twinsweep::query_DragDrop(m_rows, m_catalogue, {InProgramDrag::Origin::FileList, fileListRow(data)}, highlight);
    } else {
        // The file manager waits for the drop to finish: the scan runs once it has.
        QTimer::singleShot(0, this, [this, paths = localPaths(data)] { m_shellDrop.query_OLEDragDrop(paths); });
    }
}

} // namespace twinsweep
