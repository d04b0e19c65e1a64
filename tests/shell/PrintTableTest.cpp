#include <gtest/gtest.h>

#include "FakeServices.h"
#include "QtPrinters.h"
#include "shell/modGen.h"

namespace twinsweep {
namespace {

/// A page of 10000 by `height` twips whose font prints 100 twips per character and
/// 200 high; it records what is drawn, page by page.
class FakeSurface : public PrintSurface
{
public:
    struct Text
    {
        int page;
        double x, y;
        QString text;
        double size;
        bool bold, underline;
    };
    struct Box
    {
        int page;
        double x1, y1, x2, y2;
        ColorValue color;
        bool filled;
    };

    explicit FakeSurface(double height = 15000) : m_height(height) {}
    double pageWidth() const override { return 10000; }
    double pageHeight() const override { return m_height; }
    double textWidth(const QString& text) const override { return 100.0 * text.size(); }
    double textHeight(const QString&) const override { return 200; }
    double fontSize() const override { return size; }
    void setFontSize(double points) override { size = points; }
    void setBold(bool on) override { bold = on; }
    void setUnderline(bool on) override { underline = on; }
    void printText(double x, double y, const QString& text) override
    {
        texts.push_back({page, x, y, text, size, bold, underline});
    }
    void fillBox(double x1, double y1, double x2, double y2, ColorValue color) override
    {
        boxes.push_back({page, x1, y1, x2, y2, color, true});
    }
    void outlineBox(double x1, double y1, double x2, double y2, ColorValue color) override
    {
        boxes.push_back({page, x1, y1, x2, y2, color, false});
    }
    void drawIcon(double x, double y, double width, double height) override
    {
        icons.push_back({page, x, y, x + width, y + height, 0, false});
    }
    bool begin() override { return !failBegin; }
    bool newPage() override
    {
        ++page;
        return page != failAtPage;
    }
    bool endDoc() override
    {
        ended = true;
        return true;
    }
    void abort() override { aborted = true; }

    /// The texts printed on a page, in order.
    QStringList textsOn(int onPage) const
    {
        QStringList result;
        for (const Text& text : texts) {
            if (text.page == onPage)
                result << text.text;
        }
        return result;
    }
    const Text& printed(const QString& text) const
    {
        return *std::find_if(texts.begin(), texts.end(), [&](const Text& t) { return t.text == text; });
    }

    double size = 9;
    bool bold = false;
    bool underline = false;
    int page = 0;
    bool failBegin = false;
    int failAtPage = -1;
    bool ended = false;
    bool aborted = false;
    std::vector<Text> texts;
    std::vector<Box> boxes;
    std::vector<Box> icons;

private:
    double m_height;
};

/// Two left-aligned columns of equal width (4500 twips each on the page), rows named
/// by their texts.
class TwoColumns : public PrintableList
{
public:
    TwoColumns(QList<QStringList> rows, bool icons) : m_rows(std::move(rows)), m_icons(icons) {}
    QList<PrintColumn> columns() const override { return m_columns; }
    qsizetype rowCount() const override { return m_rows.size(); }
    QString text(qsizetype row, int column) const override { return m_rows[row].value(column); }
    bool hasIcon(qsizetype) const override { return m_icons; }

