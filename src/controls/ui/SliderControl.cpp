#include "SliderControl.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace twinsweep {

namespace {

constexpr QRgb BarColor = 0xC0C0C0;
constexpr QRgb PressedBarColor = 0xE0E0E0;
constexpr int BarOffset = -10; // the bar starts left of and above the control

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

SliderControl::SliderControl(QWidget* parent) : QWidget(parent)
{
    playback = new QMenu("Playback", this);
    play_pause = playback->addAction("Pause");
    play_pause->setObjectName("play_pause");
    stop = playback->addAction("Stop");
    stop->setObjectName("stop");
    connect(play_pause, &QAction::triggered, this, &SliderControl::play_pauseClicked);
    connect(stop, &QAction::triggered, this, &SliderControl::stopClicked);
    RefreshMe();
}

void SliderControl::setEnabled(bool enabled)
{
    m_model.enabled = enabled;
    RefreshMe();
}

void SliderControl::setMax(double Max)
{
    m_model.Max = Max;
    RefreshMe();
}

void SliderControl::setMin(double min)
{
    m_model.min = min;
    RefreshMe();
}

void SliderControl::setValue(double value)
{
    m_model.value = value;
    RefreshMe();
}

void SliderControl::RefreshMe()
{
    m_model.normalise();
    QWidget::setEnabled(m_model.enabled);
    update();
}

void SliderControl::ReadProperties(const QVariantHash& bag)
{
    m_model.ReadProperties(bag);
    RefreshMe();
}

void SliderControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const int barWidth = int(m_model.barWidth(width()));
    const QRect bar(BarOffset, BarOffset, barWidth, height());
    painter.fillRect(bar, QColor(m_pressed ? PressedBarColor : BarColor));
    if (m_pressed) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SliderControl::setFromMouse(double x)
{
    m_model.value = m_model.positionFromMouse(x, width());
    RefreshMe();
}

void SliderControl::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (at.x() == 0)
        return;
    if (event->button() == Qt::LeftButton) {
        setFromMouse(at.x());
        m_pressed = true;
        update();
    } else if (event->button() == Qt::RightButton) {
        const QPoint global = event->globalPosition().toPoint();
        playback->popup(global - QPoint(playback->sizeHint().width() / 2, 0));
    }
    Q_EMIT MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void SliderControl::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (event->buttons() != Qt::LeftButton || at.x() <= 0)
        return;
    setFromMouse(at.x());
    Q_EMIT MouseMove(1, shiftCode(event->modifiers()), at.x(), at.y());
}

void SliderControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (at.x() == 0)
        return;
    if (event->button() == Qt::LeftButton) {
        setFromMouse(at.x());
        m_pressed = false;
        update();
    }
    Q_EMIT MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
    if (rect().contains(at.toPoint()))
        Q_EMIT Click();
}

} // namespace twinsweep
