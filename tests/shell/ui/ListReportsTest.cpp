#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QToolBar>

#include "ActionTexts.h"
#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "ModalWindows.h"
#include "QtPrinters.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "controls/ui/WinXPbut.h"
#include "shell/ui/Form2.h"
#include "shell/ui/Form3.h"
#include "shell/ui/Form7.h"
#include "shell/ui/ListReports.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {
namespace {

/// A main window over two volumes: "Rock" with two files of 1 MiB, 180 s and
/// 192 kbit/s, and "Jazz" with one file.
struct ReportsWindow
{
    ReportsWindow()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
        test::addVolume(catalogue, "Jazz", {"c.mp3"});
        for (FileRecord& file : catalogue.ListFiles) {
            file.setValue(Field::FileSize, "1048576");
            file.setValue(Field::Bitrate, "192");
        }
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        reports = window->findChild<ListReports*>();
    }
    QAction* action(const char* name) const { return window->findChild<QAction*>(name); }
    void selectVolume(int index) { catalogue.TreeView1.select(index); }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
    ListReports* reports = nullptr;
};

TEST(ListReportsTest, MenusAndToolbarsOfferTheReports)
{
    ReportsWindow main;
    ASSERT_NE(main.reports, nullptr);
    const QStringList collection = test::actionTexts(main.window->fileMenu->actions());
    const qsizetype exportAt = collection.indexOf("Export to...");
    ASSERT_GE(exportAt, 0);
    EXPECT_EQ(collection.mid(exportAt, 6),
              QStringList({"Export to...", "Import from...", "Print", "S&tatistics", "", "E&xit"}));
    EXPECT_EQ(main.action("txtFILE")->text(), "TXT file");

    const QStringList tree = test::actionTexts(main.window->popMNU->actions());
    EXPECT_EQ(tree.mid(tree.indexOf("Export to...") - 1), QStringList({"", "Export to...", "Statistics"}));
    EXPECT_EQ(main.action("txtfile1")->text(), "TXT file");

    for (const char* exportTo : {"exp", "exp1"}) {
        const QMenu* submenu = main.window->findChild<QMenu*>(exportTo);
        ASSERT_TRUE(submenu) << exportTo;
        EXPECT_EQ(test::actionTexts(submenu->actions()), QStringList({"M3U list", "PLS list", "TXT file"}))
            << "the playlists come first in " << exportTo;
    }

    EXPECT_TRUE(main.window->toolbars->button(ToolbarCommand::Statistics)->isVisible());
    EXPECT_TRUE(main.window->toolbars->button(ToolbarCommand::ResultStatistics)->isVisible());
}

TEST(ListReportsTest, StatisticsOfTheCollectionOfAVolumeAndOfTheResults)
{
    ReportsWindow main;
    main.action("Statistic")->trigger();
    Form2* form2 = main.reports->statisticsWindow();
    ASSERT_NE(form2, nullptr);
    EXPECT_TRUE(form2->isVisible());
    EXPECT_EQ(form2->windowTitle(), "Statistics");
    EXPECT_EQ(form2->parentWidget(), nullptr) << "shown without an owner";
    EXPECT_EQ(QStringList({form2->Label5->text(), form2->Label6->text(), form2->Label7->text(), form2->Label8->text()}),
              QStringList({"3.07 MB", "00:09:00", "192 Kbit/s", "3 file(s)"}));

    main.selectVolume(2);
    main.action("stat")->trigger();
    EXPECT_EQ(main.reports->statisticsWindow(), form2) << "the window stays loaded and is refilled";
    EXPECT_EQ(form2->Label8->text(), "1 file(s)");
    EXPECT_EQ(main.window->ListFiles2->model()->rowCount(), 1) << "the volume list was refreshed first";
    form2->Command1->click();
    EXPECT_FALSE(form2->isVisible());

    main.catalogue.Duplicates.assign({{1, "Rock", 0, true}, {3, "Jazz", 0, false}});
    main.window->toolbars->Toolbar2_ButtonClick(9);
    Form3* form3 = main.reports->resultStatisticsWindow();
    ASSERT_NE(form3, nullptr);
    EXPECT_TRUE(form3->isVisible());
    EXPECT_EQ(
        QStringList({form3->Label5->text(), form3->Label6->text(), form3->Label7->text(), form3->Label8->text(),
                     form3->Label13->text(), form3->Label14->text(), form3->Label15->text(), form3->Label16->text()}),
        QStringList(
            {"2.05 MB", "1.02 MB", "00:06:00", "00:03:00", "192 Kbit/s", "192 Kbit/s", "2 file(s)", "1 file(s)"}));
}

