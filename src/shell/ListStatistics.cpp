#include "ListStatistics.h"

#include <QLocale>

#include <cmath>

#include "shell/CellNumber.h"

namespace twinsweep {

namespace {
double wholePart(const QString& cell)
{
    const std::optional<double> number = cellNumber(cell);
    return number ? std::floor(*number) : 0.0;
}

QString wholeNumber(double number)
{
    return QString::number(number, 'f', 0);
}

QString twoOrMoreDigits(double number)
{
    return wholeNumber(number).rightJustified(2, u'0');
}

/// Rounded to two decimals, written without trailing zeros or digit grouping, with the
/// decimal separator of `locale`.
QString twoDecimals(double number, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(std::nearbyint(number * 100.0) / 100.0, 'g', 15);
}
} // namespace

void StatisticsSums::add(const FileRecord& record)
{
    m_size += wholePart(record.value(Field::FileSize));
    m_duration += wholePart(record.value(Field::Duration));
    m_bitrate += wholePart(record.value(Field::Bitrate));
    ++m_rows;
}

ListStatistics StatisticsSums::result() const
{
    const QString average = m_rows > 0 ? wholeNumber(std::floor(m_bitrate / double(m_rows))) : QString();
    return {statisticsSizeText(m_size), statisticsDurationText(m_duration), average, m_rows};
}

ListStatistics listStatistics(const ListSource& list)
{
    StatisticsSums sums;
    for (qsizetype index = 0; index < list.size(); ++index)
        sums.add(list.record(index));
    return sums.result();
}

ResultStatistics resultStatistics(const FileList& results, const std::vector<FileRecord>& master)
{
    const ListSource list(results, master);
    StatisticsSums all;
    StatisticsSums checked;
    for (qsizetype index = 0; index < list.size(); ++index) {
        all.add(list.record(index));
        if (results.row(index).Checked)
            checked.add(list.record(index));
    }
    return {all.result(), checked.result()};
}

QString bitRateLabel(const QString& abitr)
{
    return abitr + " Kbit/s";
}

QString fileCountLabel(qsizetype count)
{
    return QString::number(count) + " file(s)";
}

QString statisticsSizeText(double bytes, const QLocale& locale)
{
    const double kilobytes = bytes / 1024.0;
    if (kilobytes >= 1048576.0)
        return twoDecimals(kilobytes / 1048576.0, locale) + " GB";
    // Small totals take the same form ("0 MB" for an empty list): one unit for all
    // lists below a gigabyte reads more evenly than a kilobyte form would.
    return twoDecimals(kilobytes / 1000.0, locale) + " MB";
}

QString statisticsDurationText(double seconds)
{
    if (seconds < 0)
        return "-" + statisticsDurationText(-seconds);
    const double hours = std::floor(seconds / 3600.0);
    const double minutes = std::floor((seconds - 3600.0 * hours) / 60.0);
    const double rest = seconds - (60.0 * minutes + 3600.0 * hours);
    return twoOrMoreDigits(hours) + ":" + twoOrMoreDigits(minutes) + ":" + twoOrMoreDigits(rest);
}

} // namespace twinsweep
