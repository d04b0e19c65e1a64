#pragma once

#include <QLocale>
#include <QString>

#include "shell/ListSource.h"

namespace twinsweep {

/// What a statistics window shows of a list.
struct ListStatistics
{
    QString size;     // total size with its unit, "3.07 MB"
    QString duration; // total duration, "01:01:01"
    QString abitr;    // average bit rate in kbit/s; "" for a list without rows
    qsizetype FileCount = 0;
    bool operator==(const ListStatistics&) const = default;
};

/// Sums a list's size, duration and bit-rate cells, the whole part of each; a cell
/// that is not a number adds nothing but its row still counts.
class StatisticsSums
{
public:
    void add(const FileRecord& record);
    ListStatistics result() const;

private:
    double m_size = 0;
    double m_duration = 0;
    double m_bitrate = 0;
    qsizetype m_rows = 0;
};

/// The statistics of every file of a list (the collection or one volume).
ListStatistics listStatistics(const ListSource& list);

/// The result list's statistics: all rows, and the checked rows alone.
struct ResultStatistics
{
    ListStatistics all;
    ListStatistics checked;
};
ResultStatistics resultStatistics(const FileList& results, const std::vector<FileRecord>& master);

/// The value labels' texts of an average bit rate and of a file count: "192 Kbit/s",
/// "3 file(s)".
QString bitRateLabel(const QString& abitr);
QString fileCountLabel(qsizetype count);

/// Bytes as the statistics show them: "1.5 GB" from 1 GiB of kilobytes up, else
/// thousands of kilobytes with " MB" ("3.07 MB", "0 MB"), rounded to two decimals,
/// an exact half to even, with the decimal separator of the user's locale ("3,07 MB"
/// in German).
QString statisticsSizeText(double bytes, const QLocale& locale = QLocale());
/// Seconds as hours, minutes and seconds of at least two digits each: "100:00:05".
QString statisticsDurationText(double seconds);

} // namespace twinsweep
