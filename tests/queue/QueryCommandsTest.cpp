#include <gtest/gtest.h>

#include "CollectionBuilder.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "catalogue/Catalogue.h"
#include "queue/QueryCommands.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

constexpr ColorValue Red = PlayingColor;
constexpr ColorValue Grey = PlayedColor;
constexpr ColorValue Text = SystemWindowText;
constexpr ColorValue Blue = 0xFF0000;

class RecordingPlayer : public QueryPlayer
{
public:
    void playmedia(const QString& path) override { played.append(path); }
    bool fading() const override { return fadeRuns; }
    QStringList played;
    bool fadeRuns = false;
};

class QueryCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::addVolume(catalogue, "Rock", {"r1.mp3", "r2.mp3"});
        test::addVolume(catalogue, "Jazz", {"j1.mp3", "j2.mp3", "j3.mp3", "j4.mp3"});
        catalogue.TreeView1.select(2);
        catalogue.ClickNOD(fake.services);
    }
    void addRows(std::initializer_list<ColorValue> colors)
    {
        for (ColorValue color : colors)
            query.append({"x.mp3", "/music/", "03:00", "Rock", true, color});
    }
    std::vector<ColorValue> colors() const
    {
        std::vector<ColorValue> result;
        for (qsizetype i = 0; i < query.size(); ++i)
            result.push_back(query.row(i).ForeColor);
        return result;
    }
    QStringList names() const
    {
        QStringList result;
        for (qsizetype i = 0; i < query.size(); ++i)
            result.append(query.row(i).Filename);
        return result;
    }

    Catalogue catalogue;
    QueryList query;
    test::FakeServices fake;
    RecordingPlayer player;
};

TEST_F(QueryCommandsTest, AddingFileListRowsAppendsThemCheckedAndCountsTheWholeList)
{
    query.append({"old1.mp3", "/old/", "01:00", "c:/", false});
    query.append({"old2.mp3", "/old/", "01:00", "c:/", false});
    addquery_Click(catalogue, query, fake.services, {0, 2, 3});

    EXPECT_EQ(names(), QStringList({"old1.mp3", "old2.mp3", "j1.mp3", "j3.mp3", "j4.mp3"}));
    const QueryRow& added = query.row(3);
    EXPECT_EQ(added.Path, "/media/Jazz/");
    EXPECT_EQ(added.Duration, "03:00");
    EXPECT_EQ(added.Collection, "Jazz");
    EXPECT_TRUE(added.Checked && query.row(2).Checked && query.row(4).Checked);
    EXPECT_EQ(fake.status.current, "5 item(s) added to query.");
    EXPECT_EQ(catalogue.shownLowerList(), LowerList::Query);
    EXPECT_EQ(colors(), (std::vector<ColorValue>{Red, Text, Text, Text, Text})) << "the Tag starts at row 1";

    addquery_Click(catalogue, query, fake.services, {0});
    EXPECT_EQ(query.row(5).Filename, "j1.mp3") << "the same file may stand twice";
}

TEST_F(QueryCommandsTest, AddedRowsKeepFieldsThatCannotBeReadEmpty)
{
    struct Case
    {
        QString duration;
        int node;
        QString durationText;
        QString collection;
    };
    const Case cases[]{
        {"180", 1, "03:00", "Rock"},    {"3725", 2, "62:05", "Jazz"}, {"59.5", 2, "01:00", "Jazz"},
        {"58.5", 2, "00:58", "Jazz"},   {"", 2, "", "Jazz"},          {"abc", 2, "", "Jazz"},
        {"99999999999", 1, "", "Rock"}, {"60", 9, "01:00", ""},       {"60", 0, "01:00", ""},
    };
    for (const Case& c : cases) {
        catalogue.ListFiles.push_back(test::makeRecord("odd.mp3", "/odd/", c.node, c.duration));
        catalogue.ListFiles2.assign({{qsizetype(catalogue.ListFiles.size()), "", SystemWindowText, false}});
        query.clear();
        addquery_Click(catalogue, query, fake.services, {0});
        ASSERT_EQ(query.size(), 1);
        EXPECT_EQ(query.row(0).Duration, c.durationText) << c.duration.toStdString();
        EXPECT_EQ(query.row(0).Collection, c.collection) << c.node;
    }
}

