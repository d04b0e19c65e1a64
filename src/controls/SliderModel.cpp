#include "SliderModel.h"

#include <cmath>

namespace twinsweep {

namespace {
constexpr double DefaultValue = 0;
constexpr double DefaultMin = 0;
constexpr double DefaultMax = 100;
// The filled part starts 10 units left of the control and overlaps its right end by 2.
constexpr double BarOverhang = 12;
} // namespace

double SliderModel::Value() const
{
    return std::nearbyint(value);
}

void SliderModel::normalise()
{
    if (Max == min)
        Max = Max + 1;
    if (value < min)
        value = min;
    if (value > Max)
        value = Max;
}

double SliderModel::positionFromMouse(double x, double innerWidth) const
{
    if (innerWidth == 0)
        return value;
    return ((Max - min) * x + innerWidth * min) / innerWidth;
}

double SliderModel::barWidth(double innerWidth) const
{
    const double range = Max - min;
    return range == 0 ? BarOverhang : (value - min) * innerWidth / range + BarOverhang;
}

void SliderModel::ReadProperties(const QVariantHash& bag)
{
    value = bag.value("Value", DefaultValue).toDouble();
    min = bag.value("Min", DefaultMin).toDouble();
    Max = bag.value("Max", DefaultMax).toDouble();
    enabled = bag.value("Enabled", true).toBool();
}

void SliderModel::WriteProperties(QVariantHash& bag) const
{
    const auto write = [&bag](const char* key, double number, double fallback) {
        if (number != fallback)
            bag.insert(key, number);
        else
            bag.remove(key);
    };
    write("Value", value, DefaultValue);
    write("Min", min, DefaultMin);
    write("Max", Max, DefaultMax);
    if (!enabled)
        bag.insert("Enabled", false);
    else
        bag.remove("Enabled");
}

} // namespace twinsweep
