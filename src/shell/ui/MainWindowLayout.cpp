#include "MainWindowLayout.h"

#include <cmath>

#include "platform/Twips.h"
#include "shell/ui/Form1.h"

namespace twinsweep {

QWidget* MainWindowLayout::find(const char* control) const
{
    return m_form.findChild<QWidget*>(QLatin1String(control));
}

int MainWindowLayout::toPixels(int twips) const
{
    return twipsToPixels(twips, m_form.logicalDpiX());
}

int MainWindowLayout::toTwips(int pixels) const
{
    return int(std::lround(pixelsToTwips(pixels, m_form.logicalDpiX())));
}

void MainWindowLayout::ResizeControl(const char* control)
{
    if (find(control))
        runStep(m_form.lifecycle.ResizeControl, control);
}

// Fixed sizes hold inside the window's layouts too.
void MainWindowLayout::setWidth(const char* control, int twips)
{
    if (QWidget* widget = find(control))
        widget->setFixedWidth(toPixels(twips));
}

void MainWindowLayout::setHeight(const char* control, int twips)
{
    if (QWidget* widget = find(control))
        widget->setFixedHeight(toPixels(twips));
}

void MainWindowLayout::setLeft(const char* control, int twips)
{
    if (QWidget* widget = find(control))
        widget->move(toPixels(twips), widget->y());
}

int MainWindowLayout::left(const char* control) const
{
    const QWidget* widget = find(control);
    return widget ? toTwips(widget->x()) : 0;
}

int MainWindowLayout::width(const char* control) const
{
    const QWidget* widget = find(control);
    return widget ? toTwips(widget->width()) : 0;
}

} // namespace twinsweep