    QList<PrintColumn> m_columns{{"Filename", 1000}, {"Path", 1000}};

private:
    QList<QStringList> m_rows;
    bool m_icons;
};

QList<QStringList> numberedRows(int count)
{
    QList<QStringList> rows;
    for (int row = 0; row < count; ++row)
        rows.append({"row" + QString::number(row), "/p/"});
    return rows;
}

constexpr int Pixel = 15; // twips per screen pixel at 96 dpi

TEST(PrintTableTest, CutsTextsToTheirCellWithDots)
{
    // A cell is 4500 wide; the text must stay narrower than 4500 - 75, less 240 more
    // for the icon in the first column.
    const QString fits44(44, u'a');
    const QString fits41(41, u'b');
    const struct
    {
        const char* name;
        QString text;
        bool icons;
        QString shown;
    } cases[] = {
        {"fits without icon", fits44, false, fits44},
        {"one too many without icon", fits44 + "a", false, QString(41, u'a') + "..."},
        {"fits beside the icon", fits41, true, fits41},
        {"one too many beside the icon", fits41 + "b", true, QString(38, u'b') + "..."},
        {"an empty text stays empty", "", true, ""},
    };
    for (const auto& c : cases) {
        FakeSurface surface;
        TwoColumns list({{c.text, c.text}}, c.icons);
        ASSERT_EQ(modGen::printTable(list, "", surface, Pixel), std::nullopt);
        const QStringList printed = surface.textsOn(0);
        ASSERT_EQ(printed.size(), 4) << c.name;
        EXPECT_EQ(printed[2], c.shown) << c.name;
        EXPECT_EQ(printed[3].size(), qMin<qsizetype>(c.text.size(), 44)) << c.name << ": no icon indent after column 1";
    }

    FakeSurface narrow;
    TwoColumns list({{"abc", "x"}}, true);
    list.m_columns = {{"A long caption", 10}, {"B", 10000}};
    ASSERT_EQ(modGen::printTable(list, "", narrow, Pixel), std::nullopt);
    EXPECT_EQ(narrow.textsOn(0), QStringList({"A long caption", "B", "...", "x"}))
        << "headers print whole; a text with no room at all shows the dots alone";
}

TEST(PrintTableTest, PlacesTheTableByThePageAndScreenPixels)
{
    FakeSurface surface;
    TwoColumns list({{"a.mp3", "/m/"}}, true);
    ASSERT_EQ(modGen::printTable(list, "", surface, Pixel), std::nullopt);

    // No heading: the header row starts at the top; the table starts 2.5% in.
    const FakeSurface::Text& caption = surface.printed("Filename");
    EXPECT_DOUBLE_EQ(caption.x, 250 + 75);
    EXPECT_DOUBLE_EQ(caption.y, (255 - 200) / 2.0 + 15);
    EXPECT_TRUE(caption.bold);
    const FakeSurface::Text& name = surface.printed("a.mp3");
    EXPECT_DOUBLE_EQ(name.x, 250 + 240 + 75);
    EXPECT_DOUBLE_EQ(name.y, 255 + (255 - 200) / 2.0 + 15);
    EXPECT_FALSE(name.bold);
    EXPECT_DOUBLE_EQ(surface.printed("/m/").x, 250 + 4500 + 75);

    ASSERT_EQ(surface.icons.size(), 1u);
    EXPECT_DOUBLE_EQ(surface.icons[0].x1, 250 + 15);
    EXPECT_DOUBLE_EQ(surface.icons[0].y1, 255 + 7.5);
    EXPECT_DOUBLE_EQ(surface.icons[0].x2 - surface.icons[0].x1, 240);
    EXPECT_DOUBLE_EQ(surface.icons[0].y2 - surface.icons[0].y1, 240);

    // Four raised boxes per header cell, then one outline per row cell.
    ASSERT_EQ(surface.boxes.size(), 10u);
    EXPECT_EQ(surface.boxes[0].color, SystemButtonShadow);
    EXPECT_EQ(surface.boxes[3].color, SystemButtonFace);
    const FakeSurface::Box& outline = surface.boxes[8];
    EXPECT_FALSE(outline.filled);
    EXPECT_DOUBLE_EQ(outline.x1, 250);
    EXPECT_DOUBLE_EQ(outline.y1, 255);
    EXPECT_DOUBLE_EQ(outline.x2, 4750);
    EXPECT_DOUBLE_EQ(outline.y2, 510);
    EXPECT_TRUE(surface.ended);
}

TEST(PrintTableTest, HeadingOnlyOnTheFirstPageAndPageBreaksBeforeTheBottomRows)
{
    // Breaks come once the previous row ends below H - 5 rows: 2295 - 1275 = 1020.
    FakeSurface surface(2295);
    TwoColumns list(numberedRows(10), false);
    ASSERT_EQ(modGen::printTable(list, "T w i n s w e e p Collection", surface, Pixel), std::nullopt);

    const FakeSurface::Text& heading = surface.printed("T w i n s w e e p Collection");
    EXPECT_EQ(heading.page, 0);
    EXPECT_DOUBLE_EQ(heading.x, 5000 - 1400);
    EXPECT_DOUBLE_EQ(heading.y, 0);
    EXPECT_DOUBLE_EQ(heading.size, 12);
    EXPECT_TRUE(heading.underline);
    EXPECT_DOUBLE_EQ(surface.size, 9) << "the font size comes back after the heading";
    EXPECT_FALSE(surface.underline);

    // The table starts twice the heading's line height down: 400.
    EXPECT_DOUBLE_EQ(surface.printed("Filename").y, 400 + 27.5 + 15);
    EXPECT_EQ(surface.textsOn(0).size(), 1 + 2 + 2 * 2) << "heading, header row, rows 0 and 1";
    EXPECT_EQ(surface.printed("row2").page, 1);
    EXPECT_DOUBLE_EQ(surface.printed("row2").y, 400 + 27.5 + 15) << "a later page's first row takes the header's place";
    EXPECT_EQ(surface.textsOn(1), QStringList({"row2", "/p/", "row3", "/p/", "row4", "/p/"}));
    EXPECT_EQ(surface.printed("row9").page, 3);
    EXPECT_EQ(surface.page, 3);
    for (const FakeSurface::Box& box : surface.boxes)
        EXPECT_TRUE(box.page == 0 || !box.filled) << "header boxes on the first page only";
}

TEST(PrintTableTest, AnEmptyListPrintsTheHeadingAndHeaderRowOnOnePage)
{
    FakeSurface surface;
    TwoColumns list({}, true);
    ASSERT_EQ(modGen::printTable(list, "Title", surface, Pixel), std::nullopt);
    EXPECT_EQ(surface.textsOn(0), QStringList({"Title", "Filename", "Path"}));
    EXPECT_EQ(surface.page, 0);
    EXPECT_TRUE(surface.ended);
    EXPECT_FALSE(surface.aborted);
}

TEST(PrintTableTest, FailuresAbortTheJobAndAreReported)
{
    const struct
    {
        const char* name;
        bool failBegin;
        int failAtPage;
        QList<PrintColumn> columns;
        PrintFailure failure;
    } cases[] = {
        {"the printer cannot start", true, -1, {{"A", 10}}, PrinterError},
        {"a new page fails", false, 1, {{"A", 10}}, PrinterError},
        {"columns without width", false, -1, {{"A", 0}, {"B", 0}}, NoColumnWidth},
    };
    for (const auto& c : cases) {
        FakeSurface surface(2295);
        surface.failBegin = c.failBegin;
        surface.failAtPage = c.failAtPage;
        TwoColumns list(numberedRows(10), false);
        list.m_columns = c.columns;
        test::FakeServices fake;
        EXPECT_FALSE(modGen::PrintListView(list, "", surface, Pixel, fake.services)) << c.name;
        EXPECT_TRUE(surface.aborted) << c.name;
        EXPECT_EQ(fake.prompt.texts(), QStringList{printFailedText(c.failure)}) << c.name;
        EXPECT_EQ(fake.prompt.shown.at(0).icon, MessageIcon::Exclamation);
        EXPECT_EQ(fake.busy.timesBusy, 1);
        EXPECT_EQ(fake.busy.depth, 0);
    }
    EXPECT_EQ(printFailedText(PrinterError),
              "Print failed with the following error:-\n\nError Number: 482\nDescription:Printer error");
}

} // namespace
} // namespace twinsweep
