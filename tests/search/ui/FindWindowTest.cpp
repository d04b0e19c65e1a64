#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

#include "CollectionBuilder.h"
#include "CountingColors.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "ScratchFiles.h"
#include "StandInOpener.h"
#include "controls/ui/AutoCompleteCombo.h"
#include "controls/ui/WinXPbut.h"
#include "controls/ui/XPCheckBox.h"
#include "duplicates/SkipList.h"
#include "platform/DesktopOpener.h"
#include "search/FindState.h"
#include "search/WebSearch.h"
#include "search/ui/find.h"

namespace twinsweep {
namespace {

/// Runs `onNewGroup` on the user-interface thread as a search opens each group.
class HookedColors : public test::CountingColors
{
public:
    ColorValue GetColor(bool NextClr) override
    {
        const ColorValue color = CountingColors::GetColor(NextClr);
        if (NextClr && onNewGroup)
            onNewGroup();
        return color;
    }
    std::function<void()> onNewGroup;
};

class FindWindowTest : public ::testing::Test
{
protected:
    FindWindowTest()
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "A.MP3", "b.mp3", "B.mp3", "c.mp3", "C.mp3"});
        environment.historyPath = test::freshFolder("find") + "/searched.mru";
        environment.desktop = &desktop;
        test::writeFile(environment.historyPath, "earlier\r\n");
        window = new find(environment);
        window->Form_Load();
        window->show();
    }
    ~FindWindowTest() override { delete window; }

    QList<QComboBox*> criterionLists() const
    {
        return {window->Combo1, window->Combo2, window->Combo3, window->Combo4,  window->Combo5,
                window->Combo6, window->Combo8, window->Combo9, window->Combo10, window->Combo11};
    }
    /// The frames shown, by tab number.
    QList<int> shownFrames() const
    {
        QList<int> shown;
        const QList<QGroupBox*> frames{window->Frame1, window->Frame2, window->Frame3, window->Frame4};
        for (int tab = 1; tab <= 4; ++tab) {
            if (frames[tab - 1]->isVisibleTo(window))
                shown << tab;
        }
        return shown;
    }
    bool windowGivenBack() const
    {
        return window->TabStrip1->isEnabled() && window->Frame3->isEnabled() && window->Command1->isEnabled();
    }

    test::FakeServices fake;
    Catalogue catalogue;
    FindState state{fake.status, fake.busy};
    DuplicateCriteria criteria;
    SkipList List1;
    HookedColors colors;
    FindEnvironment environment{state, criteria,
                                DuplicateSearchContext{catalogue, fake.services, colors, state, List1, {}, 0},
                                [this] { return fake.status.progressVisible; }};
    DesktopOpener desktop;
    QPointer<find> window;
};

TEST_F(FindWindowTest, OpensWithItsInitialChoices)
{
    const int firstTab = find::TextTabShown ? 1 : find::PropertyTabShown ? 2 : 3;
    EXPECT_EQ(window->selectedTab(), firstTab);
    EXPECT_EQ(shownFrames(), QList<int>{firstTab});
    EXPECT_EQ(window->TabStrip1->isTabVisible(0), find::TextTabShown);
    EXPECT_EQ(window->TabStrip1->isTabVisible(1), find::PropertyTabShown);
    EXPECT_TRUE(window->TabStrip1->isTabVisible(2));
    EXPECT_EQ(window->TabStrip1->isTabVisible(3), find::AdvancedTabShown);
    for (QRadioButton* allVolumes : {window->Option1, window->Option12, window->Option6, window->Option9}) {
        EXPECT_TRUE(allVolumes->isChecked());
        EXPECT_EQ(allVolumes->text(), "All volumes");
    }
    for (XPCheckBox* box : window->findChildren<XPCheckBox*>())
        EXPECT_EQ(box->Value(), 0) << box->text().toStdString();
    for (QComboBox* list : criterionLists())
        EXPECT_FALSE(list->isEnabled());
    EXPECT_EQ(window->Slider1->value(), 80);
    EXPECT_EQ(window->Slider1->minimum(), 20);
    EXPECT_EQ(window->Slider1->maximum(), 100);
    EXPECT_EQ(window->Command1->Caption(), "Find");
    EXPECT_TRUE(window->Command1->Default());
    EXPECT_EQ(window->Command2->Caption(), "Close");
    EXPECT_EQ(window->focusWidget(), window->nam->Combo1);
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_FALSE(state.stopFlag().requested());
    EXPECT_TRUE(windowGivenBack());
}

