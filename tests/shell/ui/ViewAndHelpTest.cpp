#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "FakeServices.h"
#include "StandInOpener.h"
#include "app/ui/MainWindow.h"
#include "catalogue/Catalogue.h"
#include "platform/DesktopOpener.h"
#include "controls/ui/XPLook.h"
#include "platform/SettingKeys.h"
#include "shell/ToolbarLayout.h"
#include "shell/ui/HelpCommands.h"
#include "shell/ui/Startup.h"
#include "shell/ui/Toolbars.h"
#include "shell/ui/ViewToggles.h"
#include "shell/ui/frmAbout.h"

namespace twinsweep {
namespace {

class ViewAndHelpTest : public ::testing::Test
{
protected:
    std::unique_ptr<MainWindow> makeWindow()
    {
        auto window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        window->show();
        return window;
    }
    static QAction* entry(Form1& window, const char* name) { return window.findChild<QAction*>(name); }

    test::FakeServices fake;
    Catalogue catalogue;
};

TEST_F(ViewAndHelpTest, TheStatusBarChoiceLastsToTheNextStart)
{
    {
        auto window = makeWindow();
        QAction* statusbar = window->viewToggles->entry(ViewToggle::Statusbar);
        ASSERT_TRUE(statusbar->isVisible());
        EXPECT_TRUE(statusbar->isChecked());
        EXPECT_TRUE(window->statusBar()->isVisible());
        statusbar->trigger();
        EXPECT_FALSE(window->statusBar()->isVisible());
        EXPECT_EQ(fake.settings.value("View", "StatusBar1"), "False");
        window->viewToggles->entry(ViewToggle::Toolbar)->trigger();
        EXPECT_FALSE(window->Toolbar1->isVisible());
    }
    auto again =
        std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
    Form_Load(*again, {});
    ASSERT_NE(again->help->aboutBox(), nullptr) << "start-up greets with the about box";
    EXPECT_TRUE(again->help->aboutBox()->isVisible());
    EXPECT_FALSE(again->statusBar()->isVisible());
    EXPECT_FALSE(again->viewToggles->entry(ViewToggle::Statusbar)->isChecked());
    EXPECT_FALSE(again->Toolbar1->isVisible());
    again->viewToggles->entry(ViewToggle::Toolbar)->trigger();
    EXPECT_TRUE(again->Toolbar1->isVisible());
    EXPECT_EQ(fake.settings.value("View", "Toolbar1"), "True");
}

TEST_F(ViewAndHelpTest, SwitchesOfOtherSubsystemsShowOnceTheyPlugIn)
{
    auto window = makeWindow();
    for (const char* name : {ViewToggle::Toolbar, ViewToggle::Statusbar, ViewToggle::Sorted, ViewToggle::xpbut})
        EXPECT_TRUE(window->viewToggles->entry(name)->isVisible()) << name;
    EXPECT_EQ(window->viewToggles->add("NoSuchSwitch", true, [](bool) {}), nullptr);
}

TEST_F(ViewAndHelpTest, TheLookSwitchStartsAsStoredAndStoresEachClick)
{
    fake.settings.setValue(Settings::xpbut, "False");
    auto window =
        std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
    Form_Load(*window, {});
    QAction* xpbut = window->viewToggles->entry(ViewToggle::xpbut);
    EXPECT_FALSE(xpbut->isChecked());
    EXPECT_FALSE(XPLookOn());
    xpbut->trigger();
    EXPECT_TRUE(XPLookOn());
    EXPECT_EQ(fake.settings.value(Settings::xpbut), "True");
    xpbut->trigger();
    EXPECT_FALSE(XPLookOn());
    EXPECT_EQ(fake.settings.value(Settings::xpbut), "False");
    SetXPLook(true);
}

TEST_F(ViewAndHelpTest, RightClickingAToolbarOpensNoMenu)
{
    auto window = makeWindow();
    for (QToolBar* toolbar : {window->Toolbar1, window->Toolbar2}) {
        for (QWidget* target :
             {static_cast<QWidget*>(toolbar), toolbar->widgetForAction(toolbar->actions().value(0))}) {
            ASSERT_NE(target, nullptr);
            bool opened = false;
            // A menu would run its own event loop; this closes it from there.
            QTimer::singleShot(0, target, [&opened] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    opened = true;
                    popup->close();
                }
            });
            const QPoint inside(2, 2);
            QContextMenuEvent click(QContextMenuEvent::Mouse, inside, target->mapToGlobal(inside));
            QApplication::sendEvent(target, &click);
            QApplication::processEvents();
            EXPECT_FALSE(opened) << toolbar->objectName().toStdString();
        }
    }
    EXPECT_TRUE(window->Toolbar1->isVisible());
}

