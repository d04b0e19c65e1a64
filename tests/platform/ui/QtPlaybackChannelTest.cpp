#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

#include "MediaFiles.h"
#include "ScratchFiles.h"
#include "platform/MciInterpreter.h"
#include "platform/ui/QtPlaybackChannel.h"
#include "playback/modMultimedia.h"

namespace twinsweep {
namespace {

/// Lets the event loop run until `done` holds or ten seconds have passed.
bool waitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

struct MediaCase
{
    const char* name;
    std::function<void(const QString& path)> write;
    qint64 lengthMs;
};

void PrintTo(const MediaCase& c, std::ostream* out)
{
    *out << c.name;
}

class QtPlaybackTest : public ::testing::TestWithParam<MediaCase>
{
protected:
    MciInterpreter interpreter{QtPlaybackChannel::factory()};
    modMultimedia channels{interpreter};
};

TEST_P(QtPlaybackTest, PlaysAGeneratedFileFromItsOpenToItsClose)
{
    const MediaCase& media = GetParam();
    const QString path = test::freshFolder("playback") + "/" + media.name;
    media.write(path);

    ASSERT_EQ(channels.OpenMedia(0, "f1", path, "MpegVideo"), "Success");
    EXPECT_NEAR(double(channels.GetMediaLengthMs("f1")), double(media.lengthMs), 100.0);
    EXPECT_EQ(channels.GetMediaMode("f1"), "stopped");
    EXPECT_EQ(channels.SetMediaVolume("f1", "all", 70), "Success");

    EXPECT_EQ(channels.PlayMediaRange("f1", "", ""), "Success");
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing");
    EXPECT_TRUE(waitFor([&] { return channels.GetMediaPosition("f1") > 10; }));

    EXPECT_EQ(channels.PauseMedia("f1"), "Success");
    EXPECT_EQ(channels.GetMediaMode("f1"), "paused");
    const qint64 pausedAt = channels.GetMediaPosition("f1");
    EXPECT_GT(pausedAt, 0);

    EXPECT_EQ(channels.CloseMedia("f1"), "Success");
    EXPECT_EQ(channels.GetMediaMode("f1"), "ERROR");
}

TEST_P(QtPlaybackTest, ARangeStopsAtItsEnd)
{
    const MediaCase& media = GetParam();
    const QString path = test::freshFolder("playback") + "/" + media.name;
    media.write(path);
    ASSERT_EQ(channels.OpenMedia(0, "f2", path, "MpegVideo"), "Success");
    EXPECT_EQ(channels.PlayMediaRange("f2", "", "30"), "Success");
    EXPECT_TRUE(waitFor([&] { return channels.GetMediaMode("f2") == "stopped"; }));
    EXPECT_EQ(channels.GetMediaPosition("f2"), 30);
}

const MediaCase mediaCases[]{
    {"tone.wav",
     [](const QString& path) {
         test::writeWav(path, {.channels = 1, .sampleRate = 22050, .bitsPerSample = 16, .dataBytes = 22050 * 2 * 6});
     },
     6000},
    {"tone.mp3",
     [](const QString& path) {
         // 1152 samples per frame at 44.1 kHz: 230 frames last about six seconds.
         test::writeMp3(path, {.frames = 230});
     },
     230 * 1152 * 1000 / 44100},
};

INSTANTIATE_TEST_SUITE_P(GeneratedMedia, QtPlaybackTest, ::testing::ValuesIn(mediaCases),
                         [](const auto& info) { return std::string(info.param.name).substr(5); });

} // namespace
} // namespace twinsweep
