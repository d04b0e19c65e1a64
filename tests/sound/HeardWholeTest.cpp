#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <QUrl>

#include <functional>

#include "FakePlayerView.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "SoundServer.h"
#include "ToneAnalysis.h"
#include "ToneFiles.h"
#include "catalogue/cDirEx.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "platform/SettingKeys.h"
#include "playback/Player.h"
#include "playback/PlayerMonitor.h"
#include "playback/modMultimedia.h"
#include "playback/ui/PlaybackInstall.h"
#include "queue/QueryCommands.h"
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
// Crossfaded files last longer than the crossfade, as tracks do: the next file starts
// while the current one plays on, not at once.
constexpr int CrossfadedStepCount = 9;
constexpr int CrossfadeSeconds = 3;
constexpr int MonitorIntervalMs = 500;
constexpr qint64 PlayTimeoutMs = 30000;

/// The playback channels of the program.
PlaybackChannelFactory programChannels()
{
    return gstPlaybackChannels();
}

/// Runs the event loop until `done` holds; false when it does not within the time limit.
bool runUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(PlayTimeoutMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

bool fileExists(const QString& path)
{
    return cDirEx::ExistFile(path);
}

/// The player and its monitor on the program's channels, wired as the main window does.
struct ProgramPlayer
{
    explicit ProgramPlayer(int crossfade)
    {
        fake.settings.setValue(Settings::Crossfade, QString::number(crossfade));
        QObject::connect(&Timer2, &QTimer::timeout, [this] { monitor.Timer2_Timer(); });
        Timer2.start(MonitorIntervalMs);
    }
    bool silent() { return channels.GetMediaMode("f1") != "playing" && channels.GetMediaMode("f2") != "playing"; }
    void enqueue(const ToneFile& file)
    {
        const QFileInfo info(file.path);
        query.append({info.fileName(), info.path() + "/", "00:02", "Tones", true});
    }
    bool queueDone() { return !query.row(query.size() - 1).Checked && silent(); }

    test::FakeServices fake;
    MciInterpreter interpreter{programChannels()};
    modMultimedia channels{interpreter};
    QueryList query;
    test::FakePlayerView view;
    QtWaitClock clock;
    int PlayerVolume = 100;
    Player player{channels, query, view, fake.services, clock, PlayerVolume};
    PlayerMonitor monitor{channels, query, view, player, fake.status, fake.settings, fileExists};
    QTimer Timer2;
};

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
    void playQueue(int crossfade)
    {
        ProgramPlayer program(crossfade);
        for (const ToneFile& file : files)
            program.enqueue(file);
        queryplay_Click(program.query, program.fake.prompt, program.player, 0);
        ASSERT_TRUE(runUntil([&program] { return program.queueDone(); }));
        expectHeardWhole();
    }

    test::SoundServer server;
    test::MonitorRecorder recorder{GetParam()};
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
    ProgramPlayer program(0);
    for (const ToneFile& file : files) {
        program.player.playmedia(file.path);
        ASSERT_TRUE(runUntil([&program] { return program.silent(); }));
    }
    expectHeardWhole();
}

TEST_P(HeardWholeTest, AQueueWithoutCrossfadeIsHeardWhole)
{
    playQueue(0);
}

TEST_P(HeardWholeTest, AQueueWithCrossfadeIsHeardWhole)
{
    files = test::writeToneFiles(FileCount, CrossfadedStepCount, SilenceMs);
    playQueue(CrossfadeSeconds);
}

INSTANTIATE_TEST_SUITE_P(RecordingLatency, HeardWholeTest, ::testing::Values(20, 2000),
                         [](const auto& info) { return std::to_string(info.param) + "ms"; });

} // namespace
} // namespace twinsweep
