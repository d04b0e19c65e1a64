#include "QueryIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace twinsweep {

namespace {

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 60), 1.2));
    draw(painter);
    return QIcon(pixmap);
}

void note(QPainter& p)
{
    p.setBrush(QColor(40, 70, 150));
    p.drawEllipse(QRectF(2.5, 10.5, 5, 4));
    p.drawEllipse(QRectF(9.5, 9, 5, 4));
    p.drawLine(QPointF(7.5, 12.5), QPointF(7.5, 3));
    p.drawLine(QPointF(14.5, 11), QPointF(14.5, 1.5));
    p.drawLine(QPointF(7.5, 3), QPointF(14.5, 1.5));
}

void page(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {10, 1.5}, {13.5, 5}, {13.5, 14.5}, {3.5, 14.5}}));
    for (double y : {6.5, 9.0, 11.5})
        p.drawLine(QPointF(5.5, y), QPointF(11.5, y));
}

void folder(QPainter& p)
{
    p.setBrush(QColor(235, 195, 80));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
}

void clock(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void disc(QPainter& p)
{
    p.setBrush(QColor(200, 205, 215));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6, 6, 4, 4));
}

} // namespace

QIcon queryRowIcon()
{
    return drawn(note);
}

QList<QIcon> queryHeaderIcons()
{
    return {drawn(page), drawn(folder), drawn(clock), drawn(disc)};
}

} // namespace twinsweep
