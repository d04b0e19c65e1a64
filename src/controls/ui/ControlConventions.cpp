#include "ControlConventions.h"

#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include "platform/ui/QtColor.h"
#include "controls/ControlProperties.h"
#include "platform/Twips.h"
#include "platform/ui/KeyMapping.h"

namespace twinsweep {

MouseArgs mouseArgs(const QMouseEvent& event, const QWidget& control, Qt::MouseButtons buttons)
{
    int button = 0;
    if (buttons & Qt::LeftButton)
        button |= 1;
    if (buttons & Qt::RightButton)
        button |= 2;
    if (buttons & Qt::MiddleButton)
        button |= 4;
    const double dpi = control.logicalDpiX();
    return {button, toShiftState(event.modifiers()), pixelsToTwips(int(event.position().x()), dpi),
            pixelsToTwips(int(event.position().y()), dpi)};
}

QColor controlColor(ColorValue value, const QPalette& palette)
{
    switch (value) {
    case SystemButtonText: return palette.color(QPalette::ButtonText);
    case SystemButtonFace: return palette.color(QPalette::Window);
    case SystemWindow: return palette.color(QPalette::Base);
    case SystemWindowText: return palette.color(QPalette::Text);
    case SystemAppWorkspace: return palette.color(QPalette::Disabled, QPalette::WindowText);
    default: break;
    }
    const QColor color = toQColor(value);
    return color.isValid() ? color : palette.color(QPalette::WindowText);
}

int controlPixels(const QWidget& control, double twips)
{
    return twipsToPixels(twips, control.logicalDpiX());
}

} // namespace twinsweep
