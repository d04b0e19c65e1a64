#include "FormLayout.h"

#include <QSplitter>
#include <QWidget>

#include <algorithm>

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
    const std::optional<ScaledPlace> place = m_records.ResizeControl(controlPlace(*control), windowPlace());
    if (!place)
        return;
    if (auto* splitter = qobject_cast<QSplitter*>(control->parentWidget()))
        resizeInSplitter(*splitter, *control, *place);
    else
        control->setGeometry(pixels(place->Left), pixels(place->Top), pixels(place->Width), pixels(place->Height));
}

void FormLayout::resizeInSplitter(QSplitter& splitter, QWidget& control, const ScaledPlace& place)
{
    // The splitter places its panes itself: the control takes its scaled size along
    // the split from its neighbour, after it or, for the last pane, before it.
    QList<int> sizes = splitter.sizes();
    const int index = splitter.indexOf(&control);
    if (sizes.size() < 2 || index < 0)
        return;
    const int neighbour = index + 1 < sizes.size() ? index + 1 : index - 1;
    const int room = sizes[index] + sizes[neighbour];
    const int wanted = pixels(splitter.orientation() == Qt::Horizontal ? place.Width : place.Height);
    sizes[index] = std::clamp(wanted, 0, room);
    sizes[neighbour] = room - sizes[index];
    splitter.setSizes(sizes);
}

} // namespace twinsweep
