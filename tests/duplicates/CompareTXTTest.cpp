#include <QStringList>
#include <gtest/gtest.h>

#include <random>

#include "ApproxOracle.h"
#include "duplicates/ApproxNameIndex.h"
#include "duplicates/CompareTXT.h"

namespace twinsweep {
namespace {

struct MeasureCase
{
    QString first;
    QString second;
    float score;
    QString firstAfter;
    QString secondAfter;
};

void PrintTo(const MeasureCase& c, std::ostream* out)
{
    *out << '"' << c.first.toStdString() << "\" against \"" << c.second.toStdString() << '"';
}

class CompareTXTTable : public ::testing::TestWithParam<MeasureCase>
{};

TEST_P(CompareTXTTable, ScoresAndWritesBackBothTexts)
{
    const MeasureCase& c = GetParam();
    QString first = c.first;
    QString second = c.second;
    EXPECT_EQ(CompareTXT(first, second), c.score);
    EXPECT_EQ(first, c.firstAfter);
    EXPECT_EQ(second, c.secondAfter);
}

INSTANTIATE_TEST_SUITE_P(Measure, CompareTXTTable,
                         ::testing::Values(MeasureCase{"abc", "abd", 66.666664f, "ABC", "ABD"},
                                           MeasureCase{" hello ", "HELLO", 100.0f, "HELLO", "HELLO"},
                                           MeasureCase{"Mixed Case", "mIXED cASE", 100.0f, "MIXED CASE", "MIXED CASE"},
                                           MeasureCase{"The Song", "TheSong", 100.0f, "THESONG", "THESONG"},
                                           MeasureCase{"A B C", "ABC", 100.0f, "ABC", "ABC"},
                                           MeasureCase{"A  B", "A B", 33.333332f, "A B", "AB"},
                                           MeasureCase{"ABC D", "ABC", 80.0f, "ABCD", "ABC"},
                                           MeasureCase{"ABC", "ABC D", 60.0f, "ABC", "ABC D"},
                                           MeasureCase{"abcd", "ab", 50.0f, "ABCD", "AB"},
                                           MeasureCase{"ab", "abcd", 50.0f, "AB", "ABCD"},
                                           MeasureCase{"X", "Y", 0.0f, "X", "Y"},
                                           // only code 32 is a blank
                                           MeasureCase{"\tA", "A", 0.0f, "\tA", "A"},
                                           MeasureCase{"   ", "", 100.0f, "", ""}));

TEST(CompareTXT, EachCallStartsFromTheTextThePreviousOneLeft)
{
    QString source = "a    b";
    const QStringList expected{"A  B", "A B", "AB"};
    for (const QString& after : expected) {
        QString other = "axxxxb";
        EXPECT_EQ(CompareTXT(source, other), 16.666666f);
        EXPECT_EQ(source, after);
        EXPECT_EQ(other, "AXXXXB");
    }
}

QString randomText(std::mt19937& random)
{
    static const QString alphabet = "aAbB  c.";
    QString text;
    const int length = int(random() % 9);
    for (int k = 0; k < length; ++k)
        text += alphabet[int(random() % alphabet.size())];
    return text;
}

TEST(CompareTXT, AgreesWithTheStepByStepMeasureOnRandomTexts)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        QString first = randomText(random);
        QString second = randomText(random);
        QString expectedFirst = first;
        QString expectedSecond = second;
        const float expected = test::literalCompareTXT(expectedFirst, expectedSecond);
        const QString input = "\"" + first + "\" / \"" + second + "\"";
        ASSERT_EQ(CompareTXT(first, second), expected) << qPrintable(input);
        ASSERT_EQ(first, expectedFirst) << qPrintable(input);
        ASSERT_EQ(second, expectedSecond) << qPrintable(input);
    }
}

// The fast search normalises a source name once and relies on later comparisons not
// changing it again: upper-casing must be idempotent and work character by character.
TEST(CompareTXT, UpperCasingTwiceChangesNothing)
{
    for (char32_t code = 1; code < 0x110000; ++code) {
        if (code >= 0xD800 && code < 0xE000)
            continue;
        const QString upper = QString::fromUcs4(&code, 1).toUpper();
        ASSERT_EQ(upper.toUpper(), upper) << unsigned(code);
        ASSERT_EQ((upper + " A" + upper).toUpper(), upper + " A" + upper) << unsigned(code);
    }
}

// The count test of the fast search must answer as the single-precision score does; it
// also coincides with the whole-number test 100 * equal >= threshold * length.
TEST(ScoreThreshold, CountTestMatchesTheFloatTestForEveryLengthAndThreshold)
{
    constexpr qsizetype longest = 32767;
    for (int threshold = 20; threshold <= 100; ++threshold) {
        const ScoreThreshold test(threshold, longest);
        for (qsizetype length = 1; length <= longest; ++length) {
            const qsizetype minimum = test.minimumEqual(length);
            ASSERT_GE(similarityScore(minimum, length), float(threshold)) << threshold << " " << length;
            if (minimum > 0) {
                ASSERT_LT(similarityScore(minimum - 1, length), float(threshold)) << threshold << " " << length;
            }
            ASSERT_EQ(minimum, (threshold * length + 99) / 100) << threshold << " " << length;
        }
    }
}

TEST(ApproxBaseName, DropsTheExtensionAndGivesShortNamesNoName)
{
    EXPECT_EQ(approxBaseName("Song.mp3"), "Song");
    EXPECT_EQ(approxBaseName(".mp3"), "");
    EXPECT_EQ(approxBaseName("abc"), "");
    EXPECT_EQ(approxBaseName(""), "");
}

} // namespace
} // namespace twinsweep
