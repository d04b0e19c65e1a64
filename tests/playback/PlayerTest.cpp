#include <gtest/gtest.h>

#include "PlayerRig.h"

namespace twinsweep {
namespace {

using test::PlayerRig;

class PlayerTest : public ::testing::Test, protected PlayerRig
{
protected:
    /// Plays `first`, lets it run a second, then clears the command log.
    void playing(const QString& first)
    {
        player.playmedia(first);
        media.advance(1000);
        media.sent.clear();
        fake.status.history.clear();
    }
};

TEST_F(PlayerTest, StartsTheFileOnF1AfterClosingBothChannels)
{
    for (int i = 0; i < 3; ++i)
        query.append({"x.mp3", "/music/", "03:00", "Rock", true});
    query.setTag("2");
    const QString first = file("first.mp3");
    const QString second = file("second.mp3");

    volume = 60;
    player.playmedia(first);
    media.advance(1000);
    channels.PauseMedia("f1"); // a paused channel counts as not playing
    volume = 40;
    media.sent.clear();
    player.playmedia(second);

    EXPECT_EQ(actions(), QStringList({"Close f1", "Close f2",
                                      "open " + second + " type MpegVideo Alias f1 parent 0 Style 1073741824",
                                      "setaudio f1 Volume to 400", "play f1 from 0 to " + QString::number(180 * 25)}));
    EXPECT_EQ(mode("f1"), "playing");
    EXPECT_EQ(channels.GetMediaPosition("f1"), 0);
    EXPECT_EQ(mode("f2"), "ERROR");
    EXPECT_EQ(view.tag, "f1");
    EXPECT_TRUE(fake.status.history.isEmpty());
    EXPECT_EQ(query.row(1).ForeColor, PlayingColor);
}

TEST_F(PlayerTest, CrossfadesIntoTheFreeChannelAndClosesTheOldOne)
{
    setCrossfade(5);
    const QString first = file("first.mp3");
    const QString second = file("second.mp3");
    const QString third = file("third.mp3");
    playing(first);

    struct Levels
    {
        int incoming, outgoing;
    };
    const struct
    {
        QString path, incoming, outgoing;
    } fades[]{{second, "f2", "f1"}, {third, "f1", "f2"}};
    for (const auto& fade : fades) {
        SCOPED_TRACE(fade.incoming.toStdString());
        std::vector<Levels> levels;
        bool enabledWhileFading = true;
        clock.onYield = [&] {
            levels.push_back({level(fade.incoming), level(fade.outgoing)});
            enabledWhileFading = enabledWhileFading && view.enabled;
        };
        fake.status.history.clear();
        const qint64 started = clock.now;
        view.enabled = true;
        player.playmedia(fade.path);

        EXPECT_EQ(media.interpreter.path(fade.incoming), fade.path);
        ASSERT_EQ(levels.size(), 71u); // one wait per step, 0 to 70
        EXPECT_EQ(levels.front().incoming, 0);
        EXPECT_EQ(levels.front().outgoing, 700);
        EXPECT_EQ(levels.back().incoming, 700);
        EXPECT_EQ(levels.back().outgoing, 0);
        EXPECT_FALSE(enabledWhileFading);
        EXPECT_GT(clock.now - started, 71 * 50);
        ASSERT_EQ(fake.status.history.size(), 72);
        EXPECT_EQ(fake.status.history.front(), "Fading: 0%");
        EXPECT_EQ(fake.status.history[1], "Fading: 1%");
        EXPECT_EQ(fake.status.history[70], "Fading: 100%");
        EXPECT_EQ(fake.status.history.back(), "");
        EXPECT_EQ(mode(fade.outgoing), "ERROR") << "the old channel is closed";
        EXPECT_EQ(mode(fade.incoming), "playing");
        EXPECT_EQ(view.tag, fade.incoming);
        EXPECT_EQ(view.value, 100);
        EXPECT_TRUE(view.enabled);
    }
}

TEST_F(PlayerTest, WithoutCrossfadeTheNewFileTakesOverAtOnce)
{
    setCrossfade(0);
    playing(file("first.mp3"));
    player.playmedia(file("second.mp3"));

    EXPECT_EQ(mode("f1"), "ERROR");
    EXPECT_EQ(mode("f2"), "playing");
    EXPECT_EQ(level("f2"), 700);
    EXPECT_EQ(clock.waited, 0);
    EXPECT_TRUE(fake.status.history.isEmpty());
    EXPECT_EQ(view.tag, "f2");
    EXPECT_TRUE(view.enabled);
}

TEST_F(PlayerTest, WhatHappensDuringAFade)
{
    setCrossfade(5);
    const QString first = file("first.mp3");
    const QString second = file("second.mp3");
    const QString other = file("other.mp3");
    const struct
    {
        const char* name;
        std::function<void(PlayerRig&)> atStep10;
        QString f1, f2, lastStatus;
        bool enabled;
    } cases[]{
        {"Stop closes both channels; the fade touches nothing more",
         [](PlayerRig& rig) { ReleasePlayerChannels(rig.channels); }, "ERROR", "ERROR", "Fading: 12%", false},
        {"a second file does nothing", [&](PlayerRig& rig) { rig.player.playmedia(other); }, "ERROR", "playing", "",
         true},
        {"a second file does nothing once the old one has ended",
         [&](PlayerRig& rig) {
             rig.media.channel("f1")->advance(test::FakeMultimedia::DefaultLengthMs);
             rig.player.playmedia(other);
         },
         "ERROR", "playing", "", true},
        {"the window closes: the fade ends where it is", [](PlayerRig& rig) { rig.player.shutdown(); }, "playing",
         "playing", "Fading: 12%", false},
    };
    for (const auto& scenario : cases) {
        SCOPED_TRACE(scenario.name);
        PlayerRig rig;
        rig.setCrossfade(5);
        rig.player.playmedia(first);
        int yields = 0;
        rig.clock.onYield = [&] {
            if (++yields == 10)
                scenario.atStep10(rig);
        };
        rig.player.playmedia(second);

        EXPECT_EQ(rig.mode("f1"), scenario.f1);
        EXPECT_EQ(rig.mode("f2"), scenario.f2);
        EXPECT_EQ(rig.fake.status.current, scenario.lastStatus);
        EXPECT_EQ(rig.view.enabled, scenario.enabled);
        EXPECT_NE(rig.media.interpreter.path("f1"), other);
        EXPECT_NE(rig.media.interpreter.path("f2"), other);
    }
}

TEST_F(PlayerTest, ANewFileNeverStartsWhatItsChannelHeldBefore)
{
    // "f1" has played its file to the end and stays open while "f2" plays.
    const QString ended = file("ended.mp3", 1000);
    channels.OpenMedia(0, "f1", ended, "MpegVideo");
    channels.PlayMediaRange("f1", "", "");
    media.advance(1000);
    channels.OpenMedia(0, "f2", file("second.mp3"), "MpegVideo");
    channels.PlayMediaRange("f2", "", "");
    setCrossfade(0);
    const QString third = file("third.mp3");

    player.playmedia(third);

    EXPECT_EQ(media.interpreter.path("f1"), third);
    EXPECT_EQ(mode("f1"), "playing");
    EXPECT_EQ(mode("f2"), "ERROR");
}

TEST_F(PlayerTest, AVolumeOfNoneFadesInOneStep)
{
    setCrossfade(5);
    volume = 0;
    playing(file("first.mp3"));
    player.playmedia(file("second.mp3"));

    EXPECT_EQ(fake.status.history, QStringList({"Fading: 100%", ""}));
    EXPECT_EQ(level("f2"), 0);
    EXPECT_EQ(mode("f1"), "ERROR");
    EXPECT_TRUE(view.enabled);
    EXPECT_EQ(view.value, 100);
}

TEST_F(PlayerTest, WaitLetsTheEventLoopRunUntilTheTimeHasPassed)
{
    for (const auto& [units, atLeast] : {std::pair{5, 51}, std::pair{0, 1}, std::pair{30, 301}}) {
        const qint64 started = clock.now;
        player.Wait(units);
        EXPECT_EQ(clock.now - started, atLeast) << units;
    }
}

TEST(CrossfadeSetting, IsReadAsWholeSecondsWithinTheOptionsRange)
{
    test::FakeServices fake;
    EXPECT_EQ(crossfadeSeconds(fake.settings), 5);
    for (const auto& [stored, seconds] :
         {std::pair{"0", 0}, {"12", 12}, {"2.5", 2}, {"ten", 0}, {"-3", 0}, {"99", 30}}) {
        fake.settings.setValue(Settings::Crossfade, stored);
        EXPECT_EQ(crossfadeSeconds(fake.settings), seconds) << stored;
    }
}

} // namespace
} // namespace twinsweep
