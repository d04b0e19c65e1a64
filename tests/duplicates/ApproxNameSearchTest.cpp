#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ApproxOracle.h"
#include "CollectionBuilder.h"
#include "CountingColors.h"
#include "FakeServices.h"
#include "catalogue/Catalogue.h"
#include "duplicates/ApproxNameSearch.h"
#include "duplicates/GroupColorSource.h"
#include "duplicates/SkipList.h"

namespace twinsweep {
namespace {

using test::addVolume;
using test::CycleColors;

struct Row
{
    qsizetype tag;
    bool checked;
    ColorValue color;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    return out << "{" << row.tag << (row.checked ? " head" : "") << " colour " << row.color << "}";
}

std::vector<Row> rowsOf(const FileList& list)
{
    std::vector<Row> rows;
    for (const ListRow& row : list.rows())
        rows.push_back({row.Tag, row.Checked, row.ForeColor});
    return rows;
}

/// A stop request that is first seen at the `calls`-th test; never when negative.
std::function<bool()> stopAtCall(int calls)
{
    return [calls, made = 0]() mutable { return calls >= 0 && ++made >= calls; };
}

using SearchFunction = void (*)(Catalogue&, Services&, GroupColorSource&, const ApproxSearchOptions&);

struct Implementation
{
    const char* name;
    SearchFunction search;
};

void PrintTo(const Implementation& c, std::ostream* out)
{
    *out << c.name;
}

/// Every case runs against the fast search and against the step-by-step reference.
class ApproxSearch : public ::testing::TestWithParam<Implementation>
{
protected:
    std::vector<Row> search(ApproxScope scope, int threshold, std::function<bool()> stop = {})
    {
        ApproxSearchOptions options;
        options.scope = scope;
        options.threshold = threshold;
        options.stopRequested = std::move(stop);
        options.workerThreads = 3;
        GetParam().search(catalogue, fake.services, colors, options);
        return rowsOf(catalogue.Duplicates);
    }
    std::vector<Row> searchAll(const QStringList& names, int threshold)
    {
        addVolume(catalogue, "Music", names);
        return search(ApproxScope::AllVolumes, threshold);
    }

