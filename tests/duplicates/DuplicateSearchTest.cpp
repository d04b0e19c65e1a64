#include <gtest/gtest.h>

#include "CountingColors.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "catalogue/Catalogue.h"
#include "duplicates/DuplicateSearch.h"
#include "duplicates/SkipList.h"
#include "search/FindState.h"

namespace twinsweep {
namespace {

struct Song
{
    QString name;
    QString duration = "180";
    QString title = "Title";
    QString artist = "Artist";
    int volume = 1;
    QString frequency = "44100";
    QString bitrate = "128";
    QString size = "4000000";
};

class DuplicateSearchTest : public ::testing::Test
{
protected:
    DuplicateSearchTest()
    {
        for (const char* name : {"Rock", "Jazz", "Pop"})
            catalogue.TreeView1.add({QString("/media/") + name, "1", name});
    }

    void add(const std::vector<Song>& songs)
    {
        for (const Song& song : songs) {
            catalogue.ListFiles.push_back(
                FileRecord({song.name, "/media/music/", song.size, song.duration, song.frequency, song.bitrate,
                            song.title, song.artist, "Album", "", "2001", "3", "1.0", QString::number(song.volume)}));
        }
    }
    /// Songs that differ from each other in every compared value.
    void addDistinct(int count, int volume = 1)
    {
        for (int n = 0; n < count; ++n, ++m_distinct)
            add({{"other" + QString::number(m_distinct) + ".mp3", QString::number(300 + m_distinct),
                  "T" + QString::number(m_distinct), "A" + QString::number(m_distinct), volume}});
    }
    void selectVolume(int index)
    {
        catalogue.TreeView1.select(index);
        catalogue.ClickNOD(fake.services);
    }
    void run(DuplicateScope scope = DuplicateScope::AllVolumes) { findDUPLICATES(context, criteria, scope); }

    /// Each result row as "Tag check colour Collection", check "x" for a head.
    QStringList results() const
    {
        QStringList rows;
        for (const ListRow& row : catalogue.Duplicates.rows())
            rows << QString("%1 %2 %3 %4")
                        .arg(row.Tag)
                        .arg(row.Checked ? "x" : "-")
                        .arg(row.ForeColor)
                        .arg(row.Collection);
        return rows;
    }

