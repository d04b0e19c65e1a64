#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "FakePlayerView.h"
#include "FakeServices.h"
#include "QtPrinters.h"
#include "QueuePlayback.h"
#include "SoundServer.h"
#include "ToneAnalysis.h"
#include "ToneFiles.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "platform/SettingKeys.h"
#include "platform/SettingsStore.h"
#include "playback/Player.h"
#include "playback/QtWaitClock.h"
#include "playback/modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

// A wait on a server that never answers lasts 25 to 60 s; no call of the window waits on
// the server, and an open waits about a second at most.
constexpr qint64 LongestHoldMs = 2500;
constexpr int CrossfadeSeconds = 3;

bool waitFor(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

/// The longest time the event loop went without a turn while the meter lived.
class EventLoopHolds
{
public:
    EventLoopHolds()
    {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longestMs = std::max(m_longestMs, m_sinceTurn.restart()); });
        m_sinceTurn.start();
        m_timer.start(20);
    }
    qint64 longestMs() const { return std::max(m_longestMs, m_sinceTurn.elapsed()); }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTurn;
    qint64 m_longestMs = 0;
};

class SoundServerFaultsTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.isRunning()) << server.error().toStdString(); }
    /// Plays `files[index]` on `alias` and returns once it is heard.
    void playHeard(const QString& alias, size_t index)
    {
        ASSERT_EQ(channels.OpenMedia(0, alias, files[index].path, "MpegVideo"), "Success");
        ASSERT_EQ(channels.PlayMediaRange(alias, "", ""), "Success");
        ASSERT_TRUE(waitFor([&] { return channels.GetMediaPosition(alias) > 10; }));
    }

    test::SoundServer server;
    std::vector<test::ToneFile> files = test::writeToneFiles(2, 4, 0); // two seconds each
    MciInterpreter interpreter{gstPlaybackChannels()};
    modMultimedia channels{interpreter};
};

TEST_F(SoundServerFaultsTest, AQueuePlaysOnWhileTheServerAnswersNothing)
{
    server.freeze();
    EventLoopHolds holds;
    test::FakeServices fake;
    EXPECT_EQ(test::playQueue({files[0].path, files[1].path}, 0, fake.services, gstPlaybackChannels()), 2);
    EXPECT_LT(holds.longestMs(), LongestHoldMs);
}

TEST_F(SoundServerFaultsTest, AQueuePlaysOnWhenTheServerStopsAnsweringWithinAFile)
{
    EventLoopHolds holds;
    QTimer::singleShot(1000, [this] { server.freeze(); });
    test::FakeServices fake;
    EXPECT_EQ(test::playQueue({files[0].path, files[1].path}, 0, fake.services, gstPlaybackChannels()), 2);
    EXPECT_LT(holds.longestMs(), LongestHoldMs);
}

TEST_F(SoundServerFaultsTest, AServerThatStopsAnsweringWhileFilesPlayHoldsNoCommand)
{
    playHeard("f1", 0);
    playHeard("f2", 1);
    server.freeze();
    QElapsedTimer held;
    const std::pair<const char*, std::function<void()>> commands[]{
        {"volume", [&] { channels.SetMediaVolume("f1", "all", 30); }},
        {"pause", [&] { channels.PauseMedia("f1"); }},
        {"status", [&] { channels.GetPercentPlayed("f1"); }},
        {"resume", [&] { channels.ResumeMedia("f1"); }},
        {"seek and play", [&] { channels.SeekAndPlayMedia("f1", 10); }},
        {"close all", [&] { channels.CloseAllMedia(); }},
        {"open", [&] { channels.OpenMedia(0, "f1", files[0].path, "MpegVideo"); }},
        {"play", [&] { channels.PlayMediaRange("f1", "", ""); }},
    };
    for (const auto& [name, command] : commands) {
        held.start();
        command();
        EXPECT_LT(held.elapsed(), LongestHoldMs) << name;
    }
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing") << "the file plays once the server answers";
}

TEST_F(SoundServerFaultsTest, AFadeGoesOnWhileTheServerAnswersNothingAndTheNextFileIsHeardOnceItAnswers)
{
    files = test::writeToneFiles(3, 12, 0);
    test::MonitorRecorder recorder{server, 20};
    ASSERT_TRUE(recorder.start()) << recorder.error().toStdString();
    test::FakeServices fake;
    fake.services.settings.setValue(Settings::Crossfade, QString::number(CrossfadeSeconds));
    QueryList query;
    test::FakePlayerView view;
    QtWaitClock clock;
    const int PlayerVolume = 100;
    Player player{channels, query, view, fake.services, clock, PlayerVolume};
    playHeard("f1", 0);

    EventLoopHolds holds;
    QTimer::singleShot(CrossfadeSeconds * 1000 / 3, [this] { server.freeze(); });
    QElapsedTimer fade;
    fade.start();
    player.playmedia(files[1].path); // returns once the fade has ended
    EXPECT_LT(fade.elapsed(), CrossfadeSeconds * 1000 + LongestHoldMs);
    EXPECT_LT(holds.longestMs(), LongestHoldMs);

    server.thaw();
    player.playmedia(files[2].path);
    ASSERT_TRUE(waitFor([&] { return channels.GetMediaMode(view.sliderTag()) != "playing"; }));
    const std::vector<test::HeardTone> heard =
        test::heardTones(recorder.stop(), test::MonitorRecorder::SampleRate, test::toneFrequencies({files[2]}));
    EXPECT_THAT(test::faultsHeard(heard, {files[2]}, 400), ::testing::IsEmpty()) << test::describe(heard);
}

TEST_F(SoundServerFaultsTest, AServerThatDiesStopsTheFileWhereItWas)
{
    playHeard("f1", 0);
    server.kill();

    ASSERT_TRUE(waitFor([&] { return channels.GetMediaMode("f1") != "playing"; }));
    EXPECT_EQ(channels.GetMediaMode("f1"), "stopped");
    EXPECT_LT(channels.GetMediaPosition("f1"), channels.GetMediaLengthFrames("f1"));
}

} // namespace
} // namespace twinsweep
