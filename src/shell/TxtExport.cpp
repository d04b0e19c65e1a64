#include "TxtExport.h"

#include "platform/LineWriter.h"
#include "platform/Services.h"
#include "shell/CellNumber.h"

namespace twinsweep {

namespace {
qsizetype evenWidth(qsizetype length)
{
    return length + length % 2;
}

QString field(QStringView value, qsizetype width)
{
    return value.left(width).toString().leftJustified(width);
}

QString centred(QStringView caption, qsizetype width)
{
    const QString blanks(width / 2 - caption.size() / 2, u' ');
    return blanks + caption + blanks;
}

/// Measures the whole list first, so that every line has the same length.
TxtColumns measure(const ListSource& list, TimedYield& yield)
{
    TxtColumns columns;
    for (qsizetype index = 0; index < list.size(); ++index) {
        yield.maybeYield();
        const FileRecord& file = list.record(index);
        columns.fit(file.value(Field::Filename), file.value(Field::Path), txtDuration(file.value(Field::Duration)));
    }
    return columns;
}
} // namespace

void TxtColumns::fit(QStringView filenameText, QStringView pathText, QStringView durationText)
{
    filename = qMax(filename, evenWidth(filenameText.size()));
    path = qMax(path, evenWidth(pathText.size()));
    duration = qMax(duration, evenWidth(durationText.size()));
}

QString txtDuration(QStringView seconds)
{
    // Read the way the file list's duration cell always was: to the nearest whole
    // number, a half to the even neighbour.
    return durationCellText(seconds, Rounding::ToNearestEven);
}

QString txtRule(const TxtColumns& columns)
{
    return QString(columns.lineLength(), u'-');
}

QString txtHeader(const TxtColumns& columns)
{
    return "|" + centred(u"Filename", columns.filename) + "|" + centred(u"Path", columns.path) + "|" +
           centred(u"Durat.", columns.duration) + "|";
}

QString txtRow(const TxtColumns& columns, QStringView filename, QStringView path, QStringView duration)
{
    return "|" + field(filename, columns.filename) + "|" + field(path, columns.path) + "|" +
           field(duration, columns.duration) + "|";
}

QString txtExportPath(const QString& chosen)
{
    return withFilterExtension(chosen, "*.txt");
}

bool writeTxtTable(const ListSource& list, const QString& path, EventPump& pump, QString& error)
{
    TimedYield yield(pump);
    const TxtColumns columns = measure(list, yield);
    LineWriter out(path);
    if (!out.open()) {
        error = out.errorString();
        return false;
    }
    out.writeLine(txtRule(columns));
    out.writeLine(txtHeader(columns));
    out.writeLine(txtRule(columns));
    for (qsizetype index = 0; index < list.size(); ++index) {
        yield.maybeYield();
        const FileRecord& file = list.record(index);
        out.writeLine(txtRow(columns, file.value(Field::Filename), file.value(Field::Path),
                             txtDuration(file.value(Field::Duration))));
    }
    if (!out.commit()) {
        error = out.errorString();
        return false;
    }
    return true;
}

void ExportListToTxt(const ListSource& list, QString& path, Services& services)
{
    if (path.isEmpty()) {
        services.status.setStatusText("Canceled");
        return;
    }
    BusyGuard busy(services.busy);
    path = txtExportPath(path);
    QString error;
    if (writeTxtTable(list, path, services.pump, error))
        services.status.setStatusText("TXT file saved");
    else
        services.status.setStatusText("TXT file not saved: " + error);
}

} // namespace twinsweep
