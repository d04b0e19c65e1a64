#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "FakeServices.h"
#include "QueuePlayback.h"
#include "SoundServer.h"
#include "ToneFiles.h"
#include "platform/GstPlaybackChannel.h"
#include "platform/MciInterpreter.h"
#include "playback/modMultimedia.h"

namespace twinsweep {
namespace {

// A wait on a server that never answers lasts 25 to 60 s; the channels give up on it
// after about a second.
constexpr qint64 LongestHoldMs = 5000;

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

TEST_F(SoundServerFaultsTest, AServerThatStopsAnsweringWhileAFilePlaysHoldsNoCommand)
{
    playHeard("f1", 0);
    server.freeze();
    QElapsedTimer held;

    held.start();
    channels.PauseMedia("f1");
    EXPECT_LT(held.restart(), LongestHoldMs) << "pause";
    EXPECT_EQ(channels.GetMediaMode("f1"), "stopped") << "the channel gave the server up";
    channels.CloseMedia("f1");
    EXPECT_LT(held.restart(), LongestHoldMs) << "close";
    EXPECT_EQ(channels.OpenMedia(0, "f2", files[1].path, "MpegVideo"), "Success");
    EXPECT_EQ(channels.PlayMediaRange("f2", "", ""), "Success");
    EXPECT_LT(held.restart(), LongestHoldMs) << "the next file";
    EXPECT_EQ(channels.GetMediaMode("f2"), "playing");
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
