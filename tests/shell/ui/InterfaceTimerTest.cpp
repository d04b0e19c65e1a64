#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "shell/ui/InterfaceTimer.h"
#include "shell/ui/Toolbars.h"

namespace twinsweep {
namespace {

class InterfaceTimerTest : public ::testing::Test
{
protected:
    InterfaceTimerTest()
    {
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
    }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            window->Timer1->Timer1_Timer();
    }
    bool entryEnabled(const char* name) const { return window->findChild<QAction*>(name)->isEnabled(); }
    bool buttonEnabled(const char* command) const { return window->toolbars->button(command)->isEnabled(); }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
};

TEST_F(InterfaceTimerTest, CommandsComeAliveWithTheFirstVolume)
{
    tick();
    for (const char* entry : {"Newlist", "Save", "Save1", "Search", "Renamevolume", "Removevolume"})
        EXPECT_FALSE(entryEnabled(entry)) << entry << " on an empty collection";
    for (const char* entry : {"cmdFind", "Load", "edit"})
        EXPECT_TRUE(entryEnabled(entry)) << entry << " stays available";
    EXPECT_FALSE(buttonEnabled(ToolbarCommand::Search));
    EXPECT_FALSE(buttonEnabled(ToolbarCommand::NewCollection));
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::AddVolume));
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::Open));
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::About));

    test::addVolume(catalogue, "Rock", {"a.mp3"});
    tick();
    for (const char* entry : {"Newlist", "Save", "Save1", "Search", "Renamevolume", "Removevolume", "edit"})
        EXPECT_TRUE(entryEnabled(entry)) << entry << " with one volume";
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::Search));
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::NewCollection));
}

TEST_F(InterfaceTimerTest, ResultButtonsFollowTheResultRows)
{
    test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3"});
    tick();
    EXPECT_FALSE(buttonEnabled(ToolbarCommand::DeleteFiles)) << "the result list is empty";
    EXPECT_FALSE(buttonEnabled(ToolbarCommand::ClearList));
    catalogue.Duplicates.assign({{1, "Rock", 0, true}, {2, "Rock", 0, false}});
    tick();
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::DeleteFiles));
    EXPECT_TRUE(buttonEnabled(ToolbarCommand::ClearList));

    window->toolbars->button(ToolbarCommand::ClearList)->trigger();
    EXPECT_EQ(window->Duplicates->model()->rowCount(), 0);
    EXPECT_EQ(window->statusPanel->text(), "List cleared");
    tick();
    EXPECT_FALSE(buttonEnabled(ToolbarCommand::ClearList));

    catalogue.showLowerList(LowerList::Query);
    catalogue.Duplicates.assign({{1, "Rock", 0, true}});
    tick();
    EXPECT_FALSE(buttonEnabled(ToolbarCommand::DeleteFiles)) << "the query list's rows cannot be deleted";
}

TEST_F(InterfaceTimerTest, AStatusTextDisappearsByItselfUnlessTheProgressBarShows)
{
    window->statusPanel->setText("Done");
    tick(1499);
    EXPECT_EQ(window->statusPanel->text(), "Done");
    tick();
    EXPECT_EQ(window->statusPanel->text(), "");

    window->statusPanel->setText("Scanning");
    window->ProgressBar1->show();
    tick(3000);
    EXPECT_EQ(window->statusPanel->text(), "Scanning") << "a visible progress bar pauses the count";
    window->ProgressBar1->hide();
    tick(1500);
    EXPECT_EQ(window->statusPanel->text(), "");
}

TEST_F(InterfaceTimerTest, TheProgressBarSitsRightOfTheStatusText)
{
    window->statusPanel->setText("Short");
    tick();
    const QRect shortText = window->ProgressBar1->geometry();
    window->statusPanel->setText("A much longer status text than the first one");
    tick();
    const QRect longText = window->ProgressBar1->geometry();
    EXPECT_GT(longText.left(), shortText.left());
    EXPECT_EQ(longText.right(), shortText.right()) << "the bar ends where the status bar ends";
    EXPECT_EQ(window->ProgressBar1->parentWidget(), window->statusBar());
}

} // namespace
} // namespace twinsweep
