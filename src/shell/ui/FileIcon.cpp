#include "FileIcon.h"

#include <QPainter>

namespace twinsweep {

QPixmap fileIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    const QColor ink(40, 70, 140);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QRectF(2.5, 10.5, 5, 4)); // note heads
    painter.drawEllipse(QRectF(9.5, 9, 5, 4));
    painter.drawPolygon(QPolygonF{{6.5, 3}, {14.5, 1}, {14.5, 3.5}, {6.5, 5.5}}); // beam
    painter.setPen(QPen(ink, 1.4));
    painter.drawLine(QPointF(7, 4), QPointF(7, 12.5)); // stems
    painter.drawLine(QPointF(14, 2), QPointF(14, 11));
    return pixmap;
}

QIcon fileIcon()
{
    return QIcon(fileIconPixmap(16));
}

} // namespace twinsweep
