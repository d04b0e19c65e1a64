#include <gtest/gtest.h>

#include <random>

#include "CountingColors.h"
#include "DuplicateOracle.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "duplicates/SkipList.h"
#include "search/FindState.h"

namespace twinsweep {
namespace {

/// Small pools of values, full of what trips a search up: case-only differences,
/// names and numbers that are prefixes of others, empty texts, letters whose upper
/// case is longer than themselves, volume numbers written two ways.
class RandomCollection
{
public:
    explicit RandomCollection(unsigned seed) : m_random(seed) {}

    void fill(Catalogue& catalogue)
    {
        for (int volume = 1; volume <= 3; ++volume)
            catalogue.TreeView1.add({"/media/v" + QString::number(volume), "1", "Volume " + QString::number(volume)});
        const int rows = pick(QList<int>{0, 1, 5, 20, 40, 60});
        for (int row = 0; row < rows; ++row)
            catalogue.ListFiles.push_back(record());
        catalogue.TreeView1.select(1 + int(m_random() % 3));
    }

private:
    template <typename T> T pick(const QList<T>& values) { return values[qsizetype(m_random() % values.size())]; }

    FileRecord record()
    {
        static const QStringList names{"song.mp3", "Song.mp3", "SONG.MP3",   "song.mp3.mp3", "SONG.mp3.MP3", "a.wav",
                                       "A.WAV",    "ab.wav",   "straße.mp3", "STRASSE.MP3",  "Straße.MP3",   ""};
        static const QStringList durations{"", "18", "180", "180", "181", "1800"};
        static const QStringList numbers{"180", "1800000", "18", "44100", "Love"};
        static const QStringList titles{"", "Love", "LOVE", "love", "Lo", "Love Song", "ß", "SS"};
        static const QStringList artists{"", "ABBA", "abba", "Abba ", "AB", "Love"};
        static const QStringList frequencies{"44100", "44100", "22050", ""};
        static const QStringList bitrates{"128", "128", "12", "192"};
        const int volume = 1 + int(m_random() % 3);
        const QString node = m_random() % 8 == 0 ? "0" + QString::number(volume) : QString::number(volume);
        return FileRecord({pick(names), "/media/v/", pick(numbers), pick(durations), pick(frequencies), pick(bitrates),
                           pick(titles), pick(artists), pick(titles), pick(numbers), "2001", "3", "1.0", node});
    }

    std::mt19937 m_random;
};

QStringList describe(const std::vector<ListRow>& rows)
{
    QStringList texts;
    for (const ListRow& row : rows)
        texts
            << QString("%1 %2 %3 %4").arg(row.Tag).arg(row.Checked ? "x" : "-").arg(row.ForeColor).arg(row.Collection);
    return texts;
}

class DuplicateOracleTest : public ::testing::TestWithParam<unsigned>
{};

// The indexed search gives the rows of the literal search, in the same order, with the
// same heads, Tags, colours and volume names, and the same skip list.
TEST_P(DuplicateOracleTest, IndexedSearchMatchesTheLiteralSearch)
{
    test::FakeServices fake;
    Catalogue catalogue;
    RandomCollection(GetParam()).fill(catalogue);
    catalogue.ClickNOD(fake.services);
    FindState state(fake.status, fake.busy);
    SkipList List1;
    test::CountingColors colors;
    const DuplicateSearchContext context{catalogue, fake.services, colors, state, List1, {}, 0};

    for (int mode = 1; mode < 8; ++mode) {
        const DuplicateCriteria criteria{mode & 1, (mode >> 1) & 1, (mode >> 2) & 1};
        for (DuplicateScope scope : {DuplicateScope::AllVolumes, DuplicateScope::SelectedVolume,
                                     DuplicateScope::SelectedVolumeSourceAllVolumes}) {
            test::CountingColors oracleColors{colors};
            const test::OracleResult expected = test::oracleFindDuplicates(catalogue, criteria, scope, oracleColors);
            findDUPLICATES(context, criteria, scope);
            const QString what = QString("criteria %1 scope %2").arg(mode).arg(int(scope));
            ASSERT_EQ(describe(catalogue.Duplicates.rows()), describe(expected.rows)) << what.toStdString();
            ASSERT_EQ(List1.entries(), expected.List1) << what.toStdString();
            ASSERT_EQ(fake.status.current, QString::number(expected.rows.size()) + " duplicate(s) found.");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, DuplicateOracleTest, ::testing::Range(1u, 61u), ::testing::PrintToStringParamName());

} // namespace
} // namespace twinsweep
