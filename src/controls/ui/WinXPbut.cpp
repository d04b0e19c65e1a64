#include "WinXPbut.h"

#include <QKeyEvent>
#include <QPainter>

#include "controls/ControlProperties.h"
#include "controls/ui/ControlConventions.h"
#include "controls/ui/XPFaces.h"
#include "controls/ui/XPLook.h"
#include "platform/ui/KeyMapping.h"

namespace twinsweep {

WinXPbut::WinXPbut(const QString& caption, QWidget* parent) : QPushButton(caption, parent), m_xpLook(XPLookOn())
{
    setMouseTracking(true); // MouseMove is raised without a button held too
    connect(this, &QPushButton::clicked, this, &WinXPbut::Click);
}

void WinXPbut::setWinXPbut(bool on)
{
    m_xpLook = on;
    update();
}

ButtonFace WinXPbut::face() const
{
    // Space held down counts as a press, as does a mouse press outside the button.
    return buttonFace(isEnabled(), m_pressed || isDown(), m_hover);
}

void WinXPbut::ReadProperties(const QVariantHash& bag)
{
    const WinXPbutProperties stored = WinXPbutProperties::read(bag);
    setCaption(stored.Caption);
    setEnabled(stored.Enabled);
    setDefault(stored.Default);
    setWinXPbut(stored.WinXPbut);
}

void WinXPbut::WriteProperties(QVariantHash& bag) const
{
    WinXPbutProperties{Caption(), isEnabled(), Default(), isWinXPbut()}.write(bag);
}

void WinXPbut::paintEvent(QPaintEvent* event)
{
    if (m_xpLook)
        paintXPLook();
    else
        QPushButton::paintEvent(event);
}

void WinXPbut::paintXPLook()
{
    QPainter painter(this);
    paintButtonFace(painter, rect(), face(), hasFocus() || isDefault());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void WinXPbut::setHover(bool hover)
{
    if (hover == m_hover)
        return;
    m_hover = hover;
    update();
}

void WinXPbut::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
    const MouseArgs args = mouseArgs(*event, *this, event->button());
    Q_EMIT MouseDown(args.Button, args.Shift, args.x, args.y);
    QPushButton::mousePressEvent(event);
}

void WinXPbut::mouseMoveEvent(QMouseEvent* event)
{
    setHover(rect().contains(event->position().toPoint()));
    const MouseArgs args = mouseArgs(*event, *this, event->buttons());
    Q_EMIT MouseMove(args.Button, args.Shift, args.x, args.y);
    QPushButton::mouseMoveEvent(event);
}

void WinXPbut::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = false;
        m_hover = rect().contains(event->position().toPoint());
        update();
    }
    const MouseArgs args = mouseArgs(*event, *this, event->button());
    Q_EMIT MouseUp(args.Button, args.Shift, args.x, args.y);
    QPushButton::mouseReleaseEvent(event); // clicks when released over the button
}

void WinXPbut::mouseDoubleClickEvent(QMouseEvent* event)
{
    // In the XP look the second click of a double click is a DblClick, not a Click.
    if (m_xpLook && event->button() == Qt::LeftButton)
        Q_EMIT DblClick();
    else
        QPushButton::mouseDoubleClickEvent(event);
}

void WinXPbut::keyPressEvent(QKeyEvent* event)
{
    const WinKey key = toWinKey(*event);
    Q_EMIT KeyDown(key.keyCode, key.shift);
    if (const int character = keyAscii(*event))
        Q_EMIT KeyPress(character);
    QPushButton::keyPressEvent(event);
}

void WinXPbut::keyReleaseEvent(QKeyEvent* event)
{
    const WinKey key = toWinKey(*event);
    Q_EMIT KeyUp(key.keyCode, key.shift);
    QPushButton::keyReleaseEvent(event);
}

void WinXPbut::enterEvent(QEnterEvent* event)
{
    setHover(true);
    QPushButton::enterEvent(event);
}

void WinXPbut::leaveEvent(QEvent* event)
{
    setHover(false);
    QPushButton::leaveEvent(event);
}

void WinXPbut::changeEvent(QEvent* event)
{
    // A disabled button sees no release; it starts afresh when enabled again.
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        m_hover = underMouse();
    }
    QPushButton::changeEvent(event);
}

void WinXPbut::hideEvent(QHideEvent* event)
{
    // A hidden button sees the pointer leave no more, e.g. when its click closes the window.
    m_pressed = false;
    m_hover = false;
    QPushButton::hideEvent(event);
}

} // namespace twinsweep
