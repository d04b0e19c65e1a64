#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ResultList.h"
#include "duplicates/ResultListCommands.h"
#include "platform/KeyCodes.h"

namespace twinsweep {
namespace {

class ResultListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::addVolume(catalogue, "Rock", {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "e.mp3"});
        catalogue.Duplicates.assign({{1, "Rock", 192, true},
                                     {2, "Rock", 192, false},
                                     {3, "Rock", 192, true},
                                     {4, "Rock", 49344, false},
                                     {5, "Rock", 49344, false}});
    }
    std::vector<bool> checks() const
    {
        std::vector<bool> result;
        for (const ListRow& row : catalogue.Duplicates.rows())
            result.push_back(row.Checked);
        return result;
    }
    Catalogue catalogue;
    test::FakeServices fake;
};

TEST_F(ResultListTest, CheckUncheckFlipsOnlyTheSelectedRowsInOneChange)
{
    int changes = 0;
    QObject::connect(&catalogue.Duplicates, &FileList::rowsChanged, [&changes] { ++changes; });
    Checkuncheck_Click(catalogue.Duplicates, fake.status, {0, 1});
    EXPECT_EQ(checks(), (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(fake.status.current, "Done");

    Checkuncheck_Click(catalogue.Duplicates, fake.status, {1, 4, 9});
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, true, false, true})) << "a row past the end is passed over";
}

TEST_F(ResultListTest, RemoveFromListKeepsTheOtherRowsAndTheCollection)
{
    removefl_Click(catalogue.Duplicates, fake.services, {1, 2});
    ASSERT_EQ(catalogue.Duplicates.size(), 3);
    const std::vector<std::pair<qsizetype, ColorValue>> expected{{1, 192}, {4, 49344}, {5, 49344}};
    for (qsizetype row = 0; row < 3; ++row) {
        EXPECT_EQ(catalogue.Duplicates.row(row).Tag, expected[size_t(row)].first);
        EXPECT_EQ(catalogue.Duplicates.row(row).ForeColor, expected[size_t(row)].second);
    }
    EXPECT_EQ(catalogue.ListFiles.size(), 5u);
    EXPECT_FALSE(catalogue.CollectionChanged());
    EXPECT_EQ(fake.status.current, "Done");
    EXPECT_EQ(fake.busy.timesBusy, 1);
    EXPECT_EQ(fake.busy.depth, 0);

    removefl_Click(catalogue.Duplicates, fake.services, {0, 1, 2});
    EXPECT_TRUE(catalogue.Duplicates.isEmpty());
}

TEST(ResultListMenuTest, OnlyRegisteredCommandsShowWithSeparatorsBetweenGroups)
{
    const auto names = [](const QList<MenuEntry>& entries) {
        QStringList result;
        for (const MenuEntry& entry : entries)
            result << entry.name;
        return result;
    };
    ResultListCommands commands;
    EXPECT_TRUE(shownEntries(MeniuEntries(), commands).isEmpty());
    EXPECT_TRUE(shownEntries(querylistEntries(), commands).isEmpty());

    for (const char* handler : {"removefrmc_Click", "removefl_Click", "Checkuncheck_Click"})
        commands.add(handler, {});
    EXPECT_EQ(names(shownEntries(MeniuEntries(), commands)), (QStringList{"removefrmc", "removefl", "Checkuncheck"}));

    for (const char* handler : {"Play1_Click", "Deletefilea_Click", "queryshow1_Click"})
        commands.add(handler, {});
    EXPECT_EQ(names(shownEntries(MeniuEntries(), commands)),
              (QStringList{"Play1", "space1", "Deletefilea", "space2", "removefrmc", "removefl", "Checkuncheck", "t9",
                           "queryshow1"}));
}

TEST(ResultListMenuTest, CommandsRunWithTheSelectionUntilReplaced)
{
    ResultListCommands commands;
    std::vector<qsizetype> seen;
    EXPECT_FALSE(commands.run("Play1_Click", {1}));
    commands.add("Play1_Click", [&seen](const std::vector<qsizetype>& rows) { seen = rows; });
    EXPECT_TRUE(commands.run("Play1_Click", {2, 4}));
    EXPECT_EQ(seen, (std::vector<qsizetype>{2, 4}));
    commands.add("Play1_Click", [&seen](const std::vector<qsizetype>&) { seen.clear(); });
    commands.run("Play1_Click", {3});
    EXPECT_TRUE(seen.empty());
}

TEST(ResultListKeysTest, EachKeyAndShiftStateStartsItsCommand)
{
    using namespace VirtualKey;
    using namespace ShiftState;
    struct Case
    {
        int keyCode;
        int shift;
        QString command;
    };
    const Case cases[]{
        {A, Ctrl, KeyCommand::SelectAll},
        {Return, 0, "Play1_Click"},
        {Return, Ctrl, "winampplay1_Click"},
        {Return, Shift, "winampenq1_Click"},
        {Delete, 0, "Deletefilea_Click"},
        {Delete, Shift, "removefrmc_Click"},
        {Escape, 0, KeyCommand::StopPlayback},
        {Return, Ctrl + Shift, {}},
        {Delete, Ctrl, {}},
        {A, 0, {}},
        {A, Ctrl + Alt, {}},
        {Escape, Shift, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keyCommand(c.keyCode, c.shift), c.command) << c.keyCode << " with " << c.shift;
}

} // namespace
} // namespace twinsweep
