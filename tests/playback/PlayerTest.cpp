#include <gtest/gtest.h>

#include "FakeMultimedia.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "playback/Player.h"
#include "playback/modMultimedia.h"
#include "queue/QueryList.h"

namespace twinsweep {
namespace {

TEST(Player, StartsTheFileOnF1AfterClosingBothChannels)
{
    test::FakeServices fake;
    test::FakeMultimedia media;
    modMultimedia channels(media);
    QueryList query;
    for (int i = 0; i < 3; ++i)
        query.append({"x.mp3", "/music/", "03:00", "Rock", true});
    query.setTag("2");
    const QString first = test::freshFolder("player") + "/first.mp3";
    const QString second = test::freshFolder("player") + "/second.mp3";
    test::writeFile(first);
    test::writeFile(second);

    int volume = 60;
    Player player(channels, query, fake.pump, volume);
    player.playmedia(first);
    media.advance(1000);
    volume = 40;
    player.playmedia(second);

    EXPECT_EQ(media.interpreter.path("f1"), second);
    EXPECT_EQ(channels.GetMediaMode("f1"), "playing");
    EXPECT_EQ(channels.GetMediaPosition("f1"), 0);
    EXPECT_EQ(channels.GetMediaMode("f2"), "ERROR");
    EXPECT_EQ(media.channel("f1")->left, 400) << "the volume is read at each start";
    EXPECT_EQ(query.row(1).ForeColor, PlayingColor);
}

} // namespace
} // namespace twinsweep