    Catalogue catalogue;
    test::FakeServices fake;
    CycleColors colors;
};

TEST_P(ApproxSearch, WithoutScopeOnlyEmptiesTheListAndFinishes)
{
    addVolume(catalogue, "Music", {"same.mp3", "same.mp3"});
    catalogue.Duplicates.append(ListRow{1, "old", 0, true});
    EXPECT_TRUE(search(ApproxScope::None, 80).empty());
    EXPECT_EQ(fake.status.history, QStringList({"Searching for duplicates. Please wait...", "0 duplicate(s) found."}));
    EXPECT_FALSE(fake.status.progressVisible);
}

TEST_P(ApproxSearch, GroupsAHeadWithItsMembersAndReportsTheRowCount)
{
    const auto rows = searchAll({"The Song.mp3", "TheSong.mp3", "Song A.mp3", "Song B.mp3"}, 100);
    EXPECT_EQ(rows, (std::vector<Row>{{1, true, 1}, {2, false, 1}}));
    EXPECT_EQ(catalogue.Duplicates.row(1).Collection, "Music");
    EXPECT_EQ(fake.status.history.first(), "Searching for duplicates. Please wait...");
    EXPECT_EQ(fake.status.current, "2 duplicate(s) found.");
    EXPECT_EQ(fake.status.progressMaximum, 4);
    EXPECT_FALSE(fake.status.progressVisible);
}

TEST_P(ApproxSearch, PlacedRowsOpenNoGroupButMayJoinSeveral)
{
    // abcde matches abcdx and abcye (4 of 5), which match each other in 3 of 5 only.
    EXPECT_EQ(searchAll({"abcde.mp3", "abcdx.mp3", "abcye.mp3"}, 80),
              (std::vector<Row>{{1, true, 1}, {2, false, 1}, {3, false, 1}}));

    // abcde and xbcdz both match abcdz but not each other: abcdz is listed twice.
    catalogue.clearCollection();
    EXPECT_EQ(searchAll({"abcde.mp3", "xbcdz.mp3", "abcdz.mp3"}, 80),
              (std::vector<Row>{{1, true, 2}, {3, false, 2}, {2, true, 3}, {3, false, 3}}));
}

TEST_P(ApproxSearch, ComparisonsRewriteTheSourceNameForTheNextOnes)
{
    // "A  B" against "X" loses one blank, so it meets "A B" as "A B" and scores 100.
    EXPECT_EQ(searchAll({"A  B.mp3", "X.mp3", "A B.mp3"}, 50), (std::vector<Row>{{1, true, 1}, {3, false, 1}}));
    catalogue.clearCollection();
    EXPECT_TRUE(searchAll({"A  B.mp3", "A B.mp3"}, 50).empty()) << "33.333332 without the rewrite";
}

TEST_P(ApproxSearch, ShortNamesHaveAnEmptyNameOfTheirOwn)
{
    // Names of up to four characters compare as "", never as the previous row's name.
    EXPECT_EQ(searchAll({"abc", "song.mp3", "xy", ".mp3"}, 80),
              (std::vector<Row>{{1, true, 1}, {3, false, 1}, {4, false, 1}}));
}

TEST_P(ApproxSearch, SelectedVolumeComparesItsOwnFilesWithMasterTags)
{
    addVolume(catalogue, "Rock", {"song.mp3"});
    addVolume(catalogue, "Jazz", {"song.mp3", "other.mp3", "song.mp3"});
    catalogue.TreeView1.select(2);
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(search(ApproxScope::SelectedVolume, 80), (std::vector<Row>{{2, true, 1}, {4, false, 1}}));
    EXPECT_EQ(fake.status.progressMaximum, 3);
}

TEST_P(ApproxSearch, SourceAllVolumesPairsOnlyFilesOfOtherVolumes)
{
    addVolume(catalogue, "Rock", {"alpha.mp3", "omega.mp3", "alpha.mp3"});
    addVolume(catalogue, "Jazz", {"alpha.mp3", "omega.mp3"});
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    // Every Rock file gets its own group, members from Jazz only; a member's master
    // position (here 4 and 5) never hides a source row of the same number.
    EXPECT_EQ(
        search(ApproxScope::SelectedVolumeAgainstAll, 80),
        (std::vector<Row>{{1, true, 1}, {4, false, 1}, {2, true, 2}, {5, false, 2}, {3, true, 3}, {4, false, 3}}));
    EXPECT_EQ(catalogue.Duplicates.row(1).Collection, "Jazz");
}

TEST_P(ApproxSearch, SourceAllVolumesDoesNotSkipARowNumberedLikeAMember)
{
    addVolume(catalogue, "Rock", {"alpha.mp3"});
    addVolume(catalogue, "Jazz", {"alpha.mp3"});
    addVolume(catalogue, "Rock2", {"omega.mp3"});
    addVolume(catalogue, "Jazz2", {"omega.mp3"});
    // Rock and Rock2 share a volume number text, so the selected list holds rows 1 and 3.
    catalogue.ListFiles[2].setNodeNumber(1);
    catalogue.TreeView1.select(1);
    catalogue.ClickNOD(fake.services);
    EXPECT_EQ(search(ApproxScope::SelectedVolumeAgainstAll, 80),
              (std::vector<Row>{{1, true, 1}, {2, false, 1}, {3, true, 2}, {4, false, 2}}));
}

TEST_P(ApproxSearch, VolumeNameIsEmptyForAnUnknownVolume)
{
    addVolume(catalogue, "Music", {"tune.mp3", "tune.mp3"});
    catalogue.ListFiles[1].setValue(Field::NodeNR, "x");
    search(ApproxScope::AllVolumes, 80);
    ASSERT_EQ(catalogue.Duplicates.size(), 2);
    EXPECT_EQ(catalogue.Duplicates.row(0).Collection, "Music");
    EXPECT_EQ(catalogue.Duplicates.row(1).Collection, "");
}

TEST_P(ApproxSearch, StopKeepsTheGroupsFoundSoFar)
{
    addVolume(catalogue, "Music", {"one.mp3", "one.mp3", "two.mp3", "two.mp3", "six.mp3", "six.mp3"});
    // The stop is requested while the third source row is handled.
    const auto rows = search(ApproxScope::AllVolumes, 80, stopAtCall(4));
    EXPECT_EQ(rows, (std::vector<Row>{{1, true, 1}, {2, false, 1}, {3, true, 2}, {4, false, 2}}));
    EXPECT_EQ(fake.status.current, "4 duplicate(s) found.");
    EXPECT_FALSE(fake.status.progressVisible);
}

TEST_P(ApproxSearch, GroupColoursGoOnFromThePreviousSearch)
{
    addVolume(catalogue, "Music", {"one.mp3", "one.mp3"});
    colors.index = 7;
    EXPECT_EQ(search(ApproxScope::AllVolumes, 80), (std::vector<Row>{{1, true, 1}, {2, false, 1}}));
    EXPECT_EQ(search(ApproxScope::AllVolumes, 80), (std::vector<Row>{{1, true, 2}, {2, false, 2}}));
}

INSTANTIATE_TEST_SUITE_P(Both, ApproxSearch,
                         ::testing::Values(Implementation{"fast", &FNDDPLBYNAME},
                                           Implementation{"reference", &test::literalFNDDPLBYNAME}),
                         ::testing::PrintToStringParamName());

/// Random collections searched by both: the fast search must give the reference's rows,
/// colours, closing text and placed rows for every scope and threshold.
class RandomCollections : public ::testing::Test
{
protected:
    static QString randomName(std::mt19937& random, const QString& alphabet, int longest)
    {
        QString name;
        const int length = int(random() % unsigned(longest + 1));
        for (int k = 0; k < length; ++k)
            name += alphabet[int(random() % unsigned(alphabet.size()))];
        // Mostly with an extension; sometimes a bare name of a few characters.
        return random() % 6 == 0 ? name.left(int(random() % 5)) : name + ".mp3";
    }

