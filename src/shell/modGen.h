#pragma once

#include <QString>

#include <optional>

#include "shell/PrintSurface.h"

namespace twinsweep {

struct Services;

/// Why printing failed, numbered the way the failure message shows it.
struct PrintFailure
{
    int number = 0;
    QString description;
    bool operator==(const PrintFailure&) const = default;
};

inline const PrintFailure PrinterMissing{
    484, "Problem getting printer information from the system. Make sure the printer is set up correctly."};
inline const PrintFailure PrinterError{482, "Printer error"};
inline const PrintFailure NoColumnWidth{11, "Division by zero"};

/// The text of the message box that reports a failed print.
QString printFailedText(const PrintFailure& failure);

/// Printing of list views.
namespace modGen {

/// Prints `list` as a table over 90% of the page width: `title` centred and underlined
/// at 12 points unless it is empty, a header row of raised boxes, then one outlined row
/// per item with each text cut to its cell with "...", the first column's icon, and
/// page breaks (later pages carry neither heading nor header row). `twipsPerPixel` is
/// the screen's (15 at 96 dpi): row heights and insets are screen pixels. On a failure
/// the job is aborted and the failure returned.
std::optional<PrintFailure> printTable(const PrintableList& list, const QString& title, PrintSurface& surface,
                                       int twipsPerPixel);

/// `printTable` with the hourglass; a failure is reported in a message box. True when
/// the whole list was printed.
bool PrintListView(const PrintableList& list, const QString& title, PrintSurface& surface, int twipsPerPixel,
                   Services& services);

} // namespace modGen
} // namespace twinsweep
