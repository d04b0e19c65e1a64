#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "catalogue/ui/RowListView.h"
#include "duplicates/ui/ResultListView.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"
#include "queue/ui/QueryListView.h"

namespace twinsweep {
namespace {

using Rows = std::vector<qsizetype>;

class RecordingPlayer : public QueryPlayer
{
public:
    void playmedia(const QString& path) override { played.append(path); }
    QStringList played;
};

class QueryListViewTest : public ::testing::Test
{
protected:
    QueryListViewTest()
    {
        folder = test::freshFolder("queryview") + "/";
        test::writeFile(folder + "there.mp3");
        for (const char* name : {"a.mp3", "there.mp3", "c.mp3", "d.mp3"})
            rows.append({name, folder, "03:00", "Rock", true});
        window.resize(600, 400);
        view = new RowListView(&window);
        view->resize(600, 400);
        queryList = new QueryListView(view, {catalogue, rows, fake.services, player, [this] { ++stops; }}, &window);
        window.show();
    }
    void select(const Rows& selected)
    {
        view->clearSelection();
        for (const qsizetype row : selected)
            view->selectionModel()->select(view->model()->index(int(row), 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    Rows selection() const
    {
        Rows result;
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
            result.push_back(index.row());
        std::sort(result.begin(), result.end());
        return result;
    }
    QPoint rowCentre(int row) const { return view->visualRect(view->model()->index(row, 1)).center(); }
    void rightClick(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint below(10, view->viewport()->height() - 5);
        QTest::mouseClick(view->viewport(), Qt::RightButton, modifiers, row >= 0 ? rowCentre(row) : below);
    }

    test::FakeServices fake;
    Catalogue catalogue;
    QueryList rows;
    RecordingPlayer player;
    int stops = 0; // Esc stopping playback
    QString folder;
    QWidget window;
    QTableView* view = nullptr;
    QueryListView* queryList = nullptr;
};

TEST_F(QueryListViewTest, TheRightClickMovesOnlyASingleSelectionAndAlwaysOpensTheMenu)
{
    struct Case
    {
        Rows before;
        int clickedRow; // -1: below the rows
        Qt::KeyboardModifiers modifiers;
        Rows after;
    };
    const Case cases[]{
        {{0, 1, 2, 3}, 1, {}, {0, 1, 2, 3}},
        {{0}, 2, {}, {2}},
        {{}, 3, {}, {3}},
        {{1}, -1, {}, {}},
        {{0, 1}, 3, Qt::ControlModifier, {0, 1, 3}},
        {{0, 1}, 1, Qt::ControlModifier, {0}},
        {{0}, 2, Qt::ShiftModifier, {0}},
        {{0}, 2, Qt::ControlModifier | Qt::ShiftModifier, {0}},
    };
    for (const Case& c : cases) {
        select(c.before);
        rightClick(c.clickedRow, c.modifiers);
        EXPECT_EQ(selection(), c.after) << c.clickedRow;
        EXPECT_TRUE(queryList->querymenu->isVisible()) << c.clickedRow;
        queryList->querymenu->hide();
    }
    rows.clear();
    rightClick(-1);
    EXPECT_TRUE(queryList->querymenu->isVisible()) << "an empty list shows the menu too";
    queryList->querymenu->hide();
}

TEST_F(QueryListViewTest, TheMenuHoldsItsEntriesInOrderAndNoneIsDisabled)
{
    QStringList captions;
    for (const QAction* action : queryList->querymenu->actions()) {
        captions << (action->isSeparator() ? "-" : action->text());
        EXPECT_TRUE(action->isEnabled());
    }
    EXPECT_EQ(captions, QStringList({"Play", "-", "Remove from query", "Clear query list", "-", "-", "Mark as played",
                                     "Mark as unplayed", "-", "View Search results list"}));
}

TEST_F(QueryListViewTest, EnterAndDoubleClickPlayTheSelectedRowAndEscStopsPlayback)
{
    select({1});
    view->selectionModel()->setCurrentIndex(view->model()->index(1, 0), QItemSelectionModel::NoUpdate);
    QTest::keyClick(view, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(player.played.isEmpty()) << "Shift+Enter is not the list's key";
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(player.played, QStringList({folder + "there.mp3"}));
    EXPECT_EQ(rows.Tag(), "2");
    EXPECT_FALSE(rows.row(1).Checked);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(2));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rowCentre(2));
    EXPECT_EQ(fake.prompt.texts(),
              QStringList({"Can't find source! Please check is device connected or cd is inserted."}));
    EXPECT_TRUE(rows.row(2).Checked);

    QTest::keyClick(view, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_EQ(stops, 0);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(stops, 1);
}

TEST_F(QueryListViewTest, MenuCommandsActOnTheSelectedRow)
{
    select({2});
    queryList->querymplayed->trigger();
    EXPECT_EQ(rows.row(2).ForeColor, PlayedColor);
    EXPECT_TRUE(rows.row(2).Checked);
    queryList->querymunplayed->trigger();
    EXPECT_EQ(rows.row(2).ForeColor, SystemWindowText);
    queryList->queryrem->trigger();
    EXPECT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.row(2).Filename, "d.mp3");
    queryList->queryclear->trigger();
    EXPECT_TRUE(rows.isEmpty());
}

TEST(QueryListInMainWindow, ResultRowsGoToTheQueryListWhichTheViewMenuSwitches)
{
    test::FakeServices fake;
    Catalogue catalogue;
    test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
    catalogue.Duplicates.assign({{1, "Rock", SystemWindowText, false}, {2, "Rock", SystemWindowText, false}});
    MainWindow window(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
    window.show();
    EXPECT_EQ(window.lowerPane->currentWidget(), window.Duplicates);

    EXPECT_TRUE(window.resultList->commands().run("addquery1_Click", {1}));
    EXPECT_EQ(window.lowerPane->currentWidget(), window.query);
    EXPECT_TRUE(window.resultList->querysel->isChecked());
    EXPECT_EQ(window.query->model()->rowCount(), 1);
    EXPECT_EQ(window.statusPanel->text(), "1 item(s) added to query.");

    window.queryList->srcresult->trigger();
    EXPECT_EQ(window.lowerPane->currentWidget(), window.Duplicates);
    EXPECT_TRUE(window.resultList->serachsel->isChecked());
    EXPECT_TRUE(window.resultList->commands().run("queryshow1_Click", {}));
    EXPECT_EQ(window.lowerPane->currentWidget(), window.query);
}

} // namespace
} // namespace twinsweep
