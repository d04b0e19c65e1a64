#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestEnvironment.h"
#include "catalogue/Module1.h"

namespace twinsweep {
namespace {

TEST(Module1Test, FormatDurationKeepsMinutesUnwrapped)
{
    const std::vector<std::pair<qint64, QString>> cases{
        {0, "00:00"}, {59, "00:59"}, {60, "01:00"}, {600, "10:00"}, {3725, "62:05"}, {6000, "100:00"}, {-1, "-01:-01"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(Module1::FormatDuration(seconds), text) << seconds;
}

TEST(Module1Test, FileNameFromPathTakesTheLastComponent)
{
    EXPECT_EQ(Module1::FileNameFromPath("/music/rock/a.mp3"), "a.mp3");
    EXPECT_EQ(Module1::FileNameFromPath("a.mp3"), "a.mp3");
    EXPECT_EQ(Module1::FileNameFromPath("/music/"), "");
    EXPECT_EQ(Module1::FileNameFromPath(""), "");
}

TEST(Module1Test, GetLongPathNeedsEveryComponent)
{
    const QString folder = test::scratchRoot() + "/long path";
    QDir().mkpath(folder);
    QFile file(folder + "/Song.mp3");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(Module1::GetLongPath(folder + "/./Song.mp3"), folder + "/Song.mp3");
    EXPECT_EQ(Module1::GetLongPath(folder + "/missing/Song.mp3"), "");
    EXPECT_EQ(Module1::GetLongPath(""), "");
}

} // namespace
} // namespace twinsweep