TEST_F(ViewAndHelpTest, TheAboutBoxShowsTheVersionAndHidesWhenItLosesTheFocus)
{
    auto window = makeWindow();
    EXPECT_TRUE(window->helpMenu->menuAction()->isVisible());
    EXPECT_EQ(window->help->aboutBox(), nullptr) << "loaded by its first show";
    entry(*window, "About")->trigger();
    frmAbout* box = window->help->aboutBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(QRegularExpression("^\\d+\\.\\d+\\.\\d+$").match(box->Label1->text()).hasMatch())
        << box->Label1->text().toStdString();

    window->toolbars->button(ToolbarCommand::About)->trigger();
    EXPECT_EQ(window->findChildren<frmAbout*>().size(), 1) << "one box, shown again";

    QApplication::setActiveWindow(box);
    QApplication::setActiveWindow(window.get());
    EXPECT_FALSE(box->isVisible()) << "the main window took the focus";

    entry(*window, "About")->trigger();
    QApplication::setActiveWindow(nullptr); // some window systems leave no window active for a while
    EXPECT_TRUE(box->isVisible());
    QTest::mouseClick(window->ListFiles2->viewport(), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible()) << "a click in the main window hides it";

    entry(*window, "About")->trigger();
    QTest::mouseClick(box->Image1, Qt::LeftButton);
    EXPECT_FALSE(box->isVisible()) << "a click on the picture hides it";
    EXPECT_EQ(window->help->aboutBox(), box) << "hiding keeps it loaded";
}

TEST_F(ViewAndHelpTest, TheAboutBoxStaysUntilTheMainWindowIsClicked)
{
    const auto showMainWindow = [](MainWindow& window) {
        window.show();
        QApplication::processEvents();
    };
    const auto chooseAbout = [&](MainWindow& window) {
        showMainWindow(window);
        QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
    };
    // Each replays the order of focus changes of a window manager: the main window gets
    // the focus (as it appears, or back from the closing menu) after the box is shown and
    // before the box has it; a message's owner gets it back as the message closes.
    const std::vector<std::pair<const char*, std::function<void(MainWindow&)>>> cases{
        {"greeting at start-up", [](MainWindow& window) { Form_Load(window, {}); }},
        {"Alt+H then A", chooseAbout},
        {"toolbar button",
         [&](MainWindow& window) {
             showMainWindow(window);
             window.toolbars->button(ToolbarCommand::About)->trigger();
         }},
        {"a message in front of it",
         [&](MainWindow& window) {
             chooseAbout(window);
             QApplication::processEvents();
             QMessageBox message(QMessageBox::NoIcon, "Twinsweep", "Done", QMessageBox::Ok, &window);
             message.open();
             QApplication::processEvents();
             message.accept();
             window.activateWindow(); // the message's owner gets the focus back
         }},
    };
    for (const auto& [name, showBox] : cases) {
        auto window =
            std::make_unique<MainWindow>(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, fake.desktop);
        showBox(*window);
        QApplication::processEvents();
        frmAbout* box = window->help->aboutBox();
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(box->isVisible()) << name;
        QTest::mouseClick(window->ListFiles2->viewport(), Qt::LeftButton);
        EXPECT_FALSE(box->isVisible()) << name;
    }
}