QStringList items(const QComboBox* combo)
{
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
        texts << combo->itemText(index);
    return texts;
}

TEST_F(FindWindowTest, TextSearchRemembersItsTermsInTheList)
{
    EXPECT_EQ(items(window->nam->Combo1), QStringList{"earlier"});
    QTest::keyClicks(window->nam->Combo1, "b.");
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    EXPECT_EQ(catalogue.Duplicates.size(), 2);
    EXPECT_EQ(fake.status.current, "2 item(s) found.");
    EXPECT_TRUE(windowGivenBack());
    EXPECT_EQ(items(window->nam->Combo1), (QStringList{"earlier", "b."}));

    // The text tab reads the history again; the typed term stays in the box.
    window->TabStrip1->setCurrentIndex(1);
    window->TabStrip1->setCurrentIndex(0);
    window->TabStrip1->setCurrentIndex(1);
    window->TabStrip1->setCurrentIndex(0);
    EXPECT_EQ(items(window->nam->Combo1), (QStringList{"earlier", "b."}));
    EXPECT_EQ(window->nam->Text(), "b.");
    EXPECT_EQ(test::readFile(environment.historyPath), "earlier\r\nb.\r\n");
}

TEST_F(FindWindowTest, OnWebOpensTheSiteSearchingNothingAndSaysWhenNoBrowserOpenedIt)
{
    window->Option3->setChecked(true);
    window->nam->setText("a b");
    struct Case
    {
        QString opener;
        QString statusLeft;
    };
    const QList<Case> cases{
        {"exit 0", "Search results in web page."},
        {"exit 3", "Can't open a web browser for " + webSearchAddress("a b").toString()},
    };
    for (const Case& c : cases) {
        const test::StandInOpener standIn(c.opener);
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        EXPECT_TRUE(windowGivenBack());
        ASSERT_TRUE(standIn.waitUntilReaped());
        EXPECT_TRUE(standIn.argument().endsWith("srch=a+b"));
        EXPECT_EQ(fake.status.current, c.statusLeft) << c.opener.toStdString();
    }
    EXPECT_TRUE(catalogue.Duplicates.isEmpty());
}

TEST_F(FindWindowTest, PropertySearchReadsTheCheckedRows)
{
    catalogue.ListFiles[2].setValue(Field::Bitrate, "160");
    window->TabStrip1->setCurrentIndex(1);
    window->Check2->click();
    window->Combo1->setCurrentText(">");
    window->Combo2->setCurrentText("128 Kbit/s");
    window->Check4->click();
    window->Combo5->setCurrentText(">");
    window->Combo6->setEditText("1000");
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    ASSERT_EQ(catalogue.Duplicates.size(), 1);
    EXPECT_EQ(catalogue.Duplicates.row(0).Tag, 3);
    EXPECT_EQ(fake.status.current, "1 item(s) found.");
    EXPECT_TRUE(windowGivenBack() && window->Frame2->isEnabled());

    window->Combo6->setEditText("Size in bytes");
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    EXPECT_EQ(fake.prompt.texts(), QStringList{"Not all needed options selected!"});
    EXPECT_EQ(catalogue.Duplicates.size(), 1);
    EXPECT_TRUE(windowGivenBack());
}

TEST_F(FindWindowTest, TabsShowTheirFrame)
{
    for (int tab = 1; tab <= 4; ++tab) {
        window->TabStrip1->setCurrentIndex(tab - 1);
        EXPECT_EQ(window->selectedTab(), tab);
        EXPECT_EQ(shownFrames(), QList<int>{tab});
    }
}

TEST_F(FindWindowTest, CheckBoxesEnableAndCopy)
{
    window->Check15->click();
    window->Check17->click();
    EXPECT_EQ(criteria.CompareMode(), 3);
    window->Check15->click();
    window->Check16->click();
    EXPECT_EQ(criteria.CompareMode(), 5);

    window->Check1->setValue(1);
    window->Check18->click();
    EXPECT_EQ(window->Check1->Value(), 0);
    EXPECT_FALSE(window->Check1->isEnabled());
    window->Check18->click();
    EXPECT_EQ(window->Check1->Value(), 0);
    EXPECT_TRUE(window->Check1->isEnabled());

    const QList<std::tuple<XPCheckBox*, QComboBox*, QComboBox*>> rows{
        {window->Check2, window->Combo1, window->Combo2},
        {window->Check3, window->Combo3, window->Combo4},
        {window->Check4, window->Combo5, window->Combo6},
        {window->Check6, window->Combo9, window->Combo8},
        {window->Check7, window->Combo10, window->Combo11}};
    for (const auto& [box, operators, values] : rows) {
        box->click();
        EXPECT_TRUE(operators->isEnabled() && values->isEnabled()) << box->text().toStdString();
        operators->setCurrentIndex(1);
        box->click();
        EXPECT_FALSE(operators->isEnabled() || values->isEnabled()) << box->text().toStdString();
        EXPECT_EQ(operators->currentText(), "=");
    }
}

