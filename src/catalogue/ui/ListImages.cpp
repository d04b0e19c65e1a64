#include "ListImages.h"

#include <QList>
#include <QPainter>
#include <QPainterPath>

namespace twinsweep {

namespace {

using Drawing = void (*)(QPainter&);

const QColor Ink(40, 40, 60);
const QColor Blue(40, 70, 150);
const QColor Paper(Qt::white);

QIcon drawn(Drawing draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.2));
    draw(painter);
    return QIcon(pixmap);
}

void page(QPainter& p) // Filename
{
    p.setBrush(Paper);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {10, 1.5}, {13.5, 5}, {13.5, 14.5}, {3.5, 14.5}}));
    for (double y : {6.5, 9.0, 11.5})
        p.drawLine(QPointF(5.5, y), QPointF(11.5, y));
}

void folder(QPainter& p) // Path
{
    p.setBrush(QColor(235, 195, 80));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
}

void drum(QPainter& p) // File Size
{
    p.setBrush(QColor(170, 190, 215));
    QPainterPath body;
    body.moveTo(2.5, 4);
    body.lineTo(2.5, 12);
    body.arcTo(QRectF(2.5, 10, 11, 4), 180, 180);
    body.lineTo(13.5, 4);
    p.drawPath(body);
    p.drawEllipse(QRectF(2.5, 2, 11, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 6, 11, 4), 180 * 16, 180 * 16);
}

void clock(QPainter& p) // Duration
{
    p.setBrush(Paper);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.drawLine(QPointF(8, 8), QPointF(8, 4));
    p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void wave(QPainter& p) // Frequency
{
    p.setPen(QPen(Blue, 1.5));
    QPainterPath sine;
    sine.moveTo(1, 8);
    sine.cubicTo(3, 1, 5, 1, 8, 8);
    sine.cubicTo(11, 15, 13, 15, 15, 8);
    p.drawPath(sine);
}

void bars(QPainter& p) // Bitrate
{
    p.setBrush(Blue);
    for (int bar = 0; bar < 4; ++bar)
        p.drawRect(QRectF(1.5 + bar * 3.5, 12.5 - bar * 3, 2.5, 2 + bar * 3));
}

void letter(QPainter& p) // Title
{
    p.setBrush(Ink);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(2.5, 2, 11, 2.5));
    p.drawRect(QRectF(6.75, 2, 2.5, 12));
}

void person(QPainter& p) // Artist
{
    p.setBrush(QColor(230, 185, 150));
    p.drawEllipse(QRectF(5, 1.5, 6, 6));
    p.setBrush(Blue);
    QPainterPath shoulders;
    shoulders.moveTo(2, 14.5);
    shoulders.cubicTo(2, 8, 14, 8, 14, 14.5);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

void cover(QPainter& p) // Album
{
    p.setBrush(QColor(200, 90, 70));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QRectF(4, 4, 8, 8));
    p.setBrush(Paper);
    p.drawEllipse(QRectF(7, 7, 2, 2));
}

void bubble(QPainter& p) // Comment
{
    p.setBrush(Paper);
    QPainterPath speech;
    speech.addRoundedRect(QRectF(1.5, 2, 13, 9), 3, 3);
    speech.moveTo(4, 11);
    speech.lineTo(3.5, 14.5);
    speech.lineTo(7.5, 11);
    p.drawPath(speech.simplified());
}

void calendar(QPainter& p) // Year
{
    p.setBrush(Paper);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setBrush(QColor(200, 60, 50));
    p.drawRect(QRectF(1.5, 2.5, 13, 3.5));
    p.setPen(QPen(Ink, 1));
    for (double x : {4.5, 8.0, 11.5})
        for (double y : {8.5, 11.5})
            p.drawPoint(QPointF(x, y));
}

void layers(QPainter& p) // MPEG layer
{
    const QColor shades[]{QColor(110, 150, 200), QColor(140, 175, 220), QColor(175, 205, 240)};
    for (int layer = 0; layer < 3; ++layer) {
        const double y = 9.5 - layer * 3.5;
        p.setBrush(shades[layer]);
        p.drawPolygon(QPolygonF({{1, y + 2.5}, {8, y + 5}, {15, y + 2.5}, {8, y}}));
    }
}

void badge(QPainter& p) // MPEG version
{
    p.setBrush(QColor(120, 180, 120));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 2.5, 2.5);
    p.setPen(QPen(Paper, 1.8));
    p.drawPolyline(QPolygonF({{4.5, 5}, {8, 11}, {11.5, 5}}));
}

void disc(QPainter& p) // Collection
{
    p.setBrush(QColor(200, 205, 215));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Paper);
    p.drawEllipse(QRectF(6, 6, 4, 4));
}

} // namespace

QIcon headerImage(int number)
{
    static const QList<QIcon> images = [] {
        QList<QIcon> drawnImages;
        for (Drawing draw :
             {page, folder, drum, clock, wave, bars, letter, person, cover, bubble, calendar, layers, badge, disc})
            drawnImages << drawn(draw);
        return drawnImages;
    }();
    return images.value(number - 1);
}

QPixmap rowImagePixmap(int size)
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

QIcon rowImage()
{
    static const QIcon image(rowImagePixmap(16));
    return image;
}

} // namespace twinsweep