TEST_F(ViewAndHelpTest, AfterTheSupportMessageTheAboutBoxHasTheKeyboardOrIsGone)
{
    // As window managers do it: the message takes the focus, after the box had it or
    // before the box ever had it, and its owner gets it back as the message closes.
    const std::vector<std::pair<const char*, std::function<void(QMessageBox&)>>> cases{
        {"the box had the focus first", [](QMessageBox&) { QApplication::processEvents(); }},
        {"the message took it first",
         [](QMessageBox& message) {
             // Qt follows no window's activation while a pop-up is open, so the box's
             // request passes unanswered and the message is made active by hand.
             QMenu holdsActivation;
             holdsActivation.popup(QPoint());
             QApplication::setActiveWindow(&message);
             QApplication::processEvents();
         }},
    };
    for (const auto& [name, messageTakesTheFocus] : cases) {
        auto window = makeWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << name;
        fake.prompt.whileAsking = [&](const QString&) {
            QMessageBox message(QMessageBox::NoIcon, "Twinsweep", "Support", QMessageBox::Ok, window.get());
            message.open();
            messageTakesTheFocus(message);
            message.accept();
            window->activateWindow();
            QApplication::processEvents();
        };
        entry(*window, "info")->trigger();
        QApplication::processEvents();
        const frmAbout* box = window->help->aboutBox();
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(!box->isVisible() || box->isActiveWindow()) << name;
    }
}

TEST_F(ViewAndHelpTest, HelpMenuShowsSupportAndOpensTheLinks)
{
    auto window = makeWindow();
    QStringList captions;
    for (const QAction* action : window->helpMenu->actions())
        captions << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(captions, QStringList({"&Support", "-", "&Home page", "&Email", "-", "&About"}));

    entry(*window, "info")->trigger();
    ASSERT_EQ(fake.prompt.shown.size(), 1u);
    EXPECT_TRUE(fake.prompt.shown[0].text.contains("twinsweep@"));
    EXPECT_EQ(fake.prompt.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fake.prompt.shown[0].icon, MessageIcon::None);
    ASSERT_NE(window->help->aboutBox(), nullptr);
    EXPECT_TRUE(window->help->aboutBox()->isVisible()) << "the box first, then the message";

    entry(*window, "Homepage")->trigger();
    entry(*window, "Email")->trigger();
    const QList<QUrl>& opened = fake.desktop.opened;
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_EQ(opened[1].scheme(), "mailto");
    EXPECT_TRUE(window->help->aboutBox()->lblEmail->text().contains(opened[1].toString()));
}

TEST_F(ViewAndHelpTest, AnAddressNoProgramOpenedIsSaidInTheStatusBar)
{
    DesktopOpener desktop;
    MainWindow window(catalogue, fake.prompt, fake.dialogs, fake.pump, fake.settings, desktop);
    window.show();
    entry(window, "About")->trigger();
    frmAbout* box = window.help->aboutBox();
    const auto clickLink = [](QLabel* label) {
        const QString target = QRegularExpression("href=\"([^\"]+)\"").match(label->text()).captured(1);
        Q_EMIT label->linkActivated(target);
    };
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> entries{
        {"Homepage", [&] { entry(window, "Homepage")->trigger(); }, "Can't open a web browser for https://"},
        {"Email", [&] { entry(window, "Email")->trigger(); }, "Can't open a mail program for twinsweep@"},
        {"lblHomePage", [&] { clickLink(box->lblHomePage); }, "Can't open a web browser for https://"},
        {"lblEmail", [&] { clickLink(box->lblEmail); }, "Can't open a mail program for twinsweep@"},
    };
    // The desktop's opener ends with status 3 when it finds no program; a null one is none at all.
    for (const QString& opener : {QString("exit 3"), QString("exit 0"), QString()}) {
        for (const auto& [name, click, text] : entries) {
            const test::StandInOpener standIn(opener);
            window.services().status.setStatusText("earlier");
            click();
            ASSERT_TRUE(opener.isNull() || standIn.waitUntilReaped()) << name;
            const QString left = window.services().status.statusText();
            EXPECT_TRUE(opener == "exit 0" ? left == "earlier" : left.startsWith(text))
                << name << ", " << opener.toStdString() << ": " << left.toStdString();
        }
    }
    EXPECT_TRUE(fake.prompt.shown.empty());
}

} // namespace
} // namespace twinsweep
