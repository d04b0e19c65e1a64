#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QDir>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "MediaFolder.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/ListSelection.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "duplicates/ui/ResultListView.h"
#include "fileops/SelectedFiles.h"
#include "platform/SettingKeys.h"
#include "platform/VolumeLayer.h"
#include "shell/ui/Form7.h"
#include "shell/ui/Toolbars.h"
#include "controls/ui/WinXPbut.h"
#include "tagtools/ui/Form5.h"
#include "tagtools/ui/id3edit.h"
#include "tagtools/ui/renamer.h"

namespace twinsweep {
namespace {

/// The main window over three volumes of real files: the first volume (eight files)
/// shown, its first four files and the first file of the second volume also in the
/// result list.
struct MainWindowOverFiles
{
    MainWindowOverFiles()
    {
        addVolume(QDir(test::makeMediaFolder({"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3", "f.mp3", "g.mp3", "h.mp3"}))
                      .canonicalPath() +
                  '/');
        addVolume(QDir(test::makeMediaFolder({"i.mp3", "j.mp3"})).canonicalPath() + '/');
        addVolume(QDir(test::makeMediaFolder({"k.mp3"})).canonicalPath() + '/');
        catalogue.TreeView1.select(1);
        catalogue.Duplicates.assign({{1, "Here", 255, true},
                                     {2, "Here", 255, false},
                                     {3, "Here", 255, false},
                                     {4, "Here", 255, false},
                                     {9, "There", 255, false}});
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
    /// The second volume's medium is no longer in its drive.
    void unplugSecondVolume()
    {
        catalogue.TreeView1.setNodeTag(2, QString::number(catalogue.TreeView1.node(2).Tag.toLongLong() + 1));
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

/// Runs a modal tag tool window from the Tools menu and presses its start button once
/// `choose` has set its options.
template <typename Tool> void runTagTool(MainWindowOverFiles& rig, const char* action, void (*choose)(Tool&))
{
    rig.fake.prompt.answers = {MessageAnswer::Yes};
    QTimer::singleShot(0, [&rig, choose] {
        auto* tool = rig.window->findChild<Tool*>();
        ASSERT_NE(tool, nullptr);
        choose(*tool);
        QTest::mouseClick(tool->Command1, Qt::LeftButton);
    });
    rig.window->findChild<QAction*>(action)->trigger();
}

/// A list's current row and its selected rows.
struct ListPlace
{
    int current;
    std::vector<qsizetype> selected;
};

ListPlace placeOf(const QAbstractItemView* list)
{
    return {list->currentIndex().row(), selectedRowPositions(list->selectionModel())};
}

void choose(QAbstractItemView* list, const ListPlace& place)
{
    QItemSelection chosen;
    for (const qsizetype row : place.selected)
        chosen.select(list->model()->index(int(row), 0), list->model()->index(int(row), 0));
    list->selectionModel()->setCurrentIndex(list->model()->index(place.current, 0), QItemSelectionModel::NoUpdate);
    list->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

TEST(KeyboardFocusTest, AListKeepsItsCurrentRowAndTheSelectionOfTheRowsThatStay)
{
    using Rig = MainWindowOverFiles;
    const auto files = [](Rig& r) -> QAbstractItemView* { return r.window->ListFiles2; };
    const auto results = [](Rig& r) -> QAbstractItemView* { return r.window->Duplicates; };
    const struct
    {
        const char* command;
        QAbstractItemView* (*widget)(Rig&);
        ListPlace before;
        std::function<void(Rig&)> run;
        ListPlace after;
    } cases[]{
        {"Del in the file list with a file that cannot be deleted",
         files,
         {4, {0, 2, 4}},
         [](Rig& r) {
             QFile::remove(r.folders[0] + "c.mp3");
             r.fake.prompt.answers = {MessageAnswer::Yes};
             QTest::keyClick(r.window->ListFiles2, Qt::Key_Delete);
         },
         {4, {1}}},
        {"Del in the result list with a volume not present",
         results,
         {0, {0, 3, 4}},
         [](Rig& r) {
             r.unplugSecondVolume();
             r.fake.prompt.answers = {MessageAnswer::Yes};
             QTest::keyClick(r.window->Duplicates, Qt::Key_Delete);
         },
         {0, {2}}},
        {"Delete file(s) with a checked file on a volume not present",
         results,
         {1, {1, 4}},
         [](Rig& r) {
             r.unplugSecondVolume();
             r.catalogue.Duplicates.setChecked(4, true);
             r.fake.prompt.answers = {MessageAnswer::Yes};
             r.window->toolbars->button(ToolbarCommand::DeleteFiles)->trigger();
         },
         {0, {0, 3}}},
        {"Save in the tag editor",
         files,
         {4, {2, 4}},
         [](Rig& r) {
             r.window->volumeFileList->commands().run("editid3a_Click", r.window->volumeFileList->selectedRows());
             auto* editor = r.window->findChild<id3edit*>();
             ASSERT_NE(editor, nullptr);
             QTest::mouseClick(editor->winxpbut1, Qt::LeftButton);
         },
         {4, {2, 4}}},
        {"a renamer run",
         files,
         {7, {1, 7}},
         [](Rig& r) {
             r.catalogue.ListFiles[7].setValue(Field::Title, "T");
             r.catalogue.ListFiles[7].setValue(Field::Artist, "A");
             runTagTool<renamer>(r, "rnmr", [](renamer&) {});
         },
         {7, {1, 7}}},
        {"a file name to tag run",
         files,
         {3, {0, 3}},
         [](Rig& r) {
             runTagTool<Form5>(r, "filnametotag", [](Form5& tool) {
                 tool.Combo1->setCurrentIndex(0);
                 tool.Combo3->setCurrentIndex(0);
             });
         },
         {3, {0, 3}}},
        {"Update volume",
         files,
         {1, {1, 2}},
         [](Rig& r) {
             QFile::copy(r.folders[0] + "a.mp3", r.folders[0] + "new.mp3");
             r.fake.prompt.answers = {MessageAnswer::Yes};
             r.window->findChild<QAction*>("Updatevolume")->trigger();
         },
         {1, {1, 2}}},
        {"sorting by file name",
         files,
         {5, {2, 5}},
         [](Rig& r) {
             r.catalogue.ListFiles[0].setValue(Field::Filename, "z.mp3");
             QTest::mouseClick(r.window->ListFiles2->horizontalHeader()->viewport(), Qt::LeftButton, {},
                               {r.window->ListFiles2->horizontalHeader()->sectionViewportPosition(0) + 5, 5});
         },
         {4, {1, 4}}},
    };
    for (const auto& c : cases) {
        Rig rig;
        ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QAbstractItemView* widget = c.widget(rig);
        choose(widget, c.before);
        widget->setFocus();
        c.run(rig);

        EXPECT_EQ(rig.window->focusWidget(), widget) << c.command;
        const ListPlace after = placeOf(widget);
        EXPECT_EQ(after.current, c.after.current) << c.command;
        EXPECT_EQ(after.selected, c.after.selected) << c.command;
    }
}

/// Rows counted from the end where negative: -1 is the last row.
ListPlace fromEnd(const QAbstractItemView* list, ListPlace place)
{
    const int count = list->model()->rowCount();
    const auto resolve = [count](auto row) { return row < 0 ? row + count : row; };
    place.current = resolve(place.current);
    for (qsizetype& row : place.selected)
        row = resolve(row);
    return place;
}

using KeyPresses = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

void press(QWidget* widget, const KeyPresses& keys)
{
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(widget, key, modifiers);
}

TEST(KeyboardFocusTest, KeysMoveFromRowToRowInEveryListAndSelectAsTheArrowsDo)
{
    MainWindowOverFiles rig;
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    MainWindow& window = *rig.window;
    window.volumeFileList->commands().run("addquery_Click", {0, 1, 2, 3, 4, 5, 6, 7});
    std::unique_ptr<Form7> print;
    const auto shown = [&window](QTableView* list, const char* entry) {
        window.findChild<QAction*>(entry)->trigger();
        return list;
    };
    const std::pair<const char*, std::function<QTableView*()>> lists[]{
        {"file list", [&] { return window.ListFiles2; }},
        {"result list", [&] { return shown(window.Duplicates, "serachsel"); }},
        {"query list", [&] { return shown(window.query, "querysel"); }},
        {"print list",
         [&] {
             print = std::make_unique<Form7>(rig.catalogue, rig.fake.services, Form7::PrinterSource(), &window);
             print->show();
             return print->ListFiles2;
         }},
    };
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier;
    const struct
    {
        const char* keys;
        ListPlace before;
        KeyPresses press;
        ListPlace after;
    } cases[]{
        {"End", {1, {1}}, {{Qt::Key_End, none}}, {-1, {-1}}},
        {"Home", {3, {3}}, {{Qt::Key_Home, none}}, {0, {0}}},
        // The cursor stays where it is, on a row the list entered without selecting it.
        {"Home on the first row", {0, {}}, {{Qt::Key_Home, none}}, {0, {0}}},
        {"End on the last row", {-1, {}}, {{Qt::Key_End, none}}, {-1, {-1}}},
        {"Ctrl+End", {1, {1}}, {{Qt::Key_End, ctrl}}, {-1, {-1}}},
        {"Ctrl+Home", {3, {3}}, {{Qt::Key_Home, ctrl}}, {0, {0}}},
        // The arrow sets where Shift extends the selection from.
        {"Up, Shift+End", {-2, {-2}}, {{Qt::Key_Up, none}, {Qt::Key_End, shift}}, {-1, {-3, -2, -1}}},
        {"Down, Shift+Home", {1, {1}}, {{Qt::Key_Down, none}, {Qt::Key_Home, shift}}, {0, {0, 1, 2}}},
        // On the first or last row Shift+Home and Shift+End keep the range Shift built.
        {"Up, Shift+Up, Shift+Home",
         {2, {2}},
         {{Qt::Key_Up, none}, {Qt::Key_Up, shift}, {Qt::Key_Home, shift}},
         {0, {0, 1}}},
        {"Down, Shift+Down, Shift+End",
         {-3, {-3}},
         {{Qt::Key_Down, none}, {Qt::Key_Down, shift}, {Qt::Key_End, shift}},
         {-1, {-2, -1}}},
        {"Shift+Home on the first row", {0, {}}, {{Qt::Key_Home, shift}}, {0, {0}}},
        {"Page Down to the end", {0, {0}}, KeyPresses(8, {Qt::Key_PageDown, none}), {-1, {-1}}},
        {"Page Up to the top", {-1, {-1}}, KeyPresses(8, {Qt::Key_PageUp, none}), {0, {0}}},
        {"Ctrl+Down, Ctrl+Down, Ctrl+Space",
         {0, {0}},
         {{Qt::Key_Down, ctrl}, {Qt::Key_Down, ctrl}, {Qt::Key_Space, ctrl}},
         {2, {0, 2}}},
        {"Ctrl+Space on a selected row", {2, {0, 2}}, {{Qt::Key_Space, ctrl}}, {2, {0}}},
    };
    const std::vector<qsizetype> checked = checkedTags(rig.catalogue.Duplicates);
    for (const auto& [listName, list] : lists) {
        QTableView* view = list();
        for (const auto& c : cases) {
            const std::string name = std::string(listName) + ' ' + c.keys;
            choose(view, fromEnd(view, c.before));
            press(view, c.press);

            const ListPlace expected = fromEnd(view, c.after);
            const ListPlace after = placeOf(view);
            EXPECT_EQ(after.current, expected.current) << name;
            EXPECT_EQ(after.selected, expected.selected) << name;
            EXPECT_EQ(view->currentIndex().column(), 0) << name << " moves sideways";
            EXPECT_EQ(checkedTags(rig.catalogue.Duplicates), checked) << name;
        }
    }
}

TEST(KeyboardFocusTest, ACommandActsOnTheRowTheKeysReached)
{
    using Rig = MainWindowOverFiles;
    const struct
    {
        const char* keys;
        QTableView* (*list)(Rig&);
        KeyPresses press;
        std::function<void(Rig&)> expect;
    } cases[]{
        {"End, Del in the file list",
         [](Rig& r) { return r.window->ListFiles2; },
         {{Qt::Key_End, {}}, {Qt::Key_Delete, {}}},
         [](Rig& r) {
             EXPECT_FALSE(QFile::exists(r.folders[0] + "h.mp3"));
             EXPECT_TRUE(QFile::exists(r.folders[0] + "a.mp3"));
         }},
        {"Ctrl+Down, Space in the result list",
         [](Rig& r) { return r.window->Duplicates; },
         {{Qt::Key_Down, Qt::ControlModifier}, {Qt::Key_Space, {}}},
         [](Rig& r) {
             EXPECT_EQ(checkedTags(r.catalogue.Duplicates), (std::vector<qsizetype>{1, 2}));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Rig rig;
        ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QTableView* list = c.list(rig);
        choose(list, {0, {0}});
        list->setFocus();
        rig.fake.prompt.answers = {MessageAnswer::Yes};
        press(list, c.press);
        c.expect(rig);
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
