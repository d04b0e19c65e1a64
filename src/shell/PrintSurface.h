#pragma once

#include <QString>

#include "catalogue/FileList.h"

namespace twinsweep {

/// The shadow of the printed header row (on the button face colour); the printer maps
/// both to the palette.
inline constexpr ColorValue SystemButtonShadow = 0x80000010u;

/// A printer page as the list printing draws on it: lengths in twips from the top
/// left corner of the printable area, y growing downward. The font has a size, a bold
/// and an underline setting; texts print with their top left corner at the position.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;
    virtual double fontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;
    virtual void setUnderline(bool underline) = 0;

    virtual void printText(double x, double y, const QString& text) = 0;
    virtual void fillBox(double x1, double y1, double x2, double y2, ColorValue color) = 0;
    virtual void outlineBox(double x1, double y1, double x2, double y2, ColorValue color) = 0;
    /// The list's small file icon, scaled to the box.
    virtual void drawIcon(double x, double y, double width, double height) = 0;

    /// Each returns false when the printer failed; `begin` starts the job.
    virtual bool begin() = 0;
    virtual bool newPage() = 0;
    virtual bool endDoc() = 0;
    /// Cancels the job; what was not yet sent is not printed.
    virtual void abort() = 0;
};

enum class ColumnAlignment { Left, Right, Center };

struct PrintColumn
{
    QString caption;
    int width = 0; // twips on the screen
    ColumnAlignment alignment = ColumnAlignment::Left;
};

/// A list as it is printed: its columns and the texts of its rows.
class PrintableList
{
public:
    virtual ~PrintableList() = default;
    virtual QList<PrintColumn> columns() const = 0;
    virtual qsizetype rowCount() const = 0;
    /// Column 0 is the row's text, the others its sub-items.
    virtual QString text(qsizetype row, int column) const = 0;
    /// Whether the row shows the small icon before its text.
    virtual bool hasIcon(qsizetype row) const = 0;
};

} // namespace twinsweep
