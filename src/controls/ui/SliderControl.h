#pragma once

#include <QWidget>

#include "controls/SliderModel.h"

class QAction;
class QMenu;

namespace twinsweep {

/// The program's own position bar: a filled bar whose width follows `Value`. The left
/// button sets the value where it presses and drags; the right button opens the pop-up
/// menu "Playback" with "Pause" and "Stop", which the placing window gives commands to.
/// The events report the button (1 left, 2 right), the shift state and the position in
/// pixels.
class SliderControl : public QWidget
{
    Q_OBJECT
public:
    explicit SliderControl(QWidget* parent = nullptr);

    bool Enabled() const { return m_model.enabled; }
    void setEnabled(bool enabled);
    double Max() const { return m_model.Max; }
    void setMax(double Max);
    double min() const { return m_model.min; }
    void setMin(double min);
    /// The value rounded to a whole number, halves to even.
    double Value() const { return m_model.Value(); }
    void setValue(double value);
    void RefreshMe();

    /// The persisted properties; the reading redraws once.
    void ReadProperties(const QVariantHash& bag);
    void WriteProperties(QVariantHash& bag) const { m_model.WriteProperties(bag); }

    /// What the placing window keeps with the control (the current channel's alias).
    QString Tag;

    QMenu* playback = nullptr;
    QAction* play_pause = nullptr;
    QAction* stop = nullptr;

Q_SIGNALS:
    void MouseDown(int Button, int Shift, double x, double y);
    void MouseMove(int Button, int Shift, double x, double y);
    void MouseUp(int Button, int Shift, double x, double y);
    void Click();
    void play_pauseClicked();
    void stopClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setFromMouse(double x);

    SliderModel m_model;
    bool m_pressed = false;
};

} // namespace twinsweep
