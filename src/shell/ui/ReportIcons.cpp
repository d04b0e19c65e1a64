#include "ReportIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace twinsweep {

namespace {
QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
} // namespace

QPixmap fileIconPixmap(int size)
{
    QPixmap pixmap = blank(size);
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

QIcon statisticsIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(QPen(QColor(60, 60, 60), 0.8));
        const QColor bars[] = {QColor(70, 130, 200), QColor(90, 170, 90), QColor(220, 150, 50)};
        const double heights[] = {7, 12, 9};
        for (int bar = 0; bar < 3; ++bar) {
            painter.setBrush(bars[bar]);
            painter.drawRect(QRectF(1.5 + 4.5 * bar, 14.5 - heights[bar], 3.5, heights[bar]));
        }
        painter.drawLine(QPointF(0.5, 14.5), QPointF(15.5, 14.5));
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace twinsweep
