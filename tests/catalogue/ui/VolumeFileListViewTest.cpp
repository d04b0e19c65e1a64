#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/VolumeFileListView.h"
#include "platform/SettingKeys.h"
#include "shell/ui/ViewToggles.h"

namespace twinsweep {
namespace {

using Rows = std::vector<qsizetype>;

class VolumeFileListViewTest : public ::testing::Test
{
protected:
    void open(const QStringList& files = {"c.mp3", "a.mp3", "b.mp3"})
    {
        test::addVolume(catalogue, "Rock", files);
        test::addVolume(catalogue, "Jazz", {"j.mp3"});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        for (const auto& applyViewOption : window->lifecycle.viewOptions) // as start-up does
            applyViewOption();
        window->show();
        catalogue.TreeView1.select(1);
        window->ClickNOD();
        view = window->ListFiles2;
        files2 = window->volumeFileList;
    }
    void select(const Rows& rows)
    {
        view->clearSelection();
        for (const qsizetype row : rows)
            view->selectionModel()->select(view->model()->index(int(row), 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QStringList shownNames() const
    {
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            names << view->model()->index(row, 0).data().toString();
        return names;
    }
    void clickHeader(int section)
    {
        QHeaderView* header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(section) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    void plugIn(const QString& handler)
    {
        std::vector<Rows>* runs = &m_runs[handler];
        files2->commands().add(handler, [runs](const Rows& rows) { runs->push_back(rows); });
    }
    std::vector<Rows> runs(const QString& handler) { return m_runs[handler]; }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
    QTableView* view = nullptr;
    VolumeFileListView* files2 = nullptr;

private:
    std::map<QString, std::vector<Rows>> m_runs;
};

TEST_F(VolumeFileListViewTest, FirstColumnClickTogglesSortingOtherColumnsDoNothing)
{
    open();
    clickHeader(1);
    clickHeader(13);
    EXPECT_EQ(shownNames(), (QStringList{"c.mp3", "a.mp3", "b.mp3"}));
    EXPECT_FALSE(fake.settings.contains("View", "Sorted"));

    clickHeader(0);
    EXPECT_EQ(shownNames(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    EXPECT_EQ(fake.settings.value(Settings::Sorted), "True");
    EXPECT_TRUE(window->viewToggles->entry("Sorted")->isChecked()) << "the View menu's check follows";
    EXPECT_EQ(window->TreeView1->topLevelItem(0)->text(0), "Jazz") << "the tree is sorted by name too";

    clickHeader(0);
    EXPECT_EQ(shownNames(), (QStringList{"c.mp3", "a.mp3", "b.mp3"})) << "back in master order";
    EXPECT_EQ(fake.settings.value(Settings::Sorted), "False");
    EXPECT_EQ(window->TreeView1->topLevelItem(0)->text(0), "Rock");
}

TEST_F(VolumeFileListViewTest, TheViewMenusSortedEntryDoesTheSame)
{
    open();
    QAction* Sorted = window->viewToggles->entry("Sorted");
    ASSERT_TRUE(Sorted && Sorted->isVisible());
    Sorted->trigger();
    EXPECT_TRUE(files2->isSorted());
    EXPECT_EQ(shownNames(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    Sorted->trigger();
    EXPECT_FALSE(Sorted->isChecked());
    EXPECT_EQ(shownNames(), (QStringList{"c.mp3", "a.mp3", "b.mp3"}));
    EXPECT_EQ(fake.settings.value(Settings::Sorted), "False");
}

TEST_F(VolumeFileListViewTest, ASortedTreeStillSelectsTheRightVolume)
{
    fake.settings.setValue(Settings::Sorted, "True");
    open();
    EXPECT_TRUE(files2->isSorted());
    EXPECT_EQ(shownNames(), (QStringList{"a.mp3", "b.mp3", "c.mp3"}));
    window->TreeView1->setCurrentItem(window->TreeView1->topLevelItem(0));
    EXPECT_EQ(catalogue.TreeView1.selectedIndex(), 2) << "Jazz is shown first but stays volume 2";
    window->ClickNOD();
    EXPECT_EQ(shownNames(), QStringList{"j.mp3"});
}

TEST_F(VolumeFileListViewTest, ViewTogglesStoreTheNewStateAndSpareTheQueryList)
{
    open();
    EXPECT_TRUE(view->showGrid()) << "grid lines are on when nothing is stored";
    EXPECT_FALSE(files2->Hottrack->isChecked());

    files2->Gridlines->trigger();
    EXPECT_EQ(fake.settings.value(Settings::GridLines), "False");
    EXPECT_FALSE(view->showGrid());
    EXPECT_FALSE(window->Duplicates->showGrid());
    EXPECT_FALSE(files2->Gridlines->isChecked());

    const bool queryGrid = static_cast<QTableView*>(window->query)->showGrid();
    files2->Gridlines->trigger();
    EXPECT_EQ(fake.settings.value(Settings::GridLines), "True");
    EXPECT_EQ(static_cast<QTableView*>(window->query)->showGrid(), queryGrid);

    files2->Hottrack->trigger();
    EXPECT_EQ(fake.settings.value(Settings::HotTracking), "True");
    EXPECT_EQ(view->viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window->TreeView1->viewport()->cursor().shape(), Qt::PointingHandCursor);
}

/// Whether `view`'s delegate draws the item at `index` underlined.
struct DrawnFont : QStyledItemDelegate
{
    static bool underlined(QAbstractItemView* view, const QModelIndex& index)
    {
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.widget = view;
        QAbstractItemDelegate* delegate = view->itemDelegateForIndex(index);
        (static_cast<QStyledItemDelegate*>(delegate)->*&DrawnFont::initStyleOption)(&option, index);
        return option.font.underline();
    }
};

TEST_F(VolumeFileListViewTest, HotTrackingUnderlinesTheNameOfTheRowUnderThePointer)
{
    open();
    catalogue.Duplicates.assign({{1, "Rock"}, {2, "Rock"}});
    files2->Hottrack->trigger();
    QTreeWidget* tree = window->TreeView1;
    for (QAbstractItemView* list : std::initializer_list<QAbstractItemView*>{view, window->Duplicates, tree}) {
        const std::string name = list->objectName().toStdString();
        const QModelIndex pointed = list->model()->index(1, list->model()->columnCount() > 2 ? 2 : 0);
        ASSERT_TRUE(pointed.isValid()) << name;
        QTest::mouseMove(list->viewport(), list->visualRect(pointed).center());
        EXPECT_TRUE(DrawnFont::underlined(list, pointed.siblingAtColumn(0))) << name;
        EXPECT_FALSE(DrawnFont::underlined(list, list->model()->index(0, 0))) << name;
        if (pointed.column() != 0) {
            EXPECT_FALSE(DrawnFont::underlined(list, pointed)) << "only the name is underlined in " << name;
        }
    }
    files2->Hottrack->trigger();
    EXPECT_FALSE(DrawnFont::underlined(view, view->model()->index(1, 0)));
}

TEST_F(VolumeFileListViewTest, StoredViewSettingsAreReadAtStart)
{
    fake.settings.setValue(Settings::GridLines, "False");
    fake.settings.setValue(Settings::HotTracking, "True");
    open();
    EXPECT_FALSE(view->showGrid());
    EXPECT_FALSE(files2->Gridlines->isChecked());
    EXPECT_TRUE(files2->Hottrack->isChecked());
    EXPECT_FALSE(files2->isSorted());
}

TEST_F(VolumeFileListViewTest, KeysRunTheirCommandsOnlyWithRows)
{
    open({});
    for (const char* handler : {"play_Click", "Deletefilea1_Click", KeyCommand::StopPlayback})
        plugIn(handler);
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_TRUE(runs("play_Click").empty());
    EXPECT_TRUE(runs(KeyCommand::StopPlayback).empty()) << "Esc in an empty list stops nothing";
    EXPECT_TRUE(runs("Deletefilea1_Click").empty());
}

TEST_F(VolumeFileListViewTest, KeyTableWithRows)
{
    open();
    for (const char* handler : {"play_Click", "winampplay_Click", "Deletefilea1_Click", KeyCommand::StopPlayback})
        plugIn(handler);
    select({1});
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Return, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(runs("play_Click"), std::vector<Rows>{Rows{1}});
    EXPECT_EQ(runs("winampplay_Click"), std::vector<Rows>{Rows{1}});
    EXPECT_EQ(runs("Deletefilea1_Click"), std::vector<Rows>{Rows{1}});

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(files2->selectedRows(), Rows{1});
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(files2->selectedRows(), (Rows{0, 1, 2}));
    view->clearSelection();
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(runs(KeyCommand::StopPlayback), std::vector<Rows>{Rows{}});
}

TEST_F(VolumeFileListViewTest, RightClickSelectsByTheSharedRulesAndOpensMeniu1)
{
    open({"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
    struct Case
    {
        const char* what;
        Rows before;
        int clicked;
        Qt::KeyboardModifiers modifiers;
        Rows after;
    };
    const Case cases[]{
        {"two selected stay selected", {0, 1}, 3, {}, {0, 1}},
        {"one selected moves", {0}, 3, {}, {3}},
        {"Ctrl unselects a selected row", {0, 1}, 1, Qt::ControlModifier, {0}},
        {"Shift keeps the selection", {0}, 2, Qt::ShiftModifier, {0}},
    };
    for (const Case& c : cases) {
        select(c.before);
        const QPoint at = view->visualRect(view->model()->index(c.clicked, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::RightButton, c.modifiers, at);
        EXPECT_EQ(files2->selectedRows(), c.after) << c.what;
        ASSERT_TRUE(files2->Meniu1->isVisible()) << c.what;
        files2->Meniu1->hide();
    }
    QStringList entries;
    for (const QAction* action : files2->Meniu1->actions())
        entries << action->objectName();
    EXPECT_EQ(entries, (QStringList{"play", "winampplay", "winampenq", "addquery", "t0", "Copy1", "space3", "Copyto1",
                                    "Copyfile1", "renamefile1", "Moveto1", "Deletefilea1", "space4", "removefl1", "t7",
                                    "editid3a"}))
        << "the main window plugs in every command of the menu";
}

TEST_F(VolumeFileListViewTest, RightClickOnAnEmptyListOpensNothing)
{
    open({});
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(files2->Meniu1->isVisible());
}

TEST_F(VolumeFileListViewTest, MeniuEntryRunsItsCommandWithTheSelection)
{
    open();
    plugIn("Copyto1_Click");
    select({0, 2});
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->visualRect(view->model()->index(2, 3)).center());
    QAction* copyTo = nullptr;
    for (QAction* action : files2->Meniu1->actions()) {
        if (action->objectName() == "Copyto1")
            copyTo = action;
    }
    ASSERT_TRUE(copyTo);
    EXPECT_EQ(copyTo->text(), "Copy to...");
    copyTo->trigger();
    EXPECT_EQ(runs("Copyto1_Click"), std::vector<Rows>{(Rows{0, 2})});
}

TEST_F(VolumeFileListViewTest, LeftPressWithinTheTextMarksTheDraggedFile)
{
    open();
    view->setCurrentIndex(view->model()->index(0, 0));
    const QRect secondRow = view->visualRect(view->model()->index(1, 0));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(secondRow.left() + 2, secondRow.center().y()));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(secondRow.left() + 2, secondRow.center().y()));
    EXPECT_EQ(files2->DraggedFileItem, catalogue.ListFiles2.row(1).Tag);

    const QRect farRight = view->visualRect(view->model()->index(2, 5));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, farRight.center());
    EXPECT_EQ(files2->DraggedFileItem, catalogue.ListFiles2.row(1).Tag) << "a press right of the text keeps it";
}

} // namespace
} // namespace twinsweep
