#include "XPFaces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/ui/QtColor.h"

namespace twinsweep {

namespace {
struct Plate
{
    QColor top, bottom, border;
};

Plate plateOf(ButtonFace face)
{
    switch (face) {
    case ButtonFace::Pressed: return {QColor(209, 204, 193), QColor(242, 241, 236), QColor(0, 60, 116)};
    case ButtonFace::Disabled: return {QColor(245, 244, 234), QColor(245, 244, 234), QColor(201, 199, 186)};
    case ButtonFace::Normal:
    case ButtonFace::Hover: break;
    }
    return {QColor(255, 255, 255), QColor(226, 223, 214), QColor(0, 60, 116)};
}

QPainterPath roundedPath(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

/// The two-pixel coloured rim just inside the border: light at the top, deep below.
void paintRim(QPainter& painter, const QRectF& inner, const QColor& light, const QColor& deep)
{
    QLinearGradient rim(inner.topLeft(), inner.bottomLeft());
    rim.setColorAt(0, light);
    rim.setColorAt(1, deep);
    painter.setPen(QPen(QBrush(rim), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedPath(inner.adjusted(1, 1, -1, -1), 2));
}

void paintTick(QPainter& painter, const QRect& mark, const QColor& color)
{
    const QPointF points[]{{mark.left() + 1.5, mark.top() + mark.height() * 0.5},
                           {mark.left() + mark.width() * 0.4, mark.bottom() - 1.0},
                           {mark.right() - 0.5, mark.top() + 1.5}};
    painter.setPen(QPen(color, qMax(2.0, mark.width() / 4.5), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(points, 3);
}

ColorValue markBackground(CheckMark mark)
{
    switch (mark) {
    case CheckMark::Hover: return CheckBoxColor::HoverFill;
    case CheckMark::Pressed: return CheckBoxColor::PressedFill;
    case CheckMark::Disabled: return CheckBoxColor::DisabledFill;
    case CheckMark::Normal:
    case CheckMark::None: break;
    }
    return CheckBoxColor::Fill;
}
} // namespace

void paintButtonFace(QPainter& painter, const QRect& rect, ButtonFace face, bool marked)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const Plate plate = plateOf(face);
    const QRectF outer = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient shade(outer.topLeft(), outer.bottomLeft());
    shade.setColorAt(0, plate.top);
    shade.setColorAt(0.85, plate.bottom);
    shade.setColorAt(1, plate.bottom.darker(108));
    painter.setPen(QPen(plate.border, 1));
    painter.setBrush(shade);
    painter.drawPath(roundedPath(outer, 3));
    if (face == ButtonFace::Hover)
        paintRim(painter, outer, QColor(255, 240, 207), QColor(229, 151, 0));
    else if (face == ButtonFace::Normal && marked)
        paintRim(painter, outer, QColor(206, 231, 255), QColor(105, 130, 238));
    painter.restore();
}

void paintCheckBox(QPainter& painter, const QRect& box, const CheckBoxLook& look)
{
    painter.save();
    painter.setPen(toQColor(look.border));
    painter.setBrush(look.fill ? QBrush(toQColor(*look.fill)) : QBrush(Qt::NoBrush));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (look.mark != CheckMark::None) {
        const QRect mark = box.adjusted(1, 1, -1, -1);
        painter.fillRect(mark, toQColor(markBackground(look.mark)));
        painter.setRenderHint(QPainter::Antialiasing);
        paintTick(painter, mark.adjusted(1, 1, -1, -1),
                  look.mark == CheckMark::Disabled ? QColor(128, 128, 128) : QColor(33, 161, 33));
    }
    painter.restore();
}

} // namespace twinsweep
