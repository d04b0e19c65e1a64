#include <gtest/gtest.h>

#include "PlayerRig.h"
#include "catalogue/cDirEx.h"
#include "playback/PlayerBar.h"

namespace twinsweep {
namespace {

class PlayerBarTest : public ::testing::Test, protected test::PlayerRig
{
protected:
    PlayerBarTest() { setCrossfade(0); }
    PlayerBar bar{channels, query,     view,
                  player,   fake.pump, [](const QString& path) { return cDirEx::ExistFile(path); }};
};

TEST_F(PlayerBarTest, PlayStartsTheCurrentRowOrResumesThePausedFile)
{
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"})
        addRow(name);
    const struct
    {
        QString tag;
        QString playing; // file name on the current channel, "" for none
    } cases[]{{"4", ""}, {"", ""}, {"0", ""}, {"3", "c.mp3"}, {"2.9", "b.mp3"}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.tag.toStdString());
        ReleasePlayerChannels(channels);
        view.tag = "";
        query.setTag(entry.tag);
        bar.Picture1_Click();
        EXPECT_EQ(media.interpreter.path(view.tag).section('/', -1), entry.playing);
        if (!entry.playing.isEmpty()) {
            EXPECT_FALSE(query.row(query.tagRow().value()).Checked);
            EXPECT_EQ(query.Tag(), QString::number(query.tagRow().value() + 1));
        }
    }