TEST_F(FindWindowTest, FindWithoutAScopeSaysNoVolumeIsSelected)
{
    window->TabStrip1->setCurrentIndex(2);
    for (QRadioButton* option : {window->Option4, window->Option5, window->Option6}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
    }
    window->Check15->click();
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    ASSERT_EQ(fake.prompt.texts(), QStringList{"There is no volume selected!"});
    EXPECT_EQ(fake.prompt.shown.front().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(catalogue.Duplicates.isEmpty());
    EXPECT_TRUE(windowGivenBack());
    EXPECT_TRUE(state.stopFlag().requested());
}

TEST_F(FindWindowTest, FindWithoutCriteriaSaysSoAndGivesTheWindowBack)
{
    window->TabStrip1->setCurrentIndex(2);
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    EXPECT_EQ(fake.prompt.texts(), QStringList{"No compare mode was choosen!"});
    EXPECT_EQ(fake.status.current, "Canceled. No settings were choosen.");
    EXPECT_TRUE(windowGivenBack());
}

TEST_F(FindWindowTest, CancelWhileSearchingGivesTheWindowBack)
{
    window->TabStrip1->setCurrentIndex(2);
    window->Check15->click();
    int turns = 0;
    fake.pump.onProcessEvents = [&] {
        if (++turns != 1)
            return;
        window->Timer1_Timer();
        EXPECT_EQ(window->Command2->Caption(), "Cancel");
        EXPECT_FALSE(window->TabStrip1->isEnabled() || window->Frame3->isEnabled() || window->Command1->isEnabled());
        EXPECT_TRUE(window->Command2->isEnabled());
        QTest::mouseClick(window->Command2, Qt::LeftButton);
        EXPECT_TRUE(windowGivenBack());
        EXPECT_TRUE(state.stopFlag().requested());
    };
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    ASSERT_GE(turns, 1);
    window->Timer1_Timer();
    EXPECT_EQ(window->Command2->Caption(), "Close");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(fake.status.current, QString::number(catalogue.Duplicates.size()) + " duplicate(s) found.");
    EXPECT_FALSE(state.stopFlag().requested());
}

TEST_F(FindWindowTest, CancelDuringTheAdvancedSearchKeepsTheGroupsFoundSoFar)
{
    // a/A, b/B and c/C would make three groups.
    window->TabStrip1->setCurrentIndex(3);
    colors.onNewGroup = [&] {
        window->Timer1_Timer();
        EXPECT_EQ(window->Command2->Caption(), "Cancel");
        EXPECT_FALSE(window->TabStrip1->isEnabled() || window->Frame4->isEnabled() || window->Command1->isEnabled());
        QTest::mouseClick(window->Command2, Qt::LeftButton);
    };
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    EXPECT_EQ(colors.groups, 1);
    EXPECT_EQ(catalogue.Duplicates.size(), 2);
    EXPECT_EQ(fake.status.current, "2 duplicate(s) found.");
    window->Timer1_Timer();
    EXPECT_EQ(window->Command2->Caption(), "Close");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(windowGivenBack() && window->Frame4->isEnabled());
    EXPECT_FALSE(state.stopFlag().requested());
}

TEST_F(FindWindowTest, ClosingFromTheTitleBarWhileSearchingStopsTheSearchFirst)
{
    window->TabStrip1->setCurrentIndex(2);
    window->Check15->click();
    fake.pump.onProcessEvents = [&] {
        if (window->isVisible() && !catalogue.Duplicates.isEmpty())
            window->close();
    };
    QTest::mouseClick(window->Command1, Qt::LeftButton);
    EXPECT_EQ(catalogue.Duplicates.size(), 2) << "the search ends at the next row";
    EXPECT_FALSE(state.searchRunning());
    ASSERT_FALSE(window.isNull()) << "the window outlives the search it runs";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(FindWindowTest, CloseHidesAndShowingAgainKeepsEveryChoice)
{
    window->TabStrip1->setCurrentIndex(3);
    window->Check15->click();
    window->Check17->click();
    window->Option4->setChecked(true);
    window->Option8->setChecked(true);
    window->Option11->setChecked(true);
    window->Option3->setChecked(true);
    window->Slider1->setValue(55);
    window->Check4->click();
    window->Combo6->setEditText("123456");
    window->nam->setText("abba");
    window->Check18->click();

    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_TRUE(window->isHidden());
    window->show();

    EXPECT_EQ(window->selectedTab(), 4);
    EXPECT_EQ(window->Check15->Value() + window->Check16->Value() * 2 + window->Check17->Value() * 4, 5);
    EXPECT_EQ(criteria.CompareMode(), 3);
    EXPECT_TRUE(window->Option4->isChecked() && window->Option8->isChecked() && window->Option11->isChecked() &&
                window->Option3->isChecked());
    EXPECT_EQ(window->Slider1->value(), 55);
    EXPECT_TRUE(window->Combo6->isEnabled());
    EXPECT_EQ(window->Combo6->currentText(), "123456");
    EXPECT_EQ(window->nam->Text(), "abba");
    EXPECT_FALSE(window->Check1->isEnabled());
    EXPECT_FALSE(state.stopFlag().requested()) << "showing again does not load the window again";
}

TEST_F(FindWindowTest, AfterASearchTheControlThatHadTheKeyboardHasItAgain)
{
    const struct
    {
        const char* search;
        int tab;
        QWidget* (*keyboard)(find&); // presses Enter for Find
        std::function<void(find&)> choose;
        bool cancelled;
    } cases[]{
        {"text", 1, [](find& w) -> QWidget* { return w.nam->Combo1; }, [](find& w) { w.nam->setText("b."); }, false},
        {"property", 2, [](find& w) -> QWidget* { return w.Combo2; },
         [](find& w) {
             w.Check2->click();
             w.Combo1->setCurrentText(">");
             w.Combo2->setCurrentText("128 Kbit/s");
         },
         false},
        {"duplicates", 3, [](find& w) -> QWidget* { return w.Option5; }, [](find& w) { w.Check15->click(); }, false},
        {"duplicates cancelled", 3, [](find& w) -> QWidget* { return w.Option6; }, [](find&) {}, true},
        {"advanced", 4, [](find& w) -> QWidget* { return w.Slider1; }, [](find&) {}, false},
    };
    for (const auto& c : cases) {
        window->TabStrip1->setCurrentIndex(c.tab - 1);
        c.choose(*window);
        QWidget* keyboard = c.keyboard(*window);
        keyboard->setFocus();
        bool cancel = c.cancelled;
        fake.pump.onProcessEvents = [&] {
            if (!std::exchange(cancel, false))
                return;
            window->Timer1_Timer();
            QTest::mouseClick(window->Command2, Qt::LeftButton);
        };
        fake.status.current.clear();
        QTest::keyClick(keyboard, Qt::Key_Return);
        EXPECT_FALSE(fake.status.current.isEmpty()) << c.search << ": Enter ran Find";
        EXPECT_FALSE(cancel) << c.search << ": Cancel was pressed";
        EXPECT_EQ(window->focusWidget(), keyboard) << c.search;
    }
}

TEST_F(FindWindowTest, ShowingAgainAfterCloseHasTheKeyboardInTheSelectedTabsFirstBox)
{
    const QList<QWidget*> firstBoxes{window->nam->Combo1, window->Check2, window->Check15, window->Option9};
    for (int tab = 1; tab <= 4; ++tab) {
        window->TabStrip1->setCurrentIndex(tab - 1);
        QTest::mouseClick(window->Command2, Qt::LeftButton);
        ASSERT_TRUE(window->isHidden());
        window->show();
        EXPECT_EQ(window->focusWidget(), firstBoxes[tab - 1]) << "tab " << tab;
    }
}

TEST_F(FindWindowTest, EnterPressesTheFocusedButtonAndOtherwiseFind)
{
    window->nam->setText("b.");
    const struct
    {
        const char* keyboard;
        QList<QWidget*> focusPath; // the last one has the keyboard
        bool searched;
    } cases[]{
        {"Close", {window->Command2}, false},
        {"the term box after Close", {window->Command2, window->nam->Combo1}, true},
    };
    for (const auto& c : cases) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.data())); // buttons follow the focus of an active window
        for (QWidget* widget : c.focusPath)
            widget->setFocus();
        QTest::keyClick(c.focusPath.last(), Qt::Key_Return);
        EXPECT_EQ(catalogue.Duplicates.size(), c.searched ? 2 : 0) << c.keyboard;
        EXPECT_EQ(window->isHidden(), !c.searched) << c.keyboard;
    }
}

} // namespace
} // namespace twinsweep
