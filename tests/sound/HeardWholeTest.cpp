#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <functional>

#include "FakePlayerView.h"
#include "FakeServices.h"
#include "OneStreamDevice.h"
#include "QtPrinters.h"
#include "QueuePlayback.h"
#include "SoundServer.h"
#include "ToneAnalysis.h"
#include "ToneFiles.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "playback/Player.h"
#include "playback/QtWaitClock.h"
#include "playback/modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

using test::ToneFile;

constexpr qint64 HeardWholeMs = 400; // of each 500 ms step
constexpr int FileCount = 3;
constexpr int StepCount = 3;
// Without a crossfade the queue starts the next file once the position reaches the
// length's whole seconds: the steps end before that, and only silence follows them.
constexpr int SilenceMs = 600;
// With a silence this long after the steps, the queue starts the next file while the
// current one still plays, and holds its device, even when the monitor ticks late.
constexpr int LongSilenceMs = 1400;
// Crossfaded files last longer than the crossfade, as tracks do: the next file starts
// while the current one plays on, not at once.
constexpr int CrossfadedStepCount = 9;
constexpr int CrossfadeSeconds = 3;
constexpr qint64 PlayTimeoutMs = 30000;
// A server that takes this long to answer (one starting up, or briefly stalled) is heard.
constexpr int LateAnswerMs = 2500;

/// Runs the event loop until `done` holds; false when it does not within the time limit.
bool runUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(PlayTimeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QStringList pathsOf(const std::vector<ToneFile>& files)
{
    QStringList paths;
    for (const ToneFile& file : files)
        paths << file.path;
    return paths;
}

/// Files of tone steps played into a sound server of the test's own and recorded from
/// its sink at the latency of the parameter.
class HeardWholeTest : public ::testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isRunning()) << server.error().toStdString();
        ASSERT_TRUE(recorder.start()) << recorder.error().toStdString();
    }
    void expectHeardWhole()
    {
        const std::vector<test::HeardTone> heard =
            test::heardTones(recorder.stop(), test::MonitorRecorder::SampleRate, test::toneFrequencies(files));
        EXPECT_THAT(test::faultsHeard(heard, files, HeardWholeMs), ::testing::IsEmpty()) << test::describe(heard);
    }
    /// Plays the files one by one, each begun once the one before has ended.
    void playFromSilence()
    {
        test::FakeServices fake;
        MciInterpreter interpreter{gstPlaybackChannels()};
        modMultimedia channels{interpreter};
        QueryList query;
        test::FakePlayerView view;
        QtWaitClock clock;
        const int PlayerVolume = 100;
        Player player{channels, query, view, fake.services, clock, PlayerVolume};
        for (const ToneFile& file : files) {
            player.playmedia(file.path);
            ASSERT_TRUE(runUntil([&channels] { return channels.GetMediaMode("f1") != "playing"; }));
        }
    }
    void playQueue(int crossfade)
    {
        test::FakeServices fake;
        EXPECT_EQ(test::playQueue(pathsOf(files), crossfade, fake.services, gstPlaybackChannels()),
                  qsizetype(files.size()));
    }

    test::SoundServer server;
    test::MonitorRecorder recorder{server, GetParam()};
    std::vector<ToneFile> files = test::writeToneFiles(FileCount, StepCount, SilenceMs);
};

TEST_P(HeardWholeTest, GStreamerPlaybinPlaysFilesFromSilenceWhole)
{
    // A player known to play whole: what the recording shows of it is the harness's own.
    for (const ToneFile& file : files) {
        QProcess playbin;
        playbin.start("gst-launch-1.0",
                      {"-q", "playbin", "uri=" + QUrl::fromLocalFile(file.path).toString(), "audio-sink=pulsesink"});
        ASSERT_TRUE(playbin.waitForFinished(PlayTimeoutMs)) << playbin.errorString().toStdString();
        ASSERT_EQ(playbin.exitCode(), 0) << playbin.readAllStandardError().toStdString();
    }
    expectHeardWhole();
}

TEST_P(HeardWholeTest, FilesStartedFromSilenceAreHeardWhole)
{
    playFromSilence();
    expectHeardWhole();
}

TEST_P(HeardWholeTest, FilesPlayedThroughTheAlsaDefaultDeviceAreHeardWhole)
{
    const test::AlsaOnly alsaOnly(server);
    playFromSilence();
    expectHeardWhole();
}

TEST_P(HeardWholeTest, AQueueWithoutCrossfadeIsHeardWhole)
{
    playQueue(0);
    expectHeardWhole();
}

TEST_P(HeardWholeTest, AQueueWithCrossfadeIsHeardWhole)
{
    files = test::writeToneFiles(FileCount, CrossfadedStepCount, SilenceMs);
    playQueue(CrossfadeSeconds);
    expectHeardWhole();
}

TEST_P(HeardWholeTest, AFileStartedWhileTheServerAnswersLateIsHeardWhole)
{
    files.resize(1);
    server.freeze();
    QTimer::singleShot(LateAnswerMs, [this] { server.thaw(); });
    playFromSilence();
    expectHeardWhole();
}

TEST_P(HeardWholeTest, EveryFileOfAQueueIsHeardWholeOnADeviceThatTakesOneStreamAtATime)
{
    const test::AlsaOnly alsaOnly(server);
    const test::OneStreamDevice oneStream;
    files = test::writeToneFiles(FileCount, StepCount, LongSilenceMs);
    const int refusedBefore = test::OneStreamDevice::refusedOpens();
    playQueue(0);
    expectHeardWhole();
    EXPECT_GT(test::OneStreamDevice::refusedOpens(), refusedBefore) << "no file found the device taken";
}

TEST_P(HeardWholeTest, ACrossfadedQueueIsHeardWholeOnADeviceThatTakesOneStreamAtATime)
{
    const test::AlsaOnly alsaOnly(server);
    const test::OneStreamDevice oneStream;
    files = test::writeToneFiles(FileCount, CrossfadedStepCount, SilenceMs);
    playQueue(CrossfadeSeconds);
    expectHeardWhole();
}

INSTANTIATE_TEST_SUITE_P(RecordingLatency, HeardWholeTest, ::testing::Values(20, 2000),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

} // namespace
} // namespace twinsweep
