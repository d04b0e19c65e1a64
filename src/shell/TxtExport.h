#pragma once

#include <QString>
#include <QStringView>

#include "shell/ListSource.h"

namespace twinsweep {

class EventPump;
struct Services;

/// Widths of the text table's three fields, each even and wide enough for its
/// caption ("Filename", "Path", "Durat.") and for every value in it.
struct TxtColumns
{
    qsizetype filename = 8;
    qsizetype path = 4;
    qsizetype duration = 6;

    void fit(QStringView filenameText, QStringView pathText, QStringView durationText);
    /// Three fields and four bars.
    qsizetype lineLength() const { return filename + path + duration + 4; }
};

/// A row's duration field: the seconds rounded to a whole number and written as
/// minutes and seconds ("01:05"); "" when the cell is not a 32-bit number.
QString txtDuration(QStringView seconds);

/// The table's lines: the rule of dashes, the header with centred captions, a row.
QString txtRule(const TxtColumns& columns);
QString txtHeader(const TxtColumns& columns);
QString txtRow(const TxtColumns& columns, QStringView filename, QStringView path, QStringView duration);

/// The file the table goes to: ".txt" is appended unless the chosen name already ends
/// in the letters "txt", in any case.
QString txtExportPath(const QString& chosen);

/// Writes `list` as the text table (rule, header, rule, one line per file, CR LF
/// line ends) to `path`, which is replaced only once the whole table is written.
/// Yields by time. False, with the reason in `error`, when the file was not written.
bool writeTxtTable(const ListSource& list, const QString& path, EventPump& pump, QString& error);

/// The text export of a list to the path chosen in the save dialog ("" when it was
/// cancelled, which only says "Canceled"); `path` gains ".txt" where the name lacks
/// it. The main window is busy meanwhile; the status bar tells the outcome.
void ExportListToTxt(const ListSource& list, QString& path, Services& services);

} // namespace twinsweep
