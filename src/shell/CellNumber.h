#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace twinsweep {

/// A list cell read as a number, as the reports read sizes, durations and bit rates:
/// decimal in the C locale, blanks around it allowed; no value when the text is not a
/// finite number (an empty cell included).
std::optional<double> cellNumber(QStringView text);

/// How a report makes whole seconds of a duration cell.
enum class Rounding { Down, ToNearestEven };

/// A duration cell as minutes and seconds ("01:05"); "" when the cell is not a number
/// or its whole seconds do not fit in 32 bits.
QString durationCellText(QStringView seconds, Rounding rounding);

} // namespace twinsweep
