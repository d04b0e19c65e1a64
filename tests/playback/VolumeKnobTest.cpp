#include <gtest/gtest.h>

#include "FakeMultimedia.h"
#include "FakeServices.h"
#include "ScratchFiles.h"
#include "platform/SettingKeys.h"
#include "playback/VolumeKnob.h"
#include "playback/modMultimedia.h"

namespace twinsweep {
namespace {

constexpr double DesignFreeWidth = 750 - 120;

TEST(VolumeKnob, PositionAndLevel)
{
    const struct
    {
        double left;
        int level;
    } design[]{{0, 0}, {315, 50}, {441, 70}, {630, 100}};
    for (const auto& entry : design)
        EXPECT_EQ(VolumeKnob::levelFromLeft(entry.left, DesignFreeWidth), entry.level) << entry.left;
    // On a track of 200 twips' room a twip is half a per cent: halves go to the even level.
    EXPECT_EQ(VolumeKnob::levelFromLeft(1, 200), 0);
    EXPECT_EQ(VolumeKnob::levelFromLeft(3, 200), 2);
    EXPECT_EQ(VolumeKnob::leftFromLevel(70, DesignFreeWidth), 441);
    EXPECT_EQ(VolumeKnob::leftFromLevel(33, DesignFreeWidth), 207);
}

TEST(VolumeKnob, ThePointerMovesTheKnobWithinTheTrack)
{
    const struct
    {
        double pointerX, grip;
        std::optional<double> left;
    } cases[]{
        {375, 60, 315},  {60.5, 60, 0},  {62.5, 60, 2},  {63.5, 60, 4}, // halves to even
        {2000, 60, 630}, {-500, 120, 0}, {680, 60, 620}, {800, 120, 630},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(VolumeKnob::leftFromPointer(entry.pointerX, entry.grip, DesignFreeWidth), entry.left)
            << entry.pointerX;
    EXPECT_EQ(VolumeKnob::leftFromPointer(375, 60, 0), std::nullopt) << "a track not wider than the knob";
    EXPECT_EQ(VolumeKnob::leftFromPointer(375, 60, -30), std::nullopt);
}

TEST(VolumeKnob, TheLevelReachesBothChannelsTheStatusAndTheSettings)
{
    test::FakeServices fake;
    test::FakeMultimedia media;
    modMultimedia channels(media);
    const QString path = test::freshFolder("knob") + "/a.mp3";
    test::writeFile(path);
    channels.OpenMedia(0, "f2", path, "MpegVideo");
    int PlayerVolume = 70;

    applyPlayerVolume(35, PlayerVolume, channels, fake.status, fake.settings);

    EXPECT_EQ(PlayerVolume, 35);
    EXPECT_EQ(media.channel("f2")->left, 350);
    EXPECT_EQ(fake.status.current, "Volume: 35%");
    EXPECT_EQ(fake.settings.value(Settings::Volume), "35");
}

} // namespace
} // namespace twinsweep
