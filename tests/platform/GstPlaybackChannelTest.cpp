#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <functional>

#include "FakeServices.h"
#include "MediaFiles.h"
#include "QueuePlayback.h"
#include "ScratchFiles.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "playback/modMultimedia.h"

namespace twinsweep {
namespace {

/// Asks `done` until it holds or ten seconds have passed.
bool waitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(10);
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

class GstPlaybackTest : public ::testing::TestWithParam<MediaCase>
{
protected:
    QString writeMedia()
    {
        const MediaCase& media = GetParam();
        const QString path = test::freshFolder("playback") + "/" + media.name;
        media.write(path);
        return path;
    }

    MciInterpreter interpreter{gstPlaybackChannels()};
    modMultimedia channels{interpreter};
};

TEST_P(GstPlaybackTest, PlaysAGeneratedFileFromItsOpenToItsClose)
{
    ASSERT_EQ(channels.OpenMedia(0, "f1", writeMedia(), "MpegVideo"), "Success");
    EXPECT_NEAR(double(channels.GetMediaLengthMs("f1")), double(GetParam().lengthMs), 100.0);
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

TEST_P(GstPlaybackTest, ARangeStopsAtItsEnd)
{
    ASSERT_EQ(channels.OpenMedia(0, "f2", writeMedia(), "MpegVideo"), "Success");
    EXPECT_EQ(channels.PlayMediaRange("f2", "", "30"), "Success");
    EXPECT_TRUE(waitFor([&] { return channels.GetMediaMode("f2") == "stopped"; }));
    EXPECT_EQ(channels.GetMediaPosition("f2"), 30);
}

TEST_P(GstPlaybackTest, AfterAStopPointAPauseOrASeekItPlaysOnFromWhereItStands)
{
    ASSERT_EQ(channels.OpenMedia(0, "f1", writeMedia(), "MpegVideo"), "Success");
    const auto playOn = [&] { return interpreter.mciSendString("play f1", nullptr, 0); };
    const auto playsOnFrom = [&](qint64 position) {
        return waitFor([&] { return channels.GetMediaPosition("f1") > position + 5; }) &&
               channels.GetMediaMode("f1") == "playing";
    };

    EXPECT_EQ(channels.PlayMediaRange("f1", "", "30"), "Success");
    EXPECT_TRUE(waitFor([&] { return channels.GetMediaMode("f1") == "stopped"; }));
    EXPECT_EQ(playOn(), 0);
    EXPECT_TRUE(playsOnFrom(30)) << "on from the stop point";

    EXPECT_EQ(channels.PauseMedia("f1"), "Success");
    EXPECT_EQ(interpreter.mciSendString("seek f1 to 150", nullptr, 0), 0);
    EXPECT_EQ(channels.ResumeMedia("f1"), "Success");
    EXPECT_EQ(channels.GetMediaMode("f1"), "stopped") << "a seek stops: resume has no pause to end";
    EXPECT_EQ(channels.GetMediaPosition("f1"), 150);
    EXPECT_EQ(playOn(), 0);
    EXPECT_TRUE(playsOnFrom(150)) << "on from the seek";
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
    // 8-bit mono of an odd number of samples: the data chunk ends in its pad byte.
    {"padded.wav",
     [](const QString& path) {
         test::writeWav(path, {.channels = 1, .sampleRate = 8000, .bitsPerSample = 8, .dataBytes = 8000 * 6 + 1});
     },
     6000},
};

INSTANTIATE_TEST_SUITE_P(GeneratedMedia, GstPlaybackTest, ::testing::ValuesIn(mediaCases),
                         [](const auto& info) { return QString(info.param.name).replace('.', '_').toStdString(); });

struct UnplayableCase
{
    const char* name;
    std::function<void(const QString& path)> write;
};

void PrintTo(const UnplayableCase& c, std::ostream* out)
{
    *out << c.name;
}

class GstUnplayableTest : public ::testing::TestWithParam<UnplayableCase>
{};

TEST_P(GstUnplayableTest, OpenFailsWithItsErrorText)
{
    const QString path = test::freshFolder("unplayable") + "/" + GetParam().name;
    GetParam().write(path);
    MciInterpreter interpreter{gstPlaybackChannels()};

    EXPECT_EQ(interpreter.mciSendString("open " + path + " type MpegVideo Alias f1", nullptr, 0),
              MciInterpreter::CannotLoad);
    EXPECT_EQ(interpreter.channel("f1"), nullptr);
}

const UnplayableCase unplayableCases[]{
    {"damaged.mp3", [](const QString& path) { test::writeBytes(path, QByteArray(4000, '\x5a')); }},
    {"empty.mp3", [](const QString& path) { test::writeBytes(path, {}); }},
    {"deleted.mp3",
     [](const QString& path) {
         test::writeMp3(path, {.frames = 40});
         QFile::remove(path);
     }},
    // A format tag that no decoder knows.
    {"nodecoder.wav", [](const QString& path) { test::writeWav(path, {.formatTag = 0x7777, .dataBytes = 44100 * 4}); }},
};

INSTANTIATE_TEST_SUITE_P(DamagedOrMissing, GstUnplayableTest, ::testing::ValuesIn(unplayableCases),
                         [](const auto& info) { return QString(info.param.name).section('.', 0, 0).toStdString(); });

TEST(GstPlaybackRunTest, TwoHundredFilesPlayOneAfterAnotherEachToItsEnd)
{
    const QString folder = test::freshFolder("run");
    const QString mp3 = folder + "/short.mp3";
    const QString wav = folder + "/short.wav";
    test::writeMp3(mp3, {.frames = 6}); // 0.16 s
    test::writeWav(wav, {.channels = 1, .sampleRate = 22050, .bitsPerSample = 16, .dataBytes = 22050 * 15 / 100 * 2});
    MciInterpreter interpreter{gstPlaybackChannels()};
    modMultimedia channels{interpreter};

    for (int file = 0; file < 200; ++file) {
        const QString path = file % 2 == 0 ? mp3 : wav;
        ASSERT_EQ(channels.OpenMedia(0, "f1", path, "MpegVideo"), "Success") << file;
        const qint64 lengthMs = channels.GetMediaLengthMs("f1");
        QElapsedTimer heard;
        heard.start();
        ASSERT_EQ(channels.PlayMediaRange("f1", "", ""), "Success") << file;
        ASSERT_TRUE(waitFor([&] { return channels.GetMediaMode("f1") == "stopped"; })) << file;
        // Played at the normal pace from its start to its end: it cannot end much sooner.
        EXPECT_GE(heard.elapsed(), lengthMs * 9 / 10) << file;
        channels.CloseMedia("f1");
    }
}

TEST(GstPlaybackRunTest, ACrossfadedQueueOfFilesShorterThanTheFadePlaysThemAll)
{
    const QString folder = test::freshFolder("shortqueue");
    QStringList files;
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) {
        files << folder + "/" + name;
        test::writeMp3(files.back(), {.frames = 40}); // about a second
    }
    test::FakeServices fake;
    EXPECT_EQ(test::playQueue(files, 3, fake.services, gstPlaybackChannels()), 3);
}

} // namespace
} // namespace twinsweep
