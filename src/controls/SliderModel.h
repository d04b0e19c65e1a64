#pragma once

#include <QVariantHash>

namespace twinsweep {

/// The numbers behind the position slider `SliderControl`: a value between `min` and
/// `Max`, whether it takes input, and how mouse positions and the filled bar's width
/// follow from them. The widget draws and persists what this holds.
struct SliderModel
{
    double value = 0;
    double min = 0;
    double Max = 100;
    bool enabled = true;

    /// The value as the control reports it: rounded to a whole number, halves to even.
    double Value() const;
    /// What every redraw does first: an empty range grows by one, the value is clamped.
    void normalise();
    /// The unrounded value under a mouse at `x` of a bar `innerWidth` wide; the value
    /// as it is when the control has no width.
    double positionFromMouse(double x, double innerWidth) const;
    /// The width of the filled part, which starts 10 units left of the control.
    double barWidth(double innerWidth) const;

    /// The persisted properties "Value", "Min", "Max", "Enabled": a missing key reads as
    /// its default, and a value equal to its default is not written.
    void ReadProperties(const QVariantHash& bag);
    void WriteProperties(QVariantHash& bag) const;
};

} // namespace twinsweep