    /// A name of `shortest` to `longest` characters of the alphabet, with an extension.
    static QString randomName(std::mt19937& random, const QString& alphabet, int shortest, int longest)
    {
        QString name;
        const int length = shortest + int(random() % unsigned(longest - shortest + 1));
        for (int k = 0; k < length; ++k)
            name += alphabet[int(random() % unsigned(alphabet.size()))];
        return name + ".mp3";
    }

    using NameMaker = std::function<QString(std::mt19937&, const std::vector<QString>& earlier)>;

    /// Random names of the alphabet, a third of them repeating an earlier one; a quarter
    /// with one character changed.
    static NameMaker randomNames(const QString& alphabet, int longest)
    {
        return [=](std::mt19937& random, const std::vector<QString>& earlier) {
            QString name = !earlier.empty() && random() % 3 == 0 ? earlier[random() % earlier.size()]
                                                                 : randomName(random, alphabet, longest);
            if (random() % 4 == 0 && !name.isEmpty())
                name[int(random() % unsigned(name.size()))] = alphabet[int(random() % unsigned(alphabet.size()))];
            return name;
        };
    }

    /// Many names of lengths near `center`, each a few edits from one of a few family
    /// names: changed characters, letter case, runs of blanks, a character more or less.
    /// Enough rows of each length for the block index to be used.
    static NameMaker familyNames(int center)
    {
        return [=](std::mt19937& random, const std::vector<QString>& earlier) -> QString {
            const QString alphabet = "abcAB";
            if (earlier.size() < 5)
                return randomName(random, alphabet, center - 2, center + 2);
            QString name = earlier[random() % 5].chopped(4);
            for (int edits = int(random() % 4); edits > 0 && !name.isEmpty(); --edits) {
                const int at = int(random() % unsigned(name.size()));
                switch (random() % 5) {
                case 0: name[at] = alphabet[int(random() % unsigned(alphabet.size()))]; break;
                case 1: name[at] = name[at].isUpper() ? name[at].toLower() : name[at].toUpper(); break;
                case 2: name.insert(at, QString(1 + int(random() % 3), u' ')); break;
                case 3: name.remove(at, 1); break;
                default: name += alphabet[int(random() % unsigned(alphabet.size()))];
                }
            }
            return name + ".mp3";
        };
    }

