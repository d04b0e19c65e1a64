#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QToolBar>

#include "shell/ui/Toolbars.h"

namespace twinsweep {
namespace {

/// The places a user sees, separators as "-".
QStringList shownPlaces(const QToolBar& toolbar)
{
    QStringList shown;
    for (const QAction* action : toolbar.actions()) {
        if (action->isVisible())
            shown << (action->isSeparator() ? "-" : action->text());
    }
    return shown;
}

class ToolbarsTest : public ::testing::Test
{
protected:
    QToolBar Toolbar1;
    QToolBar Toolbar2;
    Toolbars toolbars{&Toolbar1, &Toolbar2, nullptr};
    QStringList ran;
    ToolbarCommands::Command note(const QString& name)
    {
        return [this, name] { ran << name; };
    }
};

TEST_F(ToolbarsTest, AButtonShowsAtItsPlaceOnceItsCommandRegisters)
{
    EXPECT_TRUE(shownPlaces(Toolbar1).isEmpty());
    toolbars.add(ToolbarCommand::Statistics, note("statistics"));
    EXPECT_EQ(shownPlaces(Toolbar1), QStringList({"Statistics"})) << "no separator before the first shown button";
    toolbars.add(ToolbarCommand::Open, note("open"));
    toolbars.add(ToolbarCommand::AddVolume, note("add"));
    EXPECT_EQ(shownPlaces(Toolbar1), QStringList({"Add volume", "-", "Open", "-", "Statistics"}));
    EXPECT_TRUE(shownPlaces(Toolbar2).isEmpty()) << "each button goes to its own toolbar";

    toolbars.button(ToolbarCommand::Open)->trigger();
    toolbars.Toolbar1_ButtonClick(9);
    toolbars.Toolbar1_ButtonClick(3); // Save: not registered
    for (int separator : {2, 4, 6, 8})
        toolbars.Toolbar1_ButtonClick(separator);
    EXPECT_EQ(ran, QStringList({"open", "statistics"}));
}

TEST_F(ToolbarsTest, AHiddenButtonTakesItsSeparatorAlong)
{
    toolbars.add(ToolbarCommand::AddVolume, note("add"));
    toolbars.setShown(ToolbarCommand::Save, false); // before it registers: it stays hidden
    toolbars.add(ToolbarCommand::Save, note("save"));
    toolbars.add(ToolbarCommand::Open, note("open"));
    EXPECT_EQ(shownPlaces(Toolbar1), QStringList({"Add volume", "-", "Open"}));
    toolbars.setShown(ToolbarCommand::Save, true);
    EXPECT_EQ(shownPlaces(Toolbar1), QStringList({"Add volume", "-", "Save", "-", "Open"}));
    EXPECT_TRUE(toolbars.separatorBefore(ToolbarCommand::Save)->isVisible());
    EXPECT_EQ(toolbars.separatorBefore(ToolbarCommand::AddVolume), nullptr);
}

TEST_F(ToolbarsTest, EveryButtonHasItsPictureAndToolTip)
{
    for (const auto* places : {&Toolbar1Buttons(), &Toolbar2Buttons()}) {
        for (const ToolbarButton& place : *places) {
            if (place.isSeparator())
                continue;
            const QAction* button = toolbars.button(place.command);
            ASSERT_NE(button, nullptr) << place.command.toStdString();
            EXPECT_FALSE(button->icon().isNull()) << place.command.toStdString();
            EXPECT_FALSE(button->toolTip().isEmpty()) << place.command.toStdString();
        }
    }
    EXPECT_EQ(toolbars.add("NoSuchButton", note("none")), nullptr);
}

} // namespace
} // namespace twinsweep
