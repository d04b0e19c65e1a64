#include <gtest/gtest.h>

#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ui/ResultListView.h"

namespace twinsweep {
namespace {

using Rows = std::vector<qsizetype>;

class ResultListViewTest : public ::testing::Test
{
protected:
    ResultListViewTest()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"});
        catalogue.Duplicates.assign({{1, "Rock", 192, true},
                                     {2, "Rock", 192, false},
                                     {3, "Rock", 12582912, true},
                                     {4, "Rock", 12582912, false},
                                     {5, "Rock", 12582912, false}});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
        view = window->Duplicates;
        results = window->resultList;
    }
    void select(const Rows& rows)
    {
        view->clearSelection();
        for (const qsizetype row : rows)
            view->selectionModel()->select(view->model()->index(int(row), 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    /// Right click on a row, or below the last row for -1.
    void rightClick(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QPoint position = row >= 0 ? view->visualRect(view->model()->index(row, 1)).center()
                                         : QPoint(10, view->viewport()->height() - 5);
        QTest::mouseClick(view->viewport(), Qt::RightButton, modifiers, position);
    }
    QStringList shownActions(QMenu* menu) const
    {
        QStringList names;
        for (const QAction* action : menu->actions())
            names << action->objectName();
        return names;
    }
    QAction* action(QMenu* menu, const QString& name) const
    {
        for (QAction* entry : menu->actions()) {
            if (entry->objectName() == name)
                return entry;
        }
        return nullptr;
    }
    /// Plugs in a command that records the selection of each run.
    void plugIn(const QString& handler)
    {
        std::vector<Rows>* runs = &m_runs[handler];
        results->commands().add(handler, [runs](const Rows& rows) { runs->push_back(rows); });
    }
    std::vector<Rows> runs(const QString& handler) { return m_runs[handler]; }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
    QTableView* view = nullptr;
    ResultListView* results = nullptr;

private:
    std::map<QString, std::vector<Rows>> m_runs;
};

TEST_F(ResultListViewTest, RightClickSelectionRules)
{
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
        {"none selected: the clicked row", {}, 2, {}, {2}},
        {"one selected, click below the rows", {1}, -1, {}, {}},
        {"Ctrl unselects a selected row", {0, 1}, 1, Qt::ControlModifier, {0}},
        {"Ctrl adds an unselected row", {0, 1}, 4, Qt::ControlModifier, {0, 1, 4}},
        {"Ctrl below the rows", {0}, -1, Qt::ControlModifier, {0}},
        {"Shift keeps the selection", {0}, 3, Qt::ShiftModifier, {0}},
        {"Ctrl+Shift keeps the selection", {2}, 3, Qt::ControlModifier | Qt::ShiftModifier, {2}},
    };
    for (const Case& c : cases) {
        select(c.before);
        rightClick(c.clicked, c.modifiers);
        EXPECT_EQ(results->selectedRows(), c.after) << c.what;
        EXPECT_TRUE(results->Meniu->isVisible()) << c.what;
        results->Meniu->hide();
    }
}

TEST_F(ResultListViewTest, MeniuOffersOnlyCommandsThatExistInTheirOrder)
{
    const QStringList fileCommands{"Copy", "space1", "Copyto", "Copyfile", "renamefile", "Moveto", "Deletefilea"};
    rightClick(0);
    EXPECT_EQ(shownActions(results->Meniu),
              (QStringList{"Play1", "winampplay1", "winampenq1", "addquery1", "t2"} + fileCommands +
               QStringList{"space2", "removefrmc", "removefl", "Checkuncheck", "t8", "editid3", "t9", "queryshow1"}));
    results->Meniu->hide();

    plugIn("Play1_Click");
    select({1, 3});
    rightClick(3);
    EXPECT_EQ(shownActions(results->Meniu),
              (QStringList{"Play1", "winampplay1", "winampenq1", "addquery1", "t2"} + fileCommands +
               QStringList{"space2", "removefrmc", "removefl", "Checkuncheck", "t8", "editid3", "t9", "queryshow1"}));
    action(results->Meniu, "Play1")->trigger();
    EXPECT_EQ(runs("Play1_Click"), (std::vector<Rows>{Rows{1, 3}}));
}

TEST_F(ResultListViewTest, EmptyListOpensTheQueryMenuWhoseEntryShowsTheQueryList)
{
    catalogue.Duplicates.clear();
    rightClick(-1);
    EXPECT_FALSE(results->Meniu->isVisible());
    ASSERT_TRUE(results->querylist->isVisible());
    EXPECT_EQ(results->querylist->title(), "qvery");
    ASSERT_EQ(results->querylist->actions().size(), 1);
    EXPECT_EQ(results->querylist->actions().front()->text(), "View Query list");
    results->querylist->actions().front()->trigger();
    EXPECT_EQ(window->lowerPane->currentWidget(), window->query);
}

TEST_F(ResultListViewTest, MenuCommandsOfTheListItself)
{
    select({0, 1});
    rightClick(1);
    action(results->Meniu, "Checkuncheck")->trigger();
    std::vector<bool> checks;
    for (const ListRow& row : catalogue.Duplicates.rows())
        checks.push_back(row.Checked);
    EXPECT_EQ(checks, (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(view->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(window->statusPanel->text(), "Done");

    select({1, 2});
    rightClick(2);
    action(results->Meniu, "removefl")->trigger();
    ASSERT_EQ(view->model()->rowCount(), 3);
    EXPECT_EQ(view->model()->index(1, 0).data().toString(), "d.mp3");
    EXPECT_EQ(view->model()->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 192));
    EXPECT_EQ(catalogue.ListFiles.size(), 5u);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ResultListViewTest, KeysRunTheirCommandsOnANonEmptyList)
{
    for (const char* handler : {"Play1_Click", "winampplay1_Click", "winampenq1_Click", KeyCommand::StopPlayback})
        plugIn(handler);
    select({2});
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(runs("Play1_Click"), std::vector<Rows>{Rows{2}});
    EXPECT_EQ(runs("winampenq1_Click"), std::vector<Rows>{Rows{2}});
    EXPECT_TRUE(runs("winampplay1_Click").empty()) << "Ctrl+Shift+Enter does nothing";
    EXPECT_EQ(runs(KeyCommand::StopPlayback).size(), 1u);

    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you really want to delete selected file(s)?"});
    EXPECT_EQ(view->model()->rowCount(), 5) << "the question's default answer is No";

    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(results->selectedRows(), (Rows{0, 1, 2, 3, 4}));
}

TEST_F(ResultListViewTest, ShiftDelRemovesTheSelectedFilesFromTheCollection)
{
    select({0, 3});
    fake.prompt.answers = {MessageAnswer::Yes};
    QTest::keyClick(view, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(fake.prompt.texts(), QStringList{"Do you want to remove selected file(s) from collection?"});
    EXPECT_EQ(catalogue.ListFiles.size(), 3u);
    ASSERT_EQ(view->model()->rowCount(), 3);
    EXPECT_EQ(view->model()->index(2, 0).data().toString(), "e.mp3");
    EXPECT_EQ(catalogue.Duplicates.row(2).Tag, 3);
    EXPECT_TRUE(window->toolbarSave->isVisible());
}

TEST_F(ResultListViewTest, AnEmptyListIgnoresEveryKey)
{
    plugIn(KeyCommand::StopPlayback);
    catalogue.Duplicates.clear();
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(runs(KeyCommand::StopPlayback).empty());
    EXPECT_TRUE(results->selectedRows().empty());

    catalogue.Duplicates.assign({{1, "Rock"}});
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(runs(KeyCommand::StopPlayback), std::vector<Rows>{Rows{}}) << "Esc runs with nothing selected too";
}

TEST_F(ResultListViewTest, WindowMenuChoosesTheListOfTheLowerPane)
{
    EXPECT_TRUE(results->serachsel->isChecked());
    EXPECT_EQ(window->lowerPane->currentWidget(), view);

    results->querysel->trigger();
    EXPECT_EQ(window->lowerPane->currentWidget(), window->query);
    EXPECT_TRUE(results->querysel->isChecked());
    EXPECT_FALSE(results->serachsel->isChecked());

    catalogue.showLowerList(LowerList::Duplicates); // as a search shows its results
    EXPECT_EQ(window->lowerPane->currentWidget(), view);
    EXPECT_FALSE(results->querysel->isChecked());

    results->serachsel->trigger();
    EXPECT_TRUE(results->serachsel->isChecked()) << "choosing the shown list keeps its check mark";
    EXPECT_EQ(window->lowerPane->currentWidget(), view);
}

} // namespace
} // namespace twinsweep
