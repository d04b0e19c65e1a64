#pragma once

#include <QStringList>

#include "controls/Resize.h"

class QSplitter;
class QWidget;

namespace twinsweep {

/// The layout records of one window: its inner area `surface` and the controls placed
/// on it by position, found by object name at any depth inside it. Controls that a Qt layout
/// places have no record: their layout keeps them in proportion inside their frame. A
/// recorded control that a splitter holds keeps its share of the split.
class FormLayout
{
public:
    FormLayout(QWidget& window, QWidget& surface, QStringList placedControls);

    /// Records the window at its current size and each placed control where it is now.
    void RecordFormLayout();
    void ResetLayouts() { m_records.ResetLayouts(); }
    bool recorded() const { return !m_records.formRecords().empty(); }
    /// Moves and sizes the control of that name in proportion to the window's inner
    /// size against the records; a control without a record stays where it is. In a
    /// splitter only its size along the split is scaled.
    void ResizeControl(const char* name);

private:
    void resizeInSplitter(QSplitter& splitter, QWidget& control, const ScaledPlace& place);
    WindowPlace windowPlace() const;
    ControlPlace controlPlace(const QWidget& control) const;
    double twips(int pixels) const;
    int pixels(int twips) const;

    QWidget& m_window;
    QWidget& m_surface;
    QStringList m_placedControls;
    Resize m_records;
};

} // namespace twinsweep
