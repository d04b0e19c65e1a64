#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <functional>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFolder.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "duplicates/ui/ResultListView.h"
#include "platform/SettingKeys.h"
#include "platform/VolumeLayer.h"

namespace twinsweep {
namespace {

/// The main window over three volumes of real files: the first volume shown, its four
/// files also in the result list.
struct MainWindowOverFiles
{
    MainWindowOverFiles()
    {
        addVolume(QDir(test::makeMediaFolder({"a.mp3", "b.mp3", "c.mp3", "d.mp3"})).canonicalPath() + '/');
        addVolume(QDir(test::makeMediaFolder({"e.mp3", "f.mp3"})).canonicalPath() + '/');
        addVolume(QDir(test::makeMediaFolder({"g.mp3"})).canonicalPath() + '/');
        catalogue.TreeView1.select(1);
        catalogue.Duplicates.assign(
            {{1, "Here", 255, true}, {2, "Here", 255, false}, {3, "Here", 255, false}, {4, "Here", 255, false}});
        fake.settings.setValue(Settings::Backup, "0");
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
        window->ClickNOD();
    }
    void addVolume(const QString& folder)
    {
        const SystemVolumeInfo system;
        const qint32 serial = system.serialNumber(system.mountPointOf(folder));
        const int index = catalogue.TreeView1.count() + 1;
        catalogue.TreeView1.add({folder + QString::number(index), QString::number(serial), "vol"});
        for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
            catalogue.ListFiles.push_back(test::makeRecord(name, folder, index));
        folders << folder;
    }
    void clickVolume(int index)
    {
        const QRect place = window->TreeView1->visualItemRect(window->TreeView1->topLevelItem(index - 1));
        QTest::mouseClick(window->TreeView1->viewport(), Qt::LeftButton, {}, place.center());
    }

    test::FakeServices fake;
    Catalogue catalogue;
    QStringList folders;
    std::unique_ptr<MainWindow> window;
};

void renameInPlace(MainWindowOverFiles& rig)
{
    rig.window->resultList->commands().run("renamefile_Click", rig.window->resultList->selectedRows());
    auto* editor = rig.window->Duplicates->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("bee.mp3");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor hands its text over in a queued call
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(KeyboardFocusTest, TheWidgetThatHadTheKeyboardKeepsItAfterACommand)
{
    using Rig = MainWindowOverFiles;
    const struct
    {
        const char* command;
        QAbstractItemView* (*widget)(Rig&);
        int row; // the current row before the command
        std::function<void(Rig&)> run;
        int rowAfterDown;
    } cases[]{
        {"rename in the result list", [](Rig& r) -> QAbstractItemView* { return r.window->Duplicates; }, 1,
         renameInPlace, 2},
        {"Del answered Yes in the result list", [](Rig& r) -> QAbstractItemView* { return r.window->Duplicates; }, 1,
         [](Rig& r) {
             r.fake.prompt.answers = {MessageAnswer::Yes};
             QTest::keyClick(r.window->Duplicates, Qt::Key_Delete);
         },
         2},
        {"Del answered Yes in the file list", [](Rig& r) -> QAbstractItemView* { return r.window->ListFiles2; }, 1,
         [](Rig& r) {
             r.fake.prompt.answers = {MessageAnswer::Yes};
             QTest::keyClick(r.window->ListFiles2, Qt::Key_Delete);
         },
         2},
        {"Shift+Del answered No in the result list", [](Rig& r) -> QAbstractItemView* { return r.window->Duplicates; },
         1,
         [](Rig& r) {
             r.fake.prompt.answers = {MessageAnswer::No};
             QTest::keyClick(r.window->Duplicates, Qt::Key_Delete, Qt::ShiftModifier);
         },
         2},
        {"update of the volume answered Yes", [](Rig& r) -> QAbstractItemView* { return r.window->ListFiles2; }, 1,
         [](Rig& r) {
             QFile::copy(r.folders[0] + "a.mp3", r.folders[0] + "new.mp3");
             r.fake.prompt.answers = {MessageAnswer::Yes};
             r.window->findChild<QAction*>("Updatevolume")->trigger();
         },
         2},
        {"click on a volume", [](Rig& r) -> QAbstractItemView* { return r.window->TreeView1; }, 0,
         [](Rig& r) { r.clickVolume(2); }, 2},
    };
    for (const auto& c : cases) {
        Rig rig;
        ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QAbstractItemView* widget = c.widget(rig);
        widget->setCurrentIndex(widget->model()->index(c.row, 0));
        widget->setFocus();
        c.run(rig);

        EXPECT_EQ(QApplication::focusWidget(), widget) << c.command;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : rig.window.get(), Qt::Key_Down);
        EXPECT_EQ(widget->currentIndex().row(), c.rowAfterDown) << c.command;
    }
}

TEST(KeyboardFocusTest, TabAndShiftTabLeaveEachList)
{
    MainWindowOverFiles rig;
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    MainWindow& window = *rig.window;
    window.volumeFileList->commands().run("addquery_Click", {0, 1});
    for (QTableView* list : {window.ListFiles2, window.Duplicates, window.query}) {
        const std::string name = list->objectName().toStdString();
        window.findChild<QAction*>(list == window.query ? "querysel" : "serachsel")->trigger();
        ASSERT_GT(list->model()->rowCount(), 0) << name;
        list->setCurrentIndex(list->model()->index(0, 0));
        for (const bool shift : {false, true}) {
            const char* key = shift ? "Shift+Tab" : "Tab";
            list->setFocus();
            QTest::keyClick(list, shift ? Qt::Key_Backtab : Qt::Key_Tab, shift ? Qt::ShiftModifier : Qt::NoModifier);
            EXPECT_NE(QApplication::focusWidget(), list) << name << ' ' << key;
            EXPECT_TRUE(list->currentIndex() == list->model()->index(0, 0)) << name << ' ' << key << " moves no cell";
        }
    }
}

} // namespace
} // namespace twinsweep
