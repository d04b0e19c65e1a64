#include "CellNumber.h"

#include <cmath>
#include <limits>

#include "catalogue/Module1.h"

namespace twinsweep {

namespace {
/// Plain digits are by far the most common cells; reading them directly keeps a
/// million-row report fast. Longer texts could overflow and take the general road.
std::optional<double> plainDigits(QStringView text)
{
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return double(value);
}
} // namespace

std::optional<double> cellNumber(QStringView text)
{
    if (const std::optional<double> digits = plainDigits(text))
        return digits;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString durationCellText(QStringView seconds, Rounding rounding)
{
    const std::optional<double> number = cellNumber(seconds);
    if (!number)
        return {};
    const double whole = rounding == Rounding::Down ? std::floor(*number) : std::nearbyint(*number);
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
        return {};
    return Module1::FormatDuration(qint64(whole));
}

} // namespace twinsweep