TEST(ListReportsTest, ExportsTheCollectionOrTheSelectedVolumeAsText)
{
    ReportsWindow main;
    const QString folder = test::freshFolder("reports");
    main.fake.dialogs.answers = {folder + "/all", folder + "/jazz.TXT", ""};
    main.action("txtFILE")->trigger();
    EXPECT_EQ(main.fake.dialogs.titles.value(0), "Save txt file");
    EXPECT_EQ(main.fake.dialogs.filters.value(0), "*.txt");
    EXPECT_EQ(test::readFile(folder + "/all.txt").count("\r\n"), 3 + 3);
    EXPECT_EQ(main.window->statusPanel->text(), "TXT file saved");

    main.selectVolume(2);
    main.action("txtfile1")->trigger();
    const QByteArray jazz = test::readFile(folder + "/jazz.TXT");
    EXPECT_EQ(jazz.count("\r\n"), 3 + 1);
    EXPECT_TRUE(jazz.contains("|c.mp3   |/media/Jazz/|03:00 |"));

    main.action("txtfile1")->trigger();
    EXPECT_EQ(main.window->statusPanel->text(), "Canceled");
    EXPECT_TRUE(main.window->isEnabled());
}

/// Opens the Print window from the Collection menu, runs `act` in it and closes it.
void inPrintWindow(ReportsWindow& main, const std::function<void(Form7&)>& act)
{
    bool seen = false;
    test::whenModal<Form7>([&](Form7& print) {
        seen = true;
        act(print);
        print.close();
    });
    main.action("printint")->trigger();
    EXPECT_TRUE(seen);
}

int pdfPages(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

TEST(ListReportsTest, PrintWindowOpensFilledForTheSelectedVolume)
{
    ReportsWindow main;
    main.selectVolume(1);
    main.window->ClickNOD();
    inPrintWindow(main, [&](Form7& print) {
        EXPECT_EQ(print.windowTitle(), "Print");
        EXPECT_TRUE(print.Option2->isChecked());
        QAbstractItemModel* rows = print.ListFiles2->model();
        ASSERT_EQ(rows->rowCount(), 2) << "filled when it opens";
        EXPECT_EQ(rows->index(0, 2).data().toString(), "03:00");
        EXPECT_EQ(rows->index(1, 3).data().toString(), "Rock");
        print.Option1->click();
        ASSERT_EQ(rows->rowCount(), 3);
        EXPECT_EQ(rows->index(2, 0).data().toString(), "c.mp3");
        EXPECT_EQ(rows->index(2, 3).data().toString(), "Jazz");
    });
}

TEST(ListReportsTest, TabLeavesThePrintList)
{
    ReportsWindow main;
    main.selectVolume(1);
    main.window->ClickNOD();
    inPrintWindow(main, [&](Form7& print) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&print));
        QTableView* list = print.ListFiles2;
        const QModelIndex first = list->model()->index(0, 0);
        const struct
        {
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool leaves;
        } keys[]{
            {"Tab", Qt::Key_Tab, Qt::NoModifier, true},
            {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, true},
            {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, false},
        };
        for (const auto& k : keys) {
            list->setCurrentIndex(first);
            list->setFocus();
            ASSERT_EQ(QApplication::focusWidget(), list) << k.name;
            QTest::keyClick(list, k.key, k.modifiers);
            EXPECT_EQ(QApplication::focusWidget() != list, k.leaves) << k.name;
            EXPECT_TRUE(list->currentIndex() == first) << k.name << " moves no cell";
        }
    });
}

TEST(ListReportsTest, PrintsIntoAPdfFileOrSaysThatNoPrinterIsThere)
{
    ReportsWindow main;
    for (int file = 0; file < 80; ++file)
        main.catalogue.ListFiles.push_back(test::makeRecord(QString("song %1.mp3").arg(file), "/media/Rock/", 1));
    const QString pdf = test::freshFolder("print") + "/list.pdf";
    main.reports->setPrinterSource([pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    inPrintWindow(main, [&](Form7& print) {
        print.Option1->click();
        print.Command1->click();
    });
    const QByteArray written = test::readFile(pdf);
    EXPECT_TRUE(written.startsWith("%PDF"));
    EXPECT_GT(written.size(), 5000);
    EXPECT_EQ(pdfPages(written), 2) << "83 rows fill one page and part of the next";
    EXPECT_TRUE(main.fake.prompt.texts().isEmpty());

    main.reports->setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
    inPrintWindow(main, [&](Form7& print) { print.Command1->click(); });
    EXPECT_EQ(main.fake.prompt.texts(),
              QStringList{"Print failed with the following error:-\n\nError Number: 484\nDescription:Problem getting "
                          "printer information from the system. Make sure the printer is set up correctly."});
}

} // namespace
} // namespace twinsweep