    void fill(Catalogue& catalogue, std::mt19937& random, int rows, const NameMaker& makeName)
    {
        const int volumes = 1 + int(random() % 3);
        for (int volume = 1; volume <= volumes; ++volume)
            catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "V" + QString::number(volume)});
        std::vector<QString> earlier;
        for (int row = 0; row < rows; ++row) {
            const QString name = makeName(random, earlier);
            earlier.push_back(name);
            const int volume = 1 + int(random() % unsigned(volumes));
            // "01" is volume 1 by number but another volume by its text.
            FileRecord record = test::makeRecord(name, "/media/", volume);
            if (random() % 10 == 0)
                record.setValue(Field::NodeNR, "0" + QString::number(volume));
            catalogue.ListFiles.push_back(record);
        }
        test::FakeServices fake;
        catalogue.TreeView1.select(1 + int(random() % unsigned(volumes)));
        catalogue.ClickNOD(fake.services);
    }

    void compare(std::mt19937& random, int rounds, int rows, const QString& alphabet, int longest)
    {
        compare(random, rounds, rows, randomNames(alphabet, longest),
                [](std::mt19937& random) { return 20 + int(random() % 81); });
    }

    void compare(std::mt19937& random, int rounds, int rows, const NameMaker& makeName,
                 const std::function<int(std::mt19937&)>& pickThreshold)
    {
        const ApproxScope scopes[] = {ApproxScope::AllVolumes, ApproxScope::SelectedVolume,
                                      ApproxScope::SelectedVolumeAgainstAll};
        for (int round = 0; round < rounds; ++round) {
            Catalogue fast;
            Catalogue reference;
            const unsigned seed = random();
            std::mt19937 first(seed);
            std::mt19937 second(seed);
            fill(fast, first, rows, makeName);
            fill(reference, second, rows, makeName);
            ApproxSearchOptions options;
            options.scope = scopes[random() % 3];
            options.threshold = pickThreshold(random);
            options.workerThreads = 1 + int(random() % 4);
            const int stopAt = random() % 4 == 0 ? int(random() % unsigned(rows + 1)) : -1;
            test::FakeServices fastServices;
            test::FakeServices referenceServices;
            CycleColors fastColors;
            CycleColors referenceColors;
            SkipList fastList1;
            SkipList referenceList1;
            options.stopRequested = stopAtCall(stopAt);
            options.List1 = &fastList1;
            FNDDPLBYNAME(fast, fastServices.services, fastColors, options);
            options.stopRequested = stopAtCall(stopAt);
            options.List1 = &referenceList1;
            test::literalFNDDPLBYNAME(reference, referenceServices.services, referenceColors, options);
            const auto context = QString("seed %1 scope %2 threshold %3 stop %4")
                                     .arg(seed)
                                     .arg(int(options.scope))
                                     .arg(options.threshold)
                                     .arg(stopAt);
            ASSERT_EQ(rowsOf(fast.Duplicates), rowsOf(reference.Duplicates)) << qPrintable(context);
            ASSERT_EQ(fastServices.status.current, referenceServices.status.current) << qPrintable(context);
            ASSERT_EQ(fastList1.entries(), referenceList1.entries()) << qPrintable(context);
            for (qsizetype row = 0; row < fast.Duplicates.size(); ++row)
                ASSERT_EQ(fast.Duplicates.row(row).Collection, reference.Duplicates.row(row).Collection);
        }
    }
};

TEST_F(RandomCollections, ShortNamesWithRunsOfBlanksAndMixedCase)
{
    std::mt19937 random(2024);
    compare(random, 400, 40, "aAbB   c", 8);
}

TEST_F(RandomCollections, LongerNamesOfManyLengths)
{
    std::mt19937 random(99);
    compare(random, 60, 150, "abcdeABCDE  -xyz", 30);
}

// Where the block index finds the candidates (high thresholds) and where it cannot
// (low ones), for names of every length from a few characters to beyond the widest
// blocks, so that pairs of lengths fall on both sides of each block boundary.
TEST_F(RandomCollections, NearNamesOfEveryLengthAtEveryThreshold)
{
    std::mt19937 random(7);
    const int thresholds[] = {20, 45, 60, 70, 75, 80, 85, 90, 95, 100};
    for (int center = 3; center <= 42; center += 3) {
        SCOPED_TRACE(center);
        compare(random, 2, 400, familyNames(center),
                [&](std::mt19937& random) { return thresholds[random() % std::size(thresholds)]; });
    }
}

} // namespace
} // namespace twinsweep