TEST_F(QueryCommandsTest, AddingResultRowsTakesTheirOwnCollection)
{
    catalogue.Duplicates.assign({{1, "Old name"}, {3, "Jazz"}, {5, "Jazz"}});
    addquery1_Click(catalogue, query, fake.services, {0, 2});
    EXPECT_EQ(names(), QStringList({"r1.mp3", "j3.mp3"}));
    EXPECT_EQ(query.row(0).Collection, "Old name");
    EXPECT_EQ(fake.status.current, "2 item(s) added to query.");
    EXPECT_EQ(catalogue.shownLowerList(), LowerList::Query);
}

TEST_F(QueryCommandsTest, CheckcolorGreysOnlyOtherPlayingRowsAndPaintsTheTagsRow)
{
    struct Case
    {
        QString tag;
        std::vector<ColorValue> after;
    };
    const Case cases[]{
        {"3", {Grey, Grey, Red, Text, Grey, Blue}},   {"1", {Red, Grey, Text, Text, Grey, Blue}},
        {"2.7", {Grey, Red, Text, Text, Grey, Blue}}, {"9", {Grey, Grey, Text, Text, Grey, Blue}},
        {"", {Red, Grey, Text, Text, Red, Blue}},     {"three", {Red, Grey, Text, Text, Red, Blue}},
    };
    for (const Case& c : cases) {
        query.clear();
        addRows({Red, Grey, Text, Text, Red, Blue});
        query.setTag(c.tag);
        checkcolor(query, fake.pump);
        EXPECT_EQ(colors(), c.after) << c.tag.toStdString();
    }
}

TEST_F(QueryCommandsTest, PlayingAnExistingFileUnchecksItAndMakesItTheTagsRow)
{
    const QString folder = test::freshFolder("query") + "/";
    test::writeFile(folder + "there.mp3");
    addRows({Text, Text});
    query.append({"there.mp3", folder, "03:00", "c:/", true});
    query.append({"gone.mp3", folder, "03:00", "c:/", true});

    queryplay_Click(query, fake.prompt, player, 3);
    EXPECT_EQ(fake.prompt.texts(),
              QStringList({"Can't find source! Please check is device connected or cd is inserted."}));
    EXPECT_EQ(fake.prompt.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(query.row(3).Checked);
    EXPECT_EQ(query.Tag(), "1");
    EXPECT_TRUE(player.played.isEmpty());

    queryplay_Click(query, fake.prompt, player, 2);
    EXPECT_FALSE(query.row(2).Checked);
    EXPECT_EQ(query.Tag(), "3");
    EXPECT_EQ(player.played, QStringList({folder + "there.mp3"}));

    queryplay_Click(query, fake.prompt, player, std::nullopt);
    EXPECT_EQ(player.played.size(), 1) << "no selected row plays nothing";
}

TEST_F(QueryCommandsTest, PlayingDuringACrossfadeChangesNothing)
{
    // The player ignores a file started during a fade: were its row marked played, the
    // queue would go on after it and the rows between would never be heard.
    const QString folder = test::freshFolder("query") + "/";
    test::writeFile(folder + "there.mp3");
    addRows({Text});
    query.append({"there.mp3", folder, "03:00", "c:/", true});
    query.append({"gone.mp3", folder, "03:00", "c:/", true});
    player.fadeRuns = true;

    queryplay_Click(query, fake.prompt, player, 1);
    queryplay_Click(query, fake.prompt, player, 2);
    EXPECT_TRUE(query.row(1).Checked);
    EXPECT_EQ(query.Tag(), "1");
    EXPECT_TRUE(fake.prompt.texts().isEmpty());
}

TEST_F(QueryCommandsTest, RemovingClearingAndMarkingLeaveTheTagAndTheChecks)
{
    addRows({Text, Red, Text, Text});
    query.setTag("3");
    queryrem_Click(query, 0);
    EXPECT_EQ(query.size(), 3);
    EXPECT_EQ(query.Tag(), "3") << "the Tag now names the row that moved up";

    querymplayed_Click(query, 2);
    querymunplayed_Click(query, 0);
    EXPECT_EQ(colors(), (std::vector<ColorValue>{Text, Text, Grey}));
    EXPECT_TRUE(query.row(2).Checked) << "a played mark keeps the row to be played";
    queryrem_Click(query, std::nullopt);
    queryrem_Click(query, 7);
    EXPECT_EQ(query.size(), 3);

    queryclear_Click(query);
    EXPECT_TRUE(query.isEmpty());
    EXPECT_EQ(query.Tag(), "3");
}

} // namespace
} // namespace twinsweep
