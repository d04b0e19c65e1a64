#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "shell/ui/SearchWindowBinding.h"

namespace twinsweep {
namespace {

class SearchWindowBindingTest : public ::testing::Test
{
protected:
    SearchWindowBindingTest()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "A.mp3", "b.mp3"});
        window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        binding = window->findChild<SearchWindowBinding*>();
    }

    test::FakeServices fake;
    Catalogue catalogue;
    std::unique_ptr<MainWindow> window;
    SearchWindowBinding* binding = nullptr;
};

TEST_F(SearchWindowBindingTest, ToolsMenuAndResultToolbarOpenTheSearch)
{
    ASSERT_NE(binding, nullptr);
    const QList<QAction*> tools = window->toolsMenu->actions();
    const auto search = std::find_if(tools.begin(), tools.end(), [](QAction* a) { return a->text() == "&Search"; });
    ASSERT_NE(search, tools.end());
    EXPECT_EQ((*search)->shortcut(), QKeySequence(Qt::Key_F3));
    ASSERT_FALSE(window->Toolbar2->actions().isEmpty());
    EXPECT_EQ(window->Toolbar2->actions().first()->text(), "Search");
}

TEST_F(SearchWindowBindingTest, FindShowsTheGroupsInTheResultList)
{
    find& search = binding->findWindow();
    search.show();
    search.Check15->click();
    GroupColors cycle;
    // The exact search, then the approximate one; each finds a and A in the next colour.
    for (const int tab : {3, 4}) {
        SCOPED_TRACE(tab);
        catalogue.showLowerList(LowerList::Query);
        search.TabStrip1->setCurrentIndex(tab - 1);
        search.Command1->click();
        EXPECT_EQ(window->lowerPane->currentWidget(), window->Duplicates);
        EXPECT_EQ(window->Duplicates->model()->rowCount(), 2);
        EXPECT_EQ(window->statusPanel->text(), "2 duplicate(s) found.");
        EXPECT_EQ(catalogue.Duplicates.row(1).ForeColor, cycle.GetColor(true));
        EXPECT_TRUE(binding->List1().contains(2));
        EXPECT_TRUE(search.TabStrip1->isEnabled() && search.Frame4->isEnabled() && search.Command1->isEnabled());
        EXPECT_FALSE(binding->stopFlag().requested());
    }
    EXPECT_EQ(binding->List1().entries(), std::vector<qsizetype>({1, 2}));
}

TEST_F(SearchWindowBindingTest, ClosingFromTheTitleBarUnloadsTheWindow)
{
    find* first = &binding->findWindow();
    EXPECT_EQ(&binding->findWindow(), first);
    first->show();
    first->Check16->click();
    first->Option5->setChecked(true);
    ASSERT_EQ(binding->criteria().Check16, 1);

    first->close();
    EXPECT_TRUE(binding->stopFlag().requested());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A new load starts from the initial choices, and the main window's criteria with it.
    find& second = binding->findWindow();
    EXPECT_TRUE(second.Option6->isChecked());
    EXPECT_EQ(second.Check16->Value(), 0);
    EXPECT_EQ(binding->criteria().CompareMode(), 0);
    EXPECT_FALSE(binding->stopFlag().requested());
}

} // namespace
} // namespace twinsweep