    test::FakeServices fake;
    Catalogue catalogue;
    FindState state{fake.status, fake.busy};
    test::CountingColors colors;
    SkipList List1;
    DuplicateCriteria criteria;
    int resultsShown = 0;
    DuplicateSearchContext context{catalogue, fake.services, colors, state, List1, [this] { ++resultsShown; }, 0};

private:
    int m_distinct = 0;
};

TEST_F(DuplicateSearchTest, NamesDifferingInCaseFormOneGroupHeadedByTheFirst)
{
    addDistinct(1);
    add({{"Song.mp3"}});
    addDistinct(4);
    add({{"SONG.MP3", "999", "Other"}});
    addDistinct(1);
    add({{"song.mp3", "1", "", "", 2}});
    criteria.Check15 = 1;
    state.cancelas(); // the window's Find clears the stop request; the search must too

    run();

    EXPECT_EQ(results(), QStringList({"2 x 1 Rock", "7 - 1 Rock", "9 - 1 Jazz"}));
    EXPECT_EQ(List1.entries(), std::vector<qsizetype>({2, 7, 9}));
    EXPECT_EQ(fake.status.current, "3 duplicate(s) found.");
    EXPECT_EQ(fake.status.history.first(), "Searching for duplicates. Please wait...");
    EXPECT_EQ(fake.status.progressMaximum, 9);
    EXPECT_FALSE(fake.status.progressVisible);
    EXPECT_EQ(resultsShown, 1);
    EXPECT_FALSE(state.stopFlag().requested());
    EXPECT_TRUE(state.controlsEnabled());
    EXPECT_EQ(fake.busy.timesBusy, 1);
}

struct NotGroupedCase
{
    const char* what;
    DuplicateCriteria criteria;
    std::vector<Song> songs;
};

void PrintTo(const NotGroupedCase& c, std::ostream* out)
{
    *out << c.what;
}

class NotGroupedTest : public DuplicateSearchTest, public ::testing::WithParamInterface<NotGroupedCase>
{};

// Rows that the prefix search reaches, or that share some values, but fail a sub-test.
TEST_P(NotGroupedTest, FindsNoDuplicates)
{
    criteria = GetParam().criteria;
    add(GetParam().songs);
    run();
    EXPECT_EQ(results(), QStringList()) << GetParam().what;
    EXPECT_EQ(fake.status.current, "0 duplicate(s) found.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotGroupedTest,
    ::testing::Values(
        NotGroupedCase{"a longer name that begins with the key", {1, 0, 0}, {{"song.mp3"}, {"song.mp3.mp3"}}},
        NotGroupedCase{"a size that begins with the duration",
                       {0, 1, 0},
                       {{"a.mp3", "180"}, {"b.mp3", "200", "T", "A", 1, "44100", "128", "1800000"}}},
        NotGroupedCase{"same duration, another bit rate",
                       {0, 1, 0},
                       {{"a.mp3", "180"}, {"b.mp3", "180", "T", "A", 1, "44100", "192"}}},
        NotGroupedCase{"empty titles", {0, 0, 1}, {{"a.mp3", "1", ""}, {"b.mp3", "2", ""}}},
        NotGroupedCase{"empty artists", {0, 0, 1}, {{"a.mp3", "1", "Love", ""}, {"b.mp3", "2", "LOVE", ""}}},
        NotGroupedCase{"same name, another duration", {1, 1, 0}, {{"a.mp3", "180"}, {"A.MP3", "181"}}},
        NotGroupedCase{"same name and properties, another title",
                       {1, 1, 1},
                       {{"a.mp3", "180", "Love"}, {"A.mp3", "180", "Hate"}}}));

TEST_F(DuplicateSearchTest, EmptyTitleNeverHeadsOrJoinsAGroup)
{
    add({{"1.mp3", "1", ""}, {"2.mp3", "2", "love"}, {"3.mp3", "3", ""}, {"4.mp3", "4", "LOVE"}});
    criteria.Check17 = 1;
    run();
    EXPECT_EQ(results(), QStringList({"2 x 1 Rock", "4 - 1 Rock"}));
}

TEST_F(DuplicateSearchTest, SelectedVolumeAgainstAllVolumesGroupsAcrossVolumesOnly)
{
    add({{"Hit.mp3", "1", "a", "a", 1},
         {"x.mp3", "2", "b", "b", 2},
         {"HIT.mp3", "3", "c", "c", 1},
         {"hit.MP3", "4", "d", "d", 2},
         {"hit.mp3", "5", "e", "e", 3}});
    selectVolume(1);
    criteria.Check15 = 1;
    run(DuplicateScope::SelectedVolumeSourceAllVolumes);
    // The file of Jazz stands under both heads; the two Rock files never group together.
    EXPECT_EQ(results(),
              QStringList({"1 x 1 Rock", "4 - 1 Jazz", "5 - 1 Pop", "3 x 2 Rock", "4 - 2 Jazz", "5 - 2 Pop"}));
    EXPECT_EQ(List1.entries(), std::vector<qsizetype>({1, 2}));
    EXPECT_EQ(fake.status.progressMaximum, 2);
}

TEST_F(DuplicateSearchTest, SelectedVolumeGivesMasterPositionsAsTags)
{
    addDistinct(3, 1);
    add({{"a.mp3", "1", "t", "a", 2},
         {"b.mp3", "2", "t", "a", 2},
         {"A.mp3", "3", "t", "a", 2},
         {"a.mp3", "4", "t", "a", 1}});
    selectVolume(2);
    criteria.Check15 = 1;
    run(DuplicateScope::SelectedVolume);
    EXPECT_EQ(results(), QStringList({"4 x 1 Jazz", "6 - 1 Jazz"}));
    EXPECT_EQ(List1.entries(), std::vector<qsizetype>({1, 3})) << "List1 holds rows of the volume list";
}

TEST_F(DuplicateSearchTest, CancelKeepsTheGroupsFoundSoFar)
{
    for (int n = 0; n < 5; ++n)
        add({{"x" + QString::number(n) + ".mp3"}, {"X" + QString::number(n) + ".MP3"}});
    criteria.Check15 = 1;
    fake.pump.onProcessEvents = [this] {
        if (!catalogue.Duplicates.isEmpty())
            state.cancelas();
    };
    run();
    EXPECT_EQ(results(), QStringList({"1 x 1 Rock", "2 - 1 Rock"}));
    EXPECT_EQ(fake.status.current, "2 duplicate(s) found.");
    EXPECT_FALSE(state.stopFlag().requested());
    EXPECT_TRUE(state.controlsEnabled());
    EXPECT_EQ(resultsShown, 1);
}

TEST_F(DuplicateSearchTest, TheColourCycleGoesOnIntoTheNextSearch)
{
    add({{"a.mp3"}, {"A.mp3"}, {"b.mp3"}, {"B.mp3"}});
    criteria.Check15 = 1;
    run();
    run();
    EXPECT_EQ(results(), QStringList({"1 x 3 Rock", "2 - 3 Rock", "3 x 4 Rock", "4 - 4 Rock"}));
}

TEST_F(DuplicateSearchTest, NothingCheckedRefusesAndKeepsTheResults)
{
    add({{"a.mp3"}, {"a.mp3"}});
    criteria.Check15 = 1;
    run();
    criteria = {};
    fake.status.progressVisible = true;
    state.setControlsEnabled(false);
    run();
    EXPECT_EQ(fake.prompt.texts(), QStringList{"No compare mode was choosen!"});
    EXPECT_EQ(fake.prompt.shown.front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(fake.status.current, "Canceled. No settings were choosen.");
    EXPECT_EQ(results().size(), 2);
    EXPECT_TRUE(state.stopFlag().requested());
    EXPECT_TRUE(state.controlsEnabled());
    EXPECT_FALSE(fake.status.progressVisible);
    EXPECT_EQ(resultsShown, 1);
}

TEST_F(DuplicateSearchTest, AnEmptyListOrNoScopeFindsNothing)
{
    add({{"a.mp3"}, {"a.mp3"}});
    criteria.Check16 = 1;
    for (DuplicateScope scope : {DuplicateScope::SelectedVolume, DuplicateScope::None}) {
        run(scope);
        EXPECT_EQ(results(), QStringList());
        EXPECT_EQ(fake.status.current, "0 duplicate(s) found.");
        EXPECT_TRUE(state.controlsEnabled());
    }
}

} // namespace
} // namespace twinsweep
