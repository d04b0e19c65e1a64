#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "duplicates/ApproxBlockIndex.h"
#include "duplicates/ApproxNameIndex.h"

namespace twinsweep {
namespace {

/// Names of one family around a length: a few characters changed, letter case, runs of
/// blanks, a character more or less.
std::vector<QString> familyNames(std::mt19937& random, int rows, int center)
{
    const QString alphabet = "abcdAB";
    std::vector<QString> bases;
    for (int base = 0; base < 6; ++base) {
        QString name;
        for (int k = 0, length = center - 2 + int(random() % 5); k < length; ++k)
            name += alphabet[int(random() % unsigned(alphabet.size()))];
        bases.push_back(name);
    }
    std::vector<QString> names;
    for (int row = 0; row < rows; ++row) {
        QString name = bases[random() % bases.size()];
        for (int changes = int(random() % 4); changes > 0 && !name.isEmpty(); --changes) {
            const int at = int(random() % unsigned(name.size()));
            switch (random() % 5) {
            case 0: name[at] = alphabet[int(random() % unsigned(alphabet.size()))]; break;
            case 1: name[at] = name[at].isUpper() ? name[at].toLower() : name[at].toUpper(); break;
            case 2: name.insert(at, QString(1 + int(random() % 3), u' ')); break;
            case 3: name.remove(at, 1); break;
            default: name += alphabet[int(random() % unsigned(alphabet.size()))];
            }
        }
        names.push_back(name + ".mp3");
    }
    return names;
}

qsizetype unequalPositions(const char16_t* a, const char16_t* b, qsizetype compared)
{
    qsizetype unequal = 0;
    for (qsizetype k = 0; k < compared; ++k)
        unequal += a[k] != b[k] ? 1 : 0;
    return unequal;
}

struct IndexCase
{
    int threshold;
    int center;
    bool applies; // the index finds candidates for some pairs of lengths
};

void PrintTo(const IndexCase& c, std::ostream* out)
{
    *out << "threshold" << c.threshold << "length" << c.center;
}

class BlockIndex : public ::testing::TestWithParam<IndexCase>
{};

// Every row within the allowed unequal positions of a source is among its candidates,
// for every pair of lengths, stretch of rows and width the index offers.
TEST_P(BlockIndex, FindsEveryRowThatCanPair)
{
    const IndexCase& param = GetParam();
    std::mt19937 random(unsigned(param.threshold * 1000 + param.center));
    const std::vector<QString> filenames = familyNames(random, 1500, param.center);
    const ApproxNameTable table(filenames, std::vector<QString>(filenames.size(), "1"));
    const ScoreThreshold threshold(param.threshold, table.longestName());
    const ApproxBlockIndex index(table, threshold);
    int used = 0;
    std::vector<qint32> candidates;
    for (qsizetype length = 1; length <= table.longestSqueezed(); ++length) {
        const ApproxNameTable::Bucket& sources = table.bucket(length);
        for (size_t source = 0; source < sources.rows.size(); source += 7) {
            const char16_t* name = sources.names.data() + source * size_t(length);
            for (qsizetype other = 1; other <= table.longestSqueezed(); ++other) {
                const ApproxNameTable::Bucket& bucket = table.bucket(other);
                const qsizetype compared = std::min(length, other);
                const qsizetype allowed = compared - threshold.minimumEqual(std::max(length, other));
                const int width = index.widthFor(other, compared, allowed);
                const qint32 first = qint32(source % 50);
                const qint32 end = qint32(bucket.rows.size());
                if (width == 0 || !index.candidates(name, other, width, compared, first, end, candidates))
                    continue;
                ++used;
                ASSERT_TRUE(std::is_sorted(candidates.begin(), candidates.end()));
                ASSERT_EQ(std::adjacent_find(candidates.begin(), candidates.end()), candidates.end());
                for (qint32 k = first; k < end; ++k) {
                    const bool pairable =
                        unequalPositions(name, bucket.names.data() + size_t(k) * size_t(other), compared) <= allowed;
                    const bool found = std::binary_search(candidates.begin(), candidates.end(), k);
                    ASSERT_TRUE(found || !pairable) << "lengths " << length << " and " << other << " row " << k;
                    ASSERT_TRUE(k >= first && k < end);
                }
            }
        }
    }
    EXPECT_EQ(used > 0, param.applies);
}

INSTANTIATE_TEST_SUITE_P(ThresholdsAndLengths, BlockIndex,
                         ::testing::Values(IndexCase{80, 6, true}, IndexCase{80, 11, true}, IndexCase{80, 16, true},
                                           IndexCase{80, 24, true}, IndexCase{80, 33, true}, IndexCase{90, 9, true},
                                           IndexCase{95, 40, true}, IndexCase{100, 5, true}, IndexCase{60, 10, true},
                                           IndexCase{45, 20, true}, IndexCase{20, 30, false}),
                         ::testing::PrintToStringParamName());

} // namespace
} // namespace twinsweep
