#include "FormLayout.h"

#include <QWidget>

#include "platform/Twips.h"

namespace twinsweep {

FormLayout::FormLayout(QWidget& window, QWidget& surface, QStringList placedControls)
    : m_window(window), m_surface(surface), m_placedControls(std::move(placedControls))
{}

double FormLayout::twips(int pixels) const
{
    return pixelsToTwips(pixels, m_window.logicalDpiX());
}

int FormLayout::pixels(int twips) const
{
    return twipsToPixels(twips, m_window.logicalDpiX());
}

WindowPlace FormLayout::windowPlace() const
{
    const QRect outer = m_window.frameGeometry();
    return {m_window.objectName().toStdString(),
            twips(outer.top()),
            twips(outer.left()),
            twips(outer.height()),
            twips(outer.width()),
            twips(m_surface.height()),
            twips(m_surface.width())};
}

ControlPlace FormLayout::controlPlace(const QWidget& control) const
{
    const QRect place = control.geometry();
    return {control.objectName().toStdString(),
            std::nullopt,
            twips(place.top()),
            twips(place.left()),
            twips(place.height()),
            twips(place.width())};
}

void FormLayout::RecordFormLayout()
{
    std::vector<ControlPlace> controls;
    for (const QString& name : m_placedControls) {
        if (const QWidget* control = m_surface.findChild<QWidget*>(name))
            controls.push_back(controlPlace(*control));
    }
    m_records.RecordFormLayout(windowPlace(), controls);
}

void FormLayout::ResizeControl(const char* name)
{
    QWidget* control = m_surface.findChild<QWidget*>(QLatin1String(name));
    if (!control)
        return;
    if (const std::optional<ScaledPlace> place = m_records.ResizeControl(controlPlace(*control), windowPlace()))
        control->setGeometry(pixels(place->Left), pixels(place->Top), pixels(place->Width), pixels(place->Height));
}

} // namespace twinsweep