    // Paused: Play resumes the same file although Next moved the current row.
    channels.PauseMedia(view.tag);
    query.setTag("1");
    bar.Picture1_Click();
    EXPECT_EQ(mode("f1"), "playing");
    EXPECT_TRUE(media.interpreter.path("f1").endsWith("b.mp3"));
}

TEST_F(PlayerBarTest, ACoveredButtonDoesNothing)
{
    addRow("a.mp3");
    bar.Picture1_Click();
    for (PlayerButton button : {PlayerButton::Play, PlayerButton::Pause, PlayerButton::Stop})
        view.covers[button] = true;
    query.setTag("1");
    bar.Picture2_Click();
    bar.Picture3_Click();
    EXPECT_EQ(mode("f1"), "playing");
    EXPECT_EQ(view.tag, "f1");
}

TEST_F(PlayerBarTest, PauseAndStop)
{
    addRow("a.mp3");
    bar.Picture1_Click();
    bar.Picture2_Click();
    EXPECT_EQ(mode("f1"), "paused");
    bar.Picture2_Click();
    EXPECT_EQ(mode("f1"), "paused") << "a second Pause does not resume";

    view.value = 40;
    view.enabled = true;
    bar.Picture3_Click();
    EXPECT_EQ(mode("f1"), "ERROR");
    EXPECT_EQ(view.value, 100);
    EXPECT_FALSE(view.enabled);
    EXPECT_EQ(view.tag, "");
    EXPECT_EQ(query.Tag(), "1");

    media.sent.clear();
    bar.Picture2_Click();
    EXPECT_TRUE(actions().isEmpty()) << "Pause without a current channel";
    bar.Picture1_Click();
    EXPECT_EQ(mode("f1"), "playing") << "Play starts the current row afresh";
}

TEST_F(PlayerBarTest, EscClosesBothChannelsAndMovesTheSliderToItsEnd)
{
    addRow("a.mp3");
    bar.Picture1_Click();
    view.value = 40;
    view.enabled = true;
    bar.Esc_KeyDown();
    EXPECT_EQ(mode("f1"), "ERROR");
    EXPECT_EQ(view.value, 100);
    EXPECT_TRUE(view.enabled) << "unlike Stop, Esc leaves the slider as it is";
    EXPECT_EQ(view.tag, "f1");
}

TEST_F(PlayerBarTest, TheSliderMenuPausesResumesAndStops)
{
    addRow("a.mp3");
    EXPECT_EQ(bar.play_pause_Click(), std::nullopt) << "nothing plays";
    bar.Picture1_Click();
    EXPECT_EQ(bar.play_pause_Click(), "Play");
    EXPECT_EQ(mode("f1"), "paused");
    EXPECT_EQ(bar.play_pause_Click(), "Pause");
    EXPECT_EQ(mode("f1"), "playing");

    view.covers[PlayerButton::Stop] = true;
    bar.stop_Click();
    EXPECT_EQ(mode("f1"), "playing") << "the Stop button is covered";
    view.covers[PlayerButton::Stop] = false;
    bar.stop_Click();
    EXPECT_EQ(mode("f1"), "ERROR");
    EXPECT_EQ(view.value, 100);
    EXPECT_EQ(view.tag, "");
}

TEST_F(PlayerBarTest, NextAndPreviousSkipRowsThatCannotBePlayed)
{
    // rows 1..6: 3 and 4 unchecked, 5 missing
    addRow("r1.mp3");
    addRow("r2.mp3");
    addRow("r3.mp3", true, false);
    addRow("r4.mp3", true, false);
    addRow("r5.mp3", false, true);
    addRow("r6.mp3");
    const struct
    {
        const char* name;
        bool playing;
        QString tag;
        int direction;
        QString tagAfter;
        QString nowPlaying;
    } cases[]{
        {"Next while stopped moves the current row only", false, "2", +1, "6", ""},
        {"Next while playing starts the row", true, "2", +1, "6", "r6.mp3"},
        {"Previous while playing", true, "6", -1, "2", "r2.mp3"},
        {"Previous from row 1 does not wrap", false, "1", -1, "1", ""},
        {"Next from the last row does not wrap", false, "6", +1, "6", ""},
        {"a Tag without a number", false, "", +1, "0", ""},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        ReleasePlayerChannels(channels);
        view.tag = "";
        for (qsizetype row : {0, 1, 5})
            query.setChecked(row, true);
        if (entry.playing) {
            player.playmedia(query.row(0).fullPath());
            media.advance(1000);
        }
        query.setTag(entry.tag);
        query.setForeColor(query.tagRow().value_or(0), PlayingColor);
        entry.direction > 0 ? bar.Picture6_Click() : bar.Picture5_Click();

        EXPECT_EQ(query.Tag(), entry.tagAfter);
        if (entry.playing) {
            EXPECT_EQ(media.interpreter.path(view.tag).section('/', -1), entry.nowPlaying);
            EXPECT_EQ(query.row(query.tagRow().value()).ForeColor, PlayingColor);
            EXPECT_EQ(query.row(entry.tag.toInt() - 1).ForeColor, PlayedColor);
        } else {
            EXPECT_EQ(view.tag, "") << "nothing starts while stopped";
            if (entry.tag == entry.tagAfter) {
                EXPECT_EQ(query.row(query.tagRow().value()).ForeColor, SystemWindowText);
            }
        }
        EXPECT_FALSE(query.row(2).Checked);
        EXPECT_FALSE(query.row(3).Checked);
        EXPECT_TRUE(query.row(4).Checked);
    }
}

TEST_F(PlayerBarTest, NextDuringACrossfadeDoesNothing)
{
    addRow("a.mp3");
    addRow("b.mp3");
    addRow("c.mp3");
    setCrossfade(5);
    player.playmedia(query.row(0).fullPath());
    media.advance(1000);
    int yields = 0;
    clock.onYield = [&] {
        if (++yields == 5)
            media.channel("f1")->advance(test::FakeMultimedia::DefaultLengthMs); // a.mp3 ends within the fade
        if (yields == 3 || yields == 7)
            bar.Picture6_Click();
    };
    query.setTag("2");
    player.playmedia(query.row(1).fullPath());
    EXPECT_EQ(query.Tag(), "2");
    EXPECT_TRUE(query.row(2).Checked);
}

TEST_F(PlayerBarTest, PlayDuringACrossfadeLeavesTheQueryList)
{
    addRow("a.mp3");
    addRow("b.mp3");
    setCrossfade(5);
    player.playmedia(query.row(0).fullPath());
    media.advance(1000);
    int yields = 0;
    clock.onYield = [&] {
        if (++yields == 3) {
            query.setChecked(1, true); // the user ticks b.mp3 again to hear it once more
            bar.Picture1_Click();
        }
    };
    query.setTag("2");
    query.setChecked(1, false);
    player.playmedia(query.row(1).fullPath());
    EXPECT_TRUE(query.row(1).Checked) << "the Play that started nothing marked b.mp3 played";
}

} // namespace
} // namespace twinsweep
