#include "PlayerBarWidgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "platform/Twips.h"
#include "playback/VolumeKnob.h"

namespace twinsweep {

namespace {

constexpr int PictureSize = 16;
const QColor Face(0xD4, 0xD0, 0xC8);
const QColor Glyph(0x00, 0x00, 0x80);
const QColor CoverGlyph(0x80, 0x80, 0x80);

QPainterPath triangle(double left, double right, bool pointingRight)
{
    QPainterPath path;
    const double tip = pointingRight ? right : left;
    const double base = pointingRight ? left : right;
    path.moveTo(base, 3);
    path.lineTo(tip, 8);
    path.lineTo(base, 13);
    path.closeSubpath();
    return path;
}

QPainterPath glyph(PlayerButton button)
{
    QPainterPath path;
    switch (button) {
    case PlayerButton::Previous:
        path.addRect(3, 3, 2, 10);
        path.addPath(triangle(5, 13, false));
        break;
    case PlayerButton::Play: path.addPath(triangle(4, 13, true)); break;
    case PlayerButton::Pause:
        path.addRect(4, 3, 3, 10);
        path.addRect(9, 3, 3, 10);
        break;
    case PlayerButton::Stop: path.addRect(4, 4, 8, 8); break;
    case PlayerButton::Next:
        path.addPath(triangle(3, 11, true));
        path.addRect(11, 3, 2, 10);
        break;
    }
    return path;
}

} // namespace

QPixmap playerButtonPicture(PlayerButton button, bool covered)
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Face);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPainterPath shape = glyph(button);
    if (covered) {
        painter.setBrush(Qt::white); // the emboss's light edge
        painter.drawPath(shape.translated(1, 1));
    }
    painter.setBrush(covered ? CoverGlyph : Glyph);
    painter.drawPath(shape);
    return picture;
}

PlayerPictureButton::PlayerPictureButton(PlayerButton button, QWidget* parent) : QWidget(parent), m_button(button) {}

void PlayerPictureButton::setCoverShown(bool shown)
{
    if (m_covered == shown)
        return;
    m_covered = shown;
    update();
}

void PlayerPictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), playerButtonPicture(m_button, m_covered));
}

void PlayerPictureButton::mousePressEvent(QMouseEvent*)
{
    if (m_covered)
        return;
    m_pressed = true;
    Q_EMIT MouseDown();
}

void PlayerPictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    Q_EMIT MouseUp();
    if (rect().contains(event->position().toPoint()))
        Q_EMIT Click();
}

VolumeTrack::VolumeTrack(QWidget* parent) : QWidget(parent), m_knob(new QWidget(this))
{
    m_knob->setObjectName("Image1");
    m_knob->installEventFilter(this);
}

double VolumeTrack::toTwips(double pixels) const
{
    return pixels * twipsPerPixel(logicalDpiX());
}

double VolumeTrack::freeWidth() const
{
    return toTwips(width()) - toTwips(m_knob->width());
}

void VolumeTrack::placeKnob(int level)
{
    m_knob->move(twipsToPixels(VolumeKnob::leftFromLevel(level, freeWidth()), logicalDpiX()), 0);
}

void VolumeTrack::follow(const QMouseEvent& event, const QWidget* receiver, double grip)
{
    if (event.buttons() != Qt::LeftButton)
        return;
    const QPointF pointer = receiver->mapTo(this, event.position());
    const std::optional<double> left = VolumeKnob::leftFromPointer(toTwips(pointer.x()), grip, freeWidth());
    if (!left)
        return;
    m_knob->move(twipsToPixels(*left, logicalDpiX()), 0);
    if (onLevel)
        onLevel(VolumeKnob::levelFromLeft(*left, freeWidth()));
}

void VolumeTrack::mousePressEvent(QMouseEvent* event)
{
    follow(*event, this, toTwips(m_knob->width()) / 2);
}

void VolumeTrack::mouseMoveEvent(QMouseEvent* event)
{
    follow(*event, this, toTwips(m_knob->width()) / 2);
}

bool VolumeTrack::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_knob)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        follow(*static_cast<QMouseEvent*>(event), m_knob, toTwips(m_knob->width()));
        return true;
    }
    if (event->type() == QEvent::Paint) {
        paintKnob();
        return true;
    }
    return false;
}

void VolumeTrack::paintKnob()
{
    QPainter painter(m_knob);
    const QRect face = m_knob->rect().adjusted(0, 0, -1, -1);
    painter.fillRect(face, Face);
    painter.setPen(Qt::white);
    painter.drawLine(face.topLeft(), face.topRight());
    painter.drawLine(face.topLeft(), face.bottomLeft());
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(face.bottomLeft(), face.bottomRight());
    painter.drawLine(face.topRight(), face.bottomRight());
    painter.setPen(Glyph);
    painter.drawLine(face.center().x(), 4, face.center().x(), face.bottom() - 4);
}

void VolumeTrack::paintEvent(QPaintEvent*)
{
    // A wedge that widens to the right: louder to the right.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath wedge;
    wedge.moveTo(2, height() - 4);
    wedge.lineTo(width() - 2, height() - 4);
    wedge.lineTo(width() - 2, 3);
    wedge.closeSubpath();
    painter.setPen(CoverGlyph);
    painter.setBrush(QColor(0xA0, 0xA8, 0xC8));
    painter.drawPath(wedge);
}

} // namespace twinsweep
