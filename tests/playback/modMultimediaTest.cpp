#include <gtest/gtest.h>

#include <QDir>

#include "FakeMultimedia.h"
#include "ScratchFiles.h"
#include "playback/modMultimedia.h"

namespace twinsweep {
namespace {

using test::FakeMultimedia;
using test::FakePlaybackChannel;

class modMultimediaTest : public ::testing::Test
{
protected:
    /// Opens a new three-minute file on `alias`.
    QString openFile(const QString& alias = "f1", qint64 lengthMs = FakeMultimedia::DefaultLengthMs)
    {
        const QString path = test::freshFolder("media") + "/song one.mp3";
        test::writeFile(path);
        media.lengths.insert(path, lengthMs);
        EXPECT_EQ(channels.OpenMedia(0, alias, path, "MpegVideo"), "Success");
        return path;
    }
    QString lastSent() const { return media.sent.isEmpty() ? QString() : media.sent.last(); }

    FakeMultimedia media;
    modMultimedia channels{media};
};

constexpr qint64 ThreeMinutesInFrames = 180 * FakePlaybackChannel::FramesPerSecond;

TEST_F(modMultimediaTest, AnAliasThatIsNotOpenGivesTheFailureResults)
{
    EXPECT_EQ(channels.GetMediaMode("f1"), "ERROR");
    const std::pair<const char*, qint64> numbers[]{
        {"position", channels.GetMediaPosition("f1")}, {"frames", channels.GetMediaLengthFrames("f1")},
        {"ms", channels.GetMediaLengthMs("f1")},       {"fps", channels.GetFramesPerSecond("f1")},
        {"percent", channels.GetPercentPlayed("f1")},
    };
    for (const auto& [query, result] : numbers)
        EXPECT_EQ(result, -1) << query;
    for (const QString& result : {channels.CloseMedia("f1"), channels.PauseMedia("f1"), channels.ResumeMedia("f1"),
                                  channels.PlayMediaRange("f1", "", ""), channels.SeekAndPlayMedia("f1", 0)}) {
        EXPECT_NE(result, "Success");
        EXPECT_FALSE(result.isEmpty());
    }
}

TEST_F(modMultimediaTest, VolumeCommandsCarryTheLevelAndTheCallersChannelWord)
{
    openFile();
    struct Case
    {
        qint64 volume;
        QString channel;
        QString result;
        QString command; // "" = nothing sent
        int left, right;
    };
    const Case cases[]{
        {101, "all", "out of volume", "", 1000, 1000},
        {-1, "all", "out of volume", "", 1000, 1000},
        {100, "all", "Success", "setaudio f1 Volume to 1000", 1000, 1000},
        {0, "all", "Success", "setaudio f1 Volume to 0", 0, 0},
        {50, "Left", "Success", "setaudio f1 Left Volume to 500", 500, 0},
        {30, "RIGHT", "Success", "setaudio f1 RIGHT Volume to 300", 500, 300},
        {70, "both", "Success", "setaudio f1 Volume to 700", 700, 700},
    };
    for (const Case& c : cases) {
        const qsizetype before = media.sent.size();
        EXPECT_EQ(channels.SetMediaVolume("f1", c.channel, c.volume), c.result) << c.volume;
        if (c.command.isEmpty()) {
            EXPECT_EQ(media.sent.size(), before) << c.volume;
        } else {
            EXPECT_EQ(lastSent().size(), 128);
            EXPECT_EQ(lastSent().trimmed(), c.command);
        }
        EXPECT_EQ(media.channel("f1")->left, c.left) << c.volume << c.channel.toStdString();
        EXPECT_EQ(media.channel("f1")->right, c.right) << c.volume << c.channel.toStdString();
    }
}

TEST_F(modMultimediaTest, ARangeWithoutEndsPlaysTheWholeFileInFrames)
{
    openFile();
    EXPECT_EQ(channels.PlayMediaRange("f1", "", ""), "Success");
    EXPECT_EQ(lastSent().size(), 128);
    EXPECT_EQ(lastSent().trimmed(), QString("play f1 from 0 to %1").arg(ThreeMinutesInFrames));
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing");

    media.advance(36000);
    EXPECT_EQ(channels.GetMediaPosition("f1"), 36 * FakePlaybackChannel::FramesPerSecond);
    EXPECT_EQ(channels.GetPercentPlayed("f1"), 20);
    media.advance(200000);
    EXPECT_EQ(channels.GetMediaMode("f1"), "stopped");
    EXPECT_EQ(channels.GetMediaPosition("f1"), ThreeMinutesInFrames);
}

TEST_F(modMultimediaTest, ARangePlaysFromItsStartAndStopsAtItsEnd)
{
    openFile();
    EXPECT_EQ(channels.PlayMediaRange("f1", "50", "100"), "Success");
    media.advance(1000);
    EXPECT_EQ(channels.GetMediaPosition("f1"), 75);
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing");
    media.advance(60000);
    EXPECT_EQ(channels.GetMediaMode("f1"), "stopped");
    EXPECT_EQ(channels.GetMediaPosition("f1"), 100);
}

TEST_F(modMultimediaTest, LengthsInMillisecondsLeaveTheChannelInFrames)
{
    openFile();
    channels.PlayMediaRange("f1", "", "");
    media.advance(2000);
    EXPECT_EQ(channels.GetMediaLengthMs("f1"), 180000);
    EXPECT_EQ(channels.GetMediaPosition("f1"), 2 * FakePlaybackChannel::FramesPerSecond);
    EXPECT_EQ(channels.GetMediaLengthFrames("f1"), ThreeMinutesInFrames);
    EXPECT_EQ(channels.GetFramesPerSecond("f1"), FakePlaybackChannel::FramesPerSecond);
}

TEST_F(modMultimediaTest, AFileWithoutLengthHasNoFrameRate)
{
    openFile("f1", 0);
    EXPECT_EQ(channels.GetMediaLengthMs("f1"), 0);
    EXPECT_EQ(channels.GetFramesPerSecond("f1"), -1);
    EXPECT_EQ(channels.GetPercentPlayed("f1"), 0);
}

TEST_F(modMultimediaTest, APercentageWhoseProductOverflows32BitsIsZero)
{
    openFile("f1", 1'000'000'000); // about eleven and a half days
    struct Case
    {
        qint64 frame;
        qint64 percent;
    };
    const Case cases[]{{12'500'000, 50}, {21'474'836, 86}, {21'474'837, 0}, {24'999'999, 0}};
    for (const Case& c : cases) {
        channels.SeekAndPlayMedia("f1", c.frame);
        EXPECT_EQ(channels.GetPercentPlayed("f1"), c.percent) << c.frame;
    }
}

TEST_F(modMultimediaTest, SeekAndPlayReportsTheSeekOnly)
{
    openFile();
    channels.PauseMedia("f1");
    EXPECT_EQ(channels.SeekAndPlayMedia("f1", 250), "Success");
    EXPECT_EQ(media.sent.mid(media.sent.size() - 2), QStringList({"seek f1 to 250", "Play f1"}));
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing");
    EXPECT_EQ(channels.GetMediaPosition("f1"), 250);

    EXPECT_NE(channels.SeekAndPlayMedia("f1", ThreeMinutesInFrames + 1), "Success");
    EXPECT_EQ(lastSent(), "Play f1");
}

TEST_F(modMultimediaTest, PauseHoldsThePositionAndResumePlaysOn)
{
    openFile();
    channels.PlayMediaRange("f1", "", "");
    media.advance(1000);
    EXPECT_EQ(channels.PauseMedia("f1"), "Success");
    EXPECT_EQ(channels.GetMediaMode("f1"), "paused");
    media.advance(5000);
    EXPECT_EQ(channels.GetMediaPosition("f1"), 25);
    EXPECT_EQ(channels.ResumeMedia("f1"), "Success");
    media.advance(1000);
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing");
    EXPECT_EQ(channels.GetMediaPosition("f1"), 50);
}

TEST_F(modMultimediaTest, OpeningAMissingFileSendsNoPathAndReportsTheError)
{
    const QString missing = test::freshFolder("media") + "/gone.mp3";
    const QString result = channels.OpenMedia(0, "f1", missing, "MpegVideo");
    EXPECT_NE(result, "Success");
    EXPECT_FALSE(result.isEmpty());
    EXPECT_EQ(lastSent().trimmed(), "open  type MpegVideo Alias f1 parent 0 Style 1073741824");
    EXPECT_EQ(lastSent().size(), 255);
    EXPECT_EQ(channels.GetMediaMode("f1"), "ERROR");
}

TEST_F(modMultimediaTest, ALongPathWithBlanksOpens)
{
    QString folder = test::freshFolder("media");
    while (folder.size() < 300)
        folder += "/a folder with blanks and a type word";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/song.mp3";
    test::writeFile(path);
    EXPECT_EQ(channels.OpenMedia(4242, "f2", path, "MpegVideo"), "Success");
    EXPECT_GT(lastSent().size(), 300);
    EXPECT_EQ(media.interpreter.path("f2"), path);
    EXPECT_EQ(channels.GetMediaMode("f2"), "stopped");
}

TEST_F(modMultimediaTest, ClosingReleasesTheAliasAndCloseAllEveryAlias)
{
    openFile("f1");
    openFile("f2");
    EXPECT_NE(channels.OpenMedia(0, "F1", media.channel("f1")->path, "MpegVideo"), "Success"); // still open
    EXPECT_EQ(channels.CloseMedia("f1"), "Success");
    EXPECT_EQ(channels.GetMediaMode("f1"), "ERROR");
    EXPECT_EQ(channels.GetMediaMode("f2"), "stopped");
    EXPECT_EQ(channels.CloseAllMedia(), "Success");
    EXPECT_EQ(media.sent.last(), "Close All");
    EXPECT_EQ(channels.GetMediaMode("f2"), "ERROR");
}

} // namespace
} // namespace twinsweep
