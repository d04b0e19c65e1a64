#include "PrinterSurface.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPalette>
#include <QPrinter>
#include <QScreen>

#include <cmath>

#include "platform/ui/QtColor.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/modGen.h"
#include "shell/ui/FileIcon.h"

namespace twinsweep {

namespace {
QColor printColor(ColorValue color)
{
    if (color == SystemButtonShadow)
        return QApplication::palette().color(QPalette::Dark);
    if (color == SystemButtonFace)
        return QApplication::palette().color(QPalette::Button);
    return toQColor(color);
}

constexpr double DefaultFontPoints = 9;
} // namespace

PrinterSurface::PrinterSurface(QPrinter& printer)
    : m_printer(printer), m_font(QApplication::font()), m_pixelsPerTwip(printer.resolution() / 1440.0)
{
    m_font.setPointSizeF(DefaultFontPoints);
}

double PrinterSurface::pageWidth() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).width() / m_pixelsPerTwip;
}

double PrinterSurface::pageHeight() const
{
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height() / m_pixelsPerTwip;
}

double PrinterSurface::textWidth(const QString& text) const
{
    return QFontMetricsF(m_font, &m_printer).horizontalAdvance(text) / m_pixelsPerTwip;
}

double PrinterSurface::textHeight(const QString&) const
{
    return QFontMetricsF(m_font, &m_printer).height() / m_pixelsPerTwip;
}

void PrinterSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    applyFont();
}

void PrinterSurface::setBold(bool bold)
{
    m_font.setBold(bold);
    applyFont();
}

void PrinterSurface::setUnderline(bool underline)
{
    m_font.setUnderline(underline);
    applyFont();
}

void PrinterSurface::applyFont()
{
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

void PrinterSurface::printText(double x, double y, const QString& text)
{
    const double ascent = QFontMetricsF(m_font, &m_printer).ascent();
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(x * m_pixelsPerTwip, y * m_pixelsPerTwip + ascent), text);
}

QRectF PrinterSurface::box(double x1, double y1, double x2, double y2) const
{
    return QRectF(QPointF(x1, y1) * m_pixelsPerTwip, QPointF(x2, y2) * m_pixelsPerTwip).normalized();
}

void PrinterSurface::fillBox(double x1, double y1, double x2, double y2, ColorValue color)
{
    m_painter.fillRect(box(x1, y1, x2, y2), printColor(color));
}

void PrinterSurface::outlineBox(double x1, double y1, double x2, double y2, ColorValue color)
{
    m_painter.setPen(QPen(printColor(color), 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(box(x1, y1, x2, y2));
}

void PrinterSurface::drawIcon(double x, double y, double width, double height)
{
    const QRectF target = box(x, y, x + width, y + height);
    m_painter.drawPixmap(target, fileIconPixmap(64), QRectF(0, 0, 64, 64));
}

bool PrinterSurface::begin()
{
    if (!m_painter.begin(&m_printer))
        return false;
    m_painter.setFont(m_font);
    return true;
}

bool PrinterSurface::newPage()
{
    return m_printer.newPage();
}

bool PrinterSurface::endDoc()
{
    return m_painter.end() && m_printer.printerState() != QPrinter::Error;
}

void PrinterSurface::abort()
{
    m_printer.abort();
    if (m_painter.isActive())
        m_painter.end();
}

int screenTwipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return int(std::lround(twipsPerPixel(screen ? screen->logicalDotsPerInch() : 96.0)));
}

bool printListOn(QPrinter* printer, const PrintableList& list, const QString& title, Services& services)
{
    if (!printer) {
        services.prompt.tell(printFailedText(PrinterMissing), MessageIcon::Exclamation);
        return false;
    }
    PrinterSurface surface(*printer);
    return modGen::PrintListView(list, title, surface, screenTwipsPerPixel(), services);
}

} // namespace twinsweep
