#include <gtest/gtest.h>

#include <QHash>

#include "shell/InterfaceState.h"
#include "shell/ToolbarLayout.h"

namespace twinsweep {
namespace {

/// The last state the rules give each command, as the timer leaves it.
QHash<QString, bool> finalStates(const InterfaceState& state)
{
    QHash<QString, bool> states;
    for (const CommandEnabled& command : enabledCommands(state))
        states.insert(command.name, command.enabled);
    return states;
}

TEST(InterfaceStateTest, CollectionCommandsNeedAVolume)
{
    const QStringList needVolume{"Newlist",
                                 "Save",
                                 "Save1",
                                 "exp",
                                 "printint",
                                 "Statistic",
                                 "Search",
                                 "filnametotag",
                                 "rnmr",
                                 "Updatevolume",
                                 "Renamevolume",
                                 "Removevolume",
                                 ToolbarCommand::Save,
                                 ToolbarCommand::NewCollection,
                                 ToolbarCommand::Statistics,
                                 ToolbarCommand::Search};
    const QHash<QString, bool> empty = finalStates({});
    const QHash<QString, bool> oneVolume = finalStates({.volumeCount = 1});
    for (const QString& name : needVolume) {
        EXPECT_FALSE(empty.value(name, true)) << name.toStdString() << " on an empty collection";
        EXPECT_TRUE(oneVolume.value(name, false)) << name.toStdString() << " with one volume";
    }
    for (const char* untouched :
         {"cmdFind", "Load", "imp", ToolbarCommand::AddVolume, ToolbarCommand::Open, ToolbarCommand::About}) {
        EXPECT_FALSE(empty.contains(untouched)) << untouched;
        EXPECT_FALSE(oneVolume.contains(untouched)) << untouched;
    }
    EXPECT_FALSE(empty.contains("edit")) << "the Edit menu is never switched off";
    EXPECT_TRUE(oneVolume.value("edit"));
}

TEST(InterfaceStateTest, ResultToolbarFollowsTheListInTheLowerPane)
{
    struct Case
    {
        const char* name;
        InterfaceState state;
        bool deleteFiles, clearList, statistics;
    };
    const Case cases[]{
        {"empty result list", {.resultListShown = true}, false, false, false},
        {"result list with rows", {.resultListShown = true, .resultRows = 1}, true, true, true},
        {"empty query list", {.queryShown = true, .queryRows = 0}, false, false, false},
        {"query list with rows", {.queryShown = true, .queryRows = 1000000}, false, true, false},
        {"both shown: the query list wins",
         {.resultListShown = true, .resultRows = 5, .queryShown = true, .queryRows = 0},
         false,
         false,
         false},
    };
    for (const Case& c : cases) {
        const QHash<QString, bool> states = finalStates(c.state);
        EXPECT_EQ(states.value(ToolbarCommand::DeleteFiles), c.deleteFiles) << c.name;
        EXPECT_EQ(states.value(ToolbarCommand::ClearList), c.clearList) << c.name;
        EXPECT_EQ(states.value(ToolbarCommand::ResultStatistics), c.statistics) << c.name;
    }
    const QHash<QString, bool> neither = finalStates({.volumeCount = 1, .resultRows = 3, .queryRows = 3});
    for (const char* button :
         {ToolbarCommand::DeleteFiles, ToolbarCommand::ClearList, ToolbarCommand::ResultStatistics})
        EXPECT_FALSE(neither.contains(button)) << button << " keeps its state when neither list shows";
}

/// Ticks until the expiry clears the text; the tick count, or 0 after `limit` ticks.
int ticksUntilCleared(StatusExpiry& expiry, const QString& text, int limit = 5000)
{
    for (int tick = 1; tick <= limit; ++tick) {
        if (expiry.tick(text, false))
            return tick;
    }
    return 0;
}

TEST(InterfaceStateTest, AStatusTextExpiresAfter1500UnchangedTicks)
{
    StatusExpiry expiry;
    EXPECT_EQ(ticksUntilCleared(expiry, "Done"), 1500) << "the first tick that sees the text counts";

    StatusExpiry again;
    for (int tick = 0; tick < 1000; ++tick)
        again.tick("Done", false);
    EXPECT_EQ(ticksUntilCleared(again, "Done"), 500) << "the same text again does not restart the count";

    StatusExpiry changed;
    for (int tick = 0; tick < 1000; ++tick)
        changed.tick("Done", false);
    EXPECT_EQ(ticksUntilCleared(changed, "List cleared"), 1500) << "a different text starts over";

    StatusExpiry empty;
    EXPECT_EQ(ticksUntilCleared(empty, ""), 1500) << "an empty text counts too";
    EXPECT_EQ(ticksUntilCleared(empty, ""), 1500) << "and clearing it starts the count again";
}

TEST(InterfaceStateTest, AVisibleProgressBarPausesTheCount)
{
    StatusExpiry expiry;
    for (int tick = 0; tick < 1000; ++tick)
        expiry.tick("Scanning", false);
    for (int tick = 0; tick < 5000; ++tick)
        ASSERT_FALSE(expiry.tick("Scanning", true)) << "tick " << tick << " with the progress bar shown";
    EXPECT_EQ(ticksUntilCleared(expiry, "Scanning"), 500) << "the count goes on where it stood";
}

TEST(InterfaceStateTest, ProgressBarFillsTheStatusBarRightOfTheText)
{
    const QRect statusBar(0, 0, 600, 22);
    const QRect before(300, 3, 100, 19);
    struct Case
    {
        const char* name;
        int textWidth;
        QRect expected;
    };
    const Case cases[]{
        {"no text", 0, QRect(10, 3, 590, 19)},
        {"a long text pushes the bar right", 400, QRect(410, 3, 190, 19)},
        {"a text as wide as the bar leaves no room", 590, QRect(600, 3, 0, 19)},
        {"a wider text keeps the former width", 700, QRect(710, 3, 100, 19)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(progressBarGeometry(statusBar, c.textWidth, before, 96), c.expected) << c.name;
    EXPECT_EQ(progressBarGeometry(statusBar, 0, before, 192), QRect(20, 5, 580, 17)) << "offsets are twips";
}

} // namespace
} // namespace twinsweep
