#include <gtest/gtest.h>

#include "PlayerRig.h"
#include "catalogue/cDirEx.h"
#include "playback/PlayerMonitor.h"

namespace twinsweep {
namespace {

using test::FakeMultimedia;
using test::PlayerRig;

/// Records what the monitor starts instead of playing it.
struct RecordingPlayer : QueryPlayer
{
    void playmedia(const QString& path) override { started << path; }
    QStringList started;
};

class PlayerMonitorTest : public ::testing::Test, protected PlayerRig
{
protected:
    PlayerMonitorTest() { setCrossfade(5); }

    /// Plays `path` on "f1" and moves it on to `positionMs`.
    void playAt(const QString& path, qint64 positionMs)
    {
        player.playmedia(path);
        media.advance(positionMs);
    }
    bool covered(PlayerButton button) const { return view.covers.value(button); }

    RecordingPlayer recorder;
    PlayerMonitor monitor{channels, query, view, recorder, fake.status, fake.settings, [](const QString& path) {
                              return cDirEx::ExistFile(path);
                          }};
    PlayerMonitor playingMonitor{channels,
                                 query,
                                 view,
                                 player,
                                 fake.status,
                                 fake.settings,
                                 [](const QString& path) { return cDirEx::ExistFile(path); }};
};

TEST_F(PlayerMonitorTest, ATagBeyondTheRowsOrWithoutANumberBecomesTheLastRow)
{
    for (int i = 0; i < 5; ++i)
        addRow(QString("song%1.mp3").arg(i));
    for (const char* tag : {"7", "", "seven"}) {
        query.setTag(tag);
        monitor.Timer2_Timer();
        EXPECT_EQ(query.Tag(), "5") << tag;
    }
    query.setTag("3.7");
    monitor.Timer2_Timer();
    EXPECT_EQ(query.Tag(), "3.7");
}

TEST_F(PlayerMonitorTest, CoversAndSliderFollowTheCurrentChannel)
{
    addRow("a.mp3");
    const QString path = query.row(0).fullPath();
    struct Look
    {
        bool play, pause, stop, previousNext;
        double value;
        bool enabled;
    };
    const struct
    {
        const char* name;
        std::function<void()> act;
        Look look;
    } steps[]{
        {"idle", [] {}, {false, true, true, false, 100, false}},
        {"playing at 45 s of 3 min", [&] { playAt(path, 45000); }, {true, false, false, false, 25, true}},
        {"paused", [&] { channels.PauseMedia("f1"); }, {false, true, false, false, 25, true}},
        {"stopped", [&] { ReleasePlayerChannels(channels); }, {false, true, true, false, 100, false}},
        {"empty list", [&] { query.clear(); }, {true, true, true, true, 100, false}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        monitor.Timer2_Timer();
        EXPECT_EQ(covered(PlayerButton::Play), step.look.play);
        EXPECT_EQ(covered(PlayerButton::Pause), step.look.pause);
        EXPECT_EQ(covered(PlayerButton::Stop), step.look.stop);
        EXPECT_EQ(covered(PlayerButton::Previous), step.look.previousNext);
        EXPECT_EQ(covered(PlayerButton::Next), step.look.previousNext);
        EXPECT_EQ(view.value, step.look.value);
        EXPECT_EQ(view.enabled, step.look.enabled);
    }
}

TEST_F(PlayerMonitorTest, DuringAFadeOnlyTheCoversChange)
{
    addRow("a.mp3");
    addRow("b.mp3");
    addRow("c.mp3");
    // b.mp3 is shorter than the crossfade: it stands at its advance point from its start.
    media.lengths.insert(query.row(1).fullPath(), 3000);
    playAt(query.row(0).fullPath(), 1000);
    query.setTag("2");
    int yields = 0;
    std::vector<bool> previousNextCovered;
    clock.onYield = [&] {
        if (++yields == 5)
            media.channel("f1")->advance(FakeMultimedia::DefaultLengthMs); // a.mp3 ends within the fade
        if (yields == 3 || yields == 10) {
            view.value = 42;
            fake.status.setStatusText("");
            playingMonitor.Timer2_Timer();
            previousNextCovered.push_back(covered(PlayerButton::Previous) && covered(PlayerButton::Next));
            EXPECT_EQ(view.value, 42) << yields;
            EXPECT_EQ(fake.status.current, "") << yields;
        }
    };
    player.playmedia(query.row(1).fullPath());

    EXPECT_EQ(previousNextCovered, std::vector<bool>({true, true}));
    EXPECT_EQ(query.Tag(), "2");
    EXPECT_TRUE(query.row(2).Checked);
}

TEST_F(PlayerMonitorTest, ThePositionTextShowsWholeMinutesAndSeconds)
{
    const struct
    {
        double position, length;
        const char* text;
    } cases[]{
        {65.4, 185.9, "Current position: 01:05   Total: 03:05"},
        {59.7, 60.2, "Current position: 00:59   Total: 01:00"},
        {7500, 7530, "Current position: 125:00   Total: 125:30"},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(positionText(entry.position, entry.length), entry.text);
}

TEST_F(PlayerMonitorTest, ThePositionTextGivesWayToOtherMessages)
{
    addRow("a.mp3");
    media.lengths.insert(query.row(0).fullPath(), 185900);
    playAt(query.row(0).fullPath(), 65400);

    monitor.Timer2_Timer();
    EXPECT_EQ(fake.status.current, "Current position: 01:05   Total: 03:05");
    media.advance(1000);
    monitor.Timer2_Timer();
    EXPECT_EQ(fake.status.current, "Current position: 01:06   Total: 03:05");

    fake.status.setStatusText("Volume: 50%");
    monitor.Timer2_Timer();
    EXPECT_EQ(fake.status.current, "Volume: 50%");

    fake.status.setStatusText("Current position: 01:06   Total: 03:05");
    channels.PauseMedia("f1");
    media.advance(200000);
    channels.ResumeMedia("f1"); // plays to the end and stops
    media.advance(200000);
    monitor.Timer2_Timer();
    EXPECT_EQ(fake.status.current, "") << "the file's end clears the position text";
}

TEST_F(PlayerMonitorTest, NearTheEndTheNextRowStillToBePlayedStarts)
{
    const struct
    {
        const char* name;
        std::vector<std::pair<bool, bool>> rows; // exists, checked
        QString tag;
        qint64 positionMs;
        int startedRow; // 1-based, 0 for none
        QString tagAfter;
    } cases[]{
        {"too early", {{true, true}, {true, true}}, "1", 194990, 0, "1"},
        {"5 s before the end of 200.4 s", {{true, true}, {true, true}}, "1", 195000, 2, "2"},
        {"unchecked and missing rows are passed over",
         {{true, true}, {true, true}, {true, false}, {false, true}, {true, true}},
         "2",
         195000,
         5,
         "5"},
        {"nothing after the last row", {{true, true}, {true, false}, {false, true}}, "1", 195000, 0, "3"},
        {"the last row plays", {{true, true}, {true, true}}, "2", 195000, 0, "2"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        PlayerRig rig;
        rig.setCrossfade(5);
        RecordingPlayer started;
        PlayerMonitor tick(rig.channels, rig.query, rig.view, started, rig.fake.status, rig.fake.settings,
                           [](const QString& path) { return cDirEx::ExistFile(path); });
        for (size_t i = 0; i < entry.rows.size(); ++i)
            rig.addRow(QString("song%1.mp3").arg(i), entry.rows[i].first, entry.rows[i].second);
        const QString current = rig.query.row(entry.tag.toInt() - 1).fullPath();
        rig.media.lengths.insert(current, 200400);
        rig.query.setTag(entry.tag);
        rig.player.playmedia(current);
        rig.media.advance(entry.positionMs);

        tick.Timer2_Timer();

        if (entry.startedRow == 0) {
            EXPECT_TRUE(started.started.isEmpty());
        } else {
            EXPECT_EQ(started.started, QStringList{rig.query.row(entry.startedRow - 1).fullPath()});
            EXPECT_FALSE(rig.query.row(entry.startedRow - 1).Checked);
        }
        EXPECT_EQ(rig.query.Tag(), entry.tagAfter);
        for (size_t i = 0; i < entry.rows.size(); ++i) {
            if (int(i) + 1 != entry.startedRow) {
                EXPECT_EQ(rig.query.row(qsizetype(i)).Checked, entry.rows[i].second) << i;
            }
        }
    }
}

TEST_F(PlayerMonitorTest, TheAdvanceCrossfadesIntoTheNextRowOnce)
{
    addRow("a.mp3");
    addRow("b.mp3");
    query.setTag("1");
    playAt(query.row(0).fullPath(), 176000);
    int ticksDuringFade = 0;
    clock.onYield = [&] {
        if (clock.waited % 500 < 50) {
            ++ticksDuringFade;
            playingMonitor.Timer2_Timer();
        }
    };
    playingMonitor.Timer2_Timer();

    EXPECT_GT(ticksDuringFade, 0);
    EXPECT_EQ(view.tag, "f2");
    EXPECT_EQ(media.interpreter.path("f2"), query.row(1).fullPath());
    EXPECT_EQ(mode("f1"), "ERROR");
    EXPECT_EQ(query.Tag(), "2");
    EXPECT_EQ(query.row(1).ForeColor, PlayingColor);
}

TEST_F(PlayerMonitorTest, WithoutACrossfadeEachFileEndStartsTheNextRowOnce)
{
    setCrossfade(0);
    // The ticks fall a quarter second after each start: most miss the last fraction of a
    // second of a file.
    const qint64 lengths[]{3060, 3400, 3060, 3990, 3400};
    for (qint64 length : lengths) {
        addRow(QString("song%1.mp3").arg(query.size()));
        media.lengths.insert(query.row(query.size() - 1).fullPath(), length);
    }
    query.setTag("1");
    player.playmedia(query.row(0).fullPath());
    media.advance(250);
    QStringList played{media.interpreter.path("f1")};
    for (int tick = 0; tick < 60; ++tick) {
        playingMonitor.Timer2_Timer();
        if (const QString now = media.interpreter.path(view.tag); !now.isEmpty() && now != played.last())
            played << now;
        media.advance(500);
    }
    ASSERT_EQ(played.size(), query.size());
    for (qsizetype row = 0; row < query.size(); ++row)
        EXPECT_EQ(played[row], query.row(row).fullPath());
    EXPECT_EQ(query.Tag(), "5");

    addRow("added after the end.mp3");
    playingMonitor.Timer2_Timer();
    EXPECT_TRUE(query.row(5).Checked) << "an end that started nothing is not taken again";
}

TEST_F(PlayerMonitorTest, ReleasingTheSliderSeeksWithTheLeftButtonOnly)
{
    addRow("a.mp3");
    playAt(query.row(0).fullPath(), 1000);
    channels.PauseMedia("f1");
    view.value = 50;
    monitor.SliderControl1_MouseUp(2);
    EXPECT_EQ(channels.GetMediaPosition("f1"), 25);
    monitor.SliderControl1_MouseUp(1);
    EXPECT_EQ(channels.GetMediaPosition("f1"), 90 * 25);
    EXPECT_EQ(mode("f1"), "playing") << "a paused file plays on from there";
}

} // namespace
} // namespace twinsweep
