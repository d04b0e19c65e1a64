#include "modGen.h"

#include <cmath>

#include "platform/Services.h"

namespace twinsweep {

QString printFailedText(const PrintFailure& failure)
{
    return "Print failed with the following error:-\n\nError Number: " + QString::number(failure.number) +
           "\nDescription:" + failure.description;
}

namespace modGen {

namespace {
constexpr ColorValue HeaderHighlight = 245 + 256 * 245 + 65536 * 245;
constexpr ColorValue CellOutline = 1;

/// One run of the table printing: the page's measures and where the next row goes.
class TablePrinter
{
public:
    TablePrinter(const PrintableList& list, PrintSurface& surface, int pixel, double totalWidth)
        : m_list(list),
          m_surface(surface),
          m_columns(list.columns()),
          m_px(pixel),
          m_py(pixel),
          m_scale(surface.pageWidth() * 0.9 / totalWidth),
          m_left(std::nearbyint((surface.pageWidth() - surface.pageWidth() * 0.95) / 2)),
          m_rowHeight(17.0 * pixel)
    {}

    void printHeading(const QString& title);
    void printHeaderRow();
    bool printRows();

private:
    double cellWidth(const PrintColumn& column) const { return std::nearbyint(column.width * m_scale); }
    double textLeft(const PrintColumn& column, double x, double indent, const QString& text) const;
    double textTop(double y, const QString& text) const
    {
        return (m_rowHeight - m_surface.textHeight(text)) / 2 + y + m_py;
    }
    QString cutToFit(QString text, double room) const;
    void printRow(qsizetype row, double y);

    const PrintableList& m_list;
    PrintSurface& m_surface;
    const QList<PrintColumn> m_columns;
    const double m_px;
    const double m_py;
    const double m_scale;
    const double m_left;
    const double m_rowHeight;
    double m_top = 0; // y0: below the heading, on every page
};

void TablePrinter::printHeading(const QString& title)
{
    if (title.isEmpty())
        return;
    const double size = m_surface.fontSize();
    m_surface.setFontSize(12);
    m_surface.setUnderline(true);
    m_surface.printText(m_surface.pageWidth() / 2 - m_surface.textWidth(title) / 2, 0, title);
    // The table starts as far below the heading line as the line is from the top.
    m_top = 2 * m_surface.textHeight(title);
    m_surface.setUnderline(false);
    m_surface.setFontSize(size);
}

void TablePrinter::printHeaderRow()
{
    const double y = m_top;
    const double bottom = m_top + m_rowHeight;
    double x = m_left;
    m_surface.setBold(true);
    for (const PrintColumn& column : m_columns) {
        const double right = x + cellWidth(column);
        // A raised box: light top and left edges, shadowed right and bottom edges.
        m_surface.fillBox(x, y, right, bottom, SystemButtonShadow);
        m_surface.fillBox(x, y, right - m_px, bottom, HeaderHighlight);
        m_surface.fillBox(x + m_px, y + m_py, right, bottom, SystemButtonShadow);
        m_surface.fillBox(x + m_px, y + m_py, right - m_px, bottom - m_py, SystemButtonFace);
        m_surface.printText(textLeft(column, x, 0, column.caption), textTop(y, column.caption), column.caption);
        x = right;
    }
    m_surface.setBold(false);
}

bool TablePrinter::printRows()
{
    const double breakBelow = m_surface.pageHeight() - 5 * m_rowHeight;
    double y = m_top;
    for (qsizetype row = 0; row < m_list.rowCount(); ++row) {
        if (y + m_rowHeight > breakBelow) {
            if (!m_surface.newPage())
                return false;
            y = m_top;
        } else {
            y += m_rowHeight;
        }
        printRow(row, y);
    }
    return true;
}

void TablePrinter::printRow(qsizetype row, double y)
{
    double x = m_left;
    for (int column = 0; column < m_columns.size(); ++column) {
        double indent = 0;
        if (column == 0 && m_list.hasIcon(row)) {
            m_surface.drawIcon(x + m_px, y + m_py / 2, 16 * m_px, 16 * m_py);
            indent = 16 * m_px;
        }
        const double width = cellWidth(m_columns[column]);
        const QString shown = cutToFit(m_list.text(row, column), width - 5 * m_px - indent);
        m_surface.outlineBox(x, y, x + width, y + m_rowHeight, CellOutline);
        m_surface.printText(textLeft(m_columns[column], x, indent, shown), textTop(y, shown), shown);
        x += width;
    }
}

double TablePrinter::textLeft(const PrintColumn& column, double x, double indent, const QString& text) const
{
    const double width = column.width * m_scale;
    switch (column.alignment) {
    case ColumnAlignment::Right: return x + width - indent - m_surface.textWidth(text) - 5 * m_px;
    case ColumnAlignment::Center: return x + indent + (width - m_surface.textWidth(text)) / 2;
    case ColumnAlignment::Left: break;
    }
    return x + indent + 5 * m_px;
}

QString TablePrinter::cutToFit(QString text, double room) const
{
    // Characters go from the end until the rest with "..." fits; an empty rest still
    // shows "..." even when that does not fit.
    QString shown = text;
    while (!text.isEmpty() && m_surface.textWidth(shown) >= room) {
        text.chop(1);
        shown = text + "...";
    }
    return shown;
}

double totalWidth(const PrintableList& list)
{
    double total = 0;
    for (const PrintColumn& column : list.columns())
        total += column.width;
    return total;
}
} // namespace

std::optional<PrintFailure> printTable(const PrintableList& list, const QString& title, PrintSurface& surface,
                                       int twipsPerPixel)
{
    const double total = totalWidth(list);
    std::optional<PrintFailure> failure;
    if (total == 0) {
        failure = NoColumnWidth;
    } else if (!surface.begin()) {
        failure = PrinterError;
    } else {
        TablePrinter printer(list, surface, twipsPerPixel, total);
        printer.printHeading(title);
        printer.printHeaderRow();
        if (!printer.printRows() || !surface.endDoc())
            failure = PrinterError;
    }
    // A job that failed part-way is cancelled rather than left half sent.
    if (failure)
        surface.abort();
    return failure;
}

bool PrintListView(const PrintableList& list, const QString& title, PrintSurface& surface, int twipsPerPixel,
                   Services& services)
{
    std::optional<PrintFailure> failure;
    {
        BusyGuard hourglass(services.busy);
        failure = printTable(list, title, surface, twipsPerPixel);
    }
    if (failure)
        services.prompt.tell(printFailedText(*failure), MessageIcon::Exclamation);
    return !failure;
}

} // namespace modGen
} // namespace twinsweep
