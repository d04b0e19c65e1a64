#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFiles.h"
#include "RecordingWinamp.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "controls/ui/SliderControl.h"
#include "playback/ui/PlaybackInstall.h"
#include "playback/ui/WinampInstall.h"
#include "queue/QueryList.h"
#include "tagtools/ui/id3edit.h"

namespace twinsweep {
namespace {

using Rows = std::vector<int>;

/// The main window with every subsystem plugged in, showing a playlist volume (present
/// wherever its files lie) of four files, the first of them missing; the outside player
/// is a recording one.
class MainWindowFileList
{
public:
    MainWindowFileList()
    {
        const int node = catalogue.TreeView1.add({folder + "1", "Nera", "Mix"});
        for (const char* name : {"gone.mp3", "a.mp3", "b.mp3", "c.mp3"})
            catalogue.ListFiles.push_back(test::makeRecord(name, folder, node));
        for (const char* name : {"a.mp3", "b.mp3", "c.mp3"})
            test::writeMp3(folder + name, {});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        installWinampControl(*window, &winamp);
        window->show();
        catalogue.TreeView1.select(node);
        window->ClickNOD();
        view = window->ListFiles2;
    }
    void select(const Rows& rows)
    {
        view->clearSelection();
        for (const int row : rows)
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QPoint rowCentre(int row) const { return view->visualRect(view->model()->index(row, 1)).center(); }
    /// The entries of `Meniu1` as a right click on `row` opens it.
    QList<QAction*> rightClick(int row)
    {
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, rowCentre(row));
        QMenu* menu = window->volumeFileList->Meniu1;
        menu->hide();
        return menu->actions();
    }
    void chooseEntry(const QString& name, int clickedRow)
    {
        for (QAction* entry : rightClick(clickedRow)) {
            if (entry->objectName() == name)
                return entry->trigger();
        }
        ADD_FAILURE() << "no entry " << name.toStdString();
    }
    QString path(const char* name) const { return folder + name; }
    QStringList queued() const
    {
        QStringList names;
        for (qsizetype row = 0; row < window->queryRows().size(); ++row)
            names << window->queryRows().row(row).Filename;
        return names;
    }

    const QString folder = QDir(test::freshFolder("file-list-menu")).canonicalPath() + '/';
    test::FakeServices fake;
    test::RecordingWinamp winamp;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
    QTableView* view = nullptr;
};

TEST(VolumeFileListMenuTest, EntriesKeysAndDoubleClickRunTheirCommands)
{
    const QString missing = "Can't find source! Please check is device connected or cd is inserted.";
    struct Case
    {
        const char* what;
        Rows selected;
        std::function<void(MainWindowFileList&)> start;
        std::function<void(MainWindowFileList&)> expect;
    };
    const auto entry = [](const char* name) {
        return [name](MainWindowFileList& main) { main.chooseEntry(name, main.view->currentIndex().row()); };
    };
    const auto key = [](Qt::KeyboardModifiers modifiers) {
        return [modifiers](MainWindowFileList& main) { QTest::keyClick(main.view, Qt::Key_Return, modifiers); };
    };
    const auto playsTheFirstSelectedRow = [missing](MainWindowFileList& main) {
        // The first selected file is the missing one; any other would have played.
        EXPECT_EQ(main.fake.prompt.texts(), QStringList{missing});
    };
    const auto playsInThePlayer = [](MainWindowFileList& main) {
        EXPECT_EQ(main.winamp.sent,
                  QStringList({"clear", "add " + main.path("a.mp3"), "add " + main.path("c.mp3"), "play"}));
    };
    const auto enqueuesInThePlayer = [](MainWindowFileList& main) {
        EXPECT_EQ(main.winamp.sent, QStringList({"add " + main.path("a.mp3"), "add " + main.path("c.mp3")}));
    };
    const Case cases[]{
        {"Play", {0, 2}, entry("play"), playsTheFirstSelectedRow},
        {"Enter", {0, 2}, key({}), playsTheFirstSelectedRow},
        {"double click",
         {0},
         [](MainWindowFileList& main) {
             // The click before makes the row the pressed one, as a real double click does.
             QTest::mouseClick(main.view->viewport(), Qt::LeftButton, {}, main.rowCentre(0));
             QTest::mouseDClick(main.view->viewport(), Qt::LeftButton, {}, main.rowCentre(0));
         },
         playsTheFirstSelectedRow},
        {"Play in WinAmp", {1, 3}, entry("winampplay"), playsInThePlayer},
        {"Ctrl+Enter", {1, 3}, key(Qt::ControlModifier), playsInThePlayer},
        {"Enqueue in WinAmp", {1, 3}, entry("winampenq"), enqueuesInThePlayer},
        {"Shift+Enter", {1, 3}, key(Qt::ShiftModifier), enqueuesInThePlayer},
        {"Esc",
         {1},
         [](MainWindowFileList& main) {
             main.window->playback->SliderControl1->setValue(40);
             QTest::keyClick(main.view, Qt::Key_Escape);
         },
         [](MainWindowFileList& main) { EXPECT_EQ(main.window->playback->SliderControl1->Value(), 100); }},
        {"Add to query",
         {1, 3},
         entry("addquery"),
         [](MainWindowFileList& main) {
             EXPECT_EQ(main.queued(), QStringList({"a.mp3", "c.mp3"}));
             EXPECT_EQ(main.window->statusPanel->text(), "2 item(s) added to query.");
             EXPECT_EQ(main.window->lowerPane->currentWidget(), main.window->query);
         }},
        {"Edit ID3 tag",
         {2, 3},
         entry("editid3a"),
         [](MainWindowFileList& main) {
             const auto* editor = main.window->findChild<id3edit*>();
             ASSERT_TRUE(editor);
             EXPECT_EQ(editor->txtFILE->text(), main.path("b.mp3"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindowFileList main;
        main.select(c.selected);
        main.view->selectionModel()->setCurrentIndex(main.view->model()->index(c.selected.front(), 0),
                                                     QItemSelectionModel::NoUpdate);
        c.start(main);
        c.expect(main);
    }
}

} // namespace
} // namespace twinsweep
