#include "XPCheckBox.h"

#include <QKeyEvent>
#include <QPainter>

#include "controls/ui/ControlConventions.h"
#include "controls/ui/XPFaces.h"
#include "controls/ui/XPLook.h"
#include "platform/KeyCodes.h"
#include "platform/ui/KeyMapping.h"

namespace twinsweep {

namespace {
// Places of the XP look in twips: the box from the left edge, its side, the caption.
constexpr double BoxLeft = 45;
constexpr double BoxSide = 165;
constexpr double CaptionLeft = 270;
constexpr double PlacedHeight = 315;
} // namespace

XPCheckBox::XPCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent), m_xpLook(XPLookOn())
{
    setMouseTracking(true); // MouseMove is raised without a button held too
}

void XPCheckBox::setValue(int value)
{
    const bool changed = value != m_state.Value;
    m_state.Value = value;
    setChecked(m_state.checked());
    if (changed)
        Q_EMIT Click();
    if (!m_state.checked())
        endHover();
    update();
}

void XPCheckBox::endHover()
{
    // An unchecked box starts afresh, as if the pointer had left it.
    m_state.hover = false;
    const MouseArgs outside{0, 0, -1, -1};
    Q_EMIT MouseMove(outside.Button, outside.Shift, outside.x, outside.y);
}

void XPCheckBox::nextCheckState()
{
    setValue(m_state.toggledValue());
}

void XPCheckBox::setForeColor(ColorValue color)
{
    m_foreColor = color;
    // The plain look draws its caption in the palette's colour; the XP look paints it.
    const QColor caption = controlColor(color, parentWidget() ? parentWidget()->palette() : QPalette());
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colors.setColor(group, QPalette::WindowText, caption);
    setPalette(colors);
}

void XPCheckBox::setBackColor(ColorValue color)
{
    m_backColor = color;
    update();
}

void XPCheckBox::setWinXPCheck(bool on)
{
    m_xpLook = on;
    update();
}

QString XPCheckBox::containerFont() const
{
    return parentWidget() ? parentWidget()->font().toString() : QFont().toString();
}

void XPCheckBox::ReadProperties(const QVariantHash& bag)
{
    const XPCheckBoxProperties stored = XPCheckBoxProperties::read(bag, containerFont());
    setForeColor(stored.ForeColor);
    setEnabled(stored.Enabled);
    QFont storedFont;
    if (storedFont.fromString(stored.Font))
        setFont(storedFont);
    setValue(stored.Value);
    setCaption(stored.Caption);
    setBackColor(stored.BackColor);
    setWinXPCheck(stored.WinXPCheck);
}

void XPCheckBox::WriteProperties(QVariantHash& bag) const
{
    XPCheckBoxProperties{m_foreColor, isEnabled(), font().toString(), Value(), Caption(), m_backColor, m_xpLook}.write(
        bag, containerFont());
}

QSize XPCheckBox::sizeHint() const
{
    // One size for both looks, so that switching the look moves nothing.
    const QSize plain = QCheckBox::sizeHint();
    const int xpWidth = controlPixels(*this, CaptionLeft) + fontMetrics().horizontalAdvance(text()) + 2;
    return {qMax(plain.width(), xpWidth), qMax(plain.height(), controlPixels(*this, PlacedHeight))};
}

void XPCheckBox::paintEvent(QPaintEvent* event)
{
    // The button face colour is what the container shows already.
    if (m_backColor != SystemButtonFace)
        QPainter(this).fillRect(rect(), controlColor(m_backColor, palette()));
    if (m_xpLook)
        paintXPLook();
    else
        QCheckBox::paintEvent(event);
}

void XPCheckBox::paintXPLook()
{
    QPainter painter(this);
    const int side = controlPixels(*this, BoxSide);
    const QRect box(controlPixels(*this, BoxLeft), (height() - side) / 2, side, side);
    m_state.enabled = isEnabled();
    paintCheckBox(painter, box, m_state.look());
    const int captionLeft = controlPixels(*this, CaptionLeft);
    painter.setPen(isEnabled() ? controlColor(m_foreColor, palette()) : controlColor(SystemAppWorkspace, palette()));
    painter.drawText(rect().adjusted(captionLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                     text());
}

void XPCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_state.press = CheckBoxState::Press::Mouse;
        setDown(true);
        update();
    }
    const MouseArgs args = mouseArgs(*event, *this, event->button());
    Q_EMIT MouseDown(args.Button, args.Shift, args.x, args.y);
}

void XPCheckBox::mouseMoveEvent(QMouseEvent* event)
{
    const MouseArgs args = mouseArgs(*event, *this, event->buttons());
    Q_EMIT MouseMove(args.Button, args.Shift, args.x, args.y);
    m_state.hover = rect().contains(event->position().toPoint());
    if (m_state.press == CheckBoxState::Press::Mouse)
        setDown(m_state.hover);
    update();
}

void XPCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool toggles = event->button() == Qt::LeftButton && m_state.press == CheckBoxState::Press::Mouse;
    if (toggles) {
        m_state.press = CheckBoxState::Press::None;
        setDown(false);
    }
    const MouseArgs args = mouseArgs(*event, *this, event->button());
    Q_EMIT MouseUp(args.Button, args.Shift, args.x, args.y);
    // The release toggles wherever the pointer is: a press is a promise to change.
    if (toggles)
        setValue(m_state.toggledValue());
    m_state.hover = rect().contains(event->position().toPoint());
    update();
}

void XPCheckBox::keyPressEvent(QKeyEvent* event)
{
    const WinKey key = toWinKey(*event);
    Q_EMIT KeyDown(key.keyCode, key.shift);
    if (key.keyCode == VirtualKey::Return) {
        focusNextChild();
        return;
    }
    if (key.keyCode == VirtualKey::Space) {
        Q_EMIT KeyPress(VirtualKey::Space);
        if (!event->isAutoRepeat())
            m_state.press = CheckBoxState::Press::Key;
    }
    QCheckBox::keyPressEvent(event); // Space: down now, one click at the release
}

void XPCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    const WinKey key = toWinKey(*event);
    Q_EMIT KeyUp(key.keyCode, key.shift);
    if (key.keyCode == VirtualKey::Space && !event->isAutoRepeat())
        m_state.press = CheckBoxState::Press::None;
    QCheckBox::keyReleaseEvent(event);
    update();
}

void XPCheckBox::enterEvent(QEnterEvent* event)
{
    m_state.hover = true;
    update();
    QCheckBox::enterEvent(event);
}

void XPCheckBox::leaveEvent(QEvent* event)
{
    m_state.hover = false;
    update();
    QCheckBox::leaveEvent(event);
}

void XPCheckBox::focusInEvent(QFocusEvent* event)
{
    m_state.focus = true;
    QCheckBox::focusInEvent(event);
}

void XPCheckBox::focusOutEvent(QFocusEvent* event)
{
    m_state.focus = false;
    m_state.press = CheckBoxState::Press::None;
    QCheckBox::focusOutEvent(event);
}

void XPCheckBox::hideEvent(QHideEvent* event)
{
    // A hidden box sees the pointer leave no more.
    m_state.hover = false;
    m_state.press = CheckBoxState::Press::None;
    QCheckBox::hideEvent(event);
}

} // namespace twinsweep
