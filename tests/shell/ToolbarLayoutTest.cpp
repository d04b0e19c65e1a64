#include <gtest/gtest.h>

#include <QStringList>

#include "shell/ToolbarLayout.h"

namespace twinsweep {
namespace {

QStringList texts(const QList<ToolbarButton>& places)
{
    QStringList result;
    for (const ToolbarButton& place : places)
        result << (place.isSeparator() ? "-" : place.text);
    return result;
}

TEST(ToolbarLayoutTest, ButtonsSitAtOddPlacesWithSeparatorsBetween)
{
    EXPECT_EQ(texts(Toolbar1Buttons()),
              QStringList({"Add volume", "-", "Save", "-", "Open", "-", "New collection", "-", "Statistics"}));
    EXPECT_EQ(texts(Toolbar2Buttons()),
              QStringList({"Search", "-", "Delete file(s)", "-", "About", "-", "Clear list", "-", "Statistics"}));
    for (const auto* places : {&Toolbar1Buttons(), &Toolbar2Buttons()}) {
        for (qsizetype i = 0; i < places->size(); ++i)
            EXPECT_EQ((*places)[i].index, i + 1);
    }
}

TEST(ToolbarLayoutTest, AClickRunsOnlyARegisteredButtonsCommand)
{
    ToolbarCommands commands(Toolbar2Buttons());
    QStringList ran;
    EXPECT_TRUE(commands.add(ToolbarCommand::Search, [&ran] { ran << "search"; }));
    EXPECT_TRUE(commands.add(ToolbarCommand::ClearList, [&ran] { ran << "clear"; }));
    EXPECT_FALSE(commands.add(ToolbarCommand::Save, [&ran] { ran << "save"; })) << "Save is on the other toolbar";
    EXPECT_FALSE(commands.contains(ToolbarCommand::Save));

    struct Case
    {
        int index;
        bool runs;
        const char* why;
    };
    const Case cases[]{
        {1, true, "Search"},
        {2, false, "a separator"},
        {3, false, "Delete not registered"},
        {4, false, "a separator"},
        {6, false, "a separator"},
        {7, true, "Clear list"},
        {8, false, "a separator"},
        {0, false, "before the first"},
        {10, false, "after the last"},
        {-1, false, "a negative place"},
    };
    for (const Case& c : cases) {
        ran.clear();
        EXPECT_EQ(commands.ButtonClick(c.index), c.runs) << c.why;
        EXPECT_EQ(ran.size(), c.runs ? 1 : 0) << c.why;
    }
}

TEST(ToolbarLayoutTest, ALaterRegistrationReplacesTheCommand)
{
    ToolbarCommands commands(Toolbar1Buttons());
    QString ran;
    commands.add(ToolbarCommand::Statistics, [&ran] { ran = "first"; });
    commands.add(ToolbarCommand::Statistics, [&ran] { ran = "second"; });
    EXPECT_EQ(commands.indexOf(ToolbarCommand::Statistics), 9);
    EXPECT_TRUE(commands.ButtonClick(9));
    EXPECT_EQ(ran, "second");
}

} // namespace
} // namespace twinsweep
