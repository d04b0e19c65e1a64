#pragma once

#include <QFont>
#include <QPainter>

#include "shell/PrintSurface.h"

class QPrinter;

namespace twinsweep {

class PrintableList;
struct Services;

/// The printing's drawing surface on a `QPrinter`: twips become the printer's device
/// pixels; the job starts with `begin()`.
class PrinterSurface : public PrintSurface
{
public:
    explicit PrinterSurface(QPrinter& printer);

    double pageWidth() const override;
    double pageHeight() const override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    double fontSize() const override { return m_font.pointSizeF(); }
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void setUnderline(bool underline) override;
    void printText(double x, double y, const QString& text) override;
    void fillBox(double x1, double y1, double x2, double y2, ColorValue color) override;
    void outlineBox(double x1, double y1, double x2, double y2, ColorValue color) override;
    void drawIcon(double x, double y, double width, double height) override;
    bool begin() override;
    bool newPage() override;
    bool endDoc() override;
    void abort() override;

private:
    QRectF box(double x1, double y1, double x2, double y2) const;
    void applyFont();

    QPrinter& m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_pixelsPerTwip;
};

/// The screen's twips per pixel (15 at 96 dpi), which sets the printed row height.
int screenTwipsPerPixel();

/// Prints `list` as `modGen.PrintListView` does on `printer`; no printer (nullptr)
/// gives the failure message of a missing printer. True when the list was printed.
bool printListOn(QPrinter* printer, const PrintableList& list, const QString& title, Services& services);

} // namespace twinsweep
