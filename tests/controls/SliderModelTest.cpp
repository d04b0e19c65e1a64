#include <gtest/gtest.h>

#include "controls/SliderModel.h"

namespace twinsweep {
namespace {

TEST(SliderModel, ValueIsWholeWithHalvesToEven)
{
    const std::pair<double, double> cases[]{{37.5, 38}, {36.5, 36}, {0.5, 0}, {99.4, 99}, {12, 12}};
    for (const auto& [stored, shown] : cases) {
        SliderModel slider;
        slider.value = stored;
        EXPECT_EQ(slider.Value(), shown) << stored;
    }
}

TEST(SliderModel, TheRedrawKeepsTheValueInRange)
{
    const struct
    {
        double value, min, Max;
        double valueAfter, MaxAfter;
    } cases[]{{150, 0, 100, 100, 100}, {-5, 0, 100, 0, 100}, {7, 20, 20, 20, 21}, {20.5, 20, 20, 20.5, 21}};
    for (const auto& entry : cases) {
        SliderModel slider{entry.value, entry.min, entry.Max, true};
        slider.normalise();
        EXPECT_EQ(slider.value, entry.valueAfter);
        EXPECT_EQ(slider.Max, entry.MaxAfter);
    }
}

TEST(SliderModel, MouseAndBar)
{
    SliderModel slider{0, 20, 120, true};
    EXPECT_EQ(slider.positionFromMouse(50, 200), 45);
    EXPECT_EQ(slider.positionFromMouse(300, 200), 170) << "clamped only by the redraw";
    EXPECT_EQ(slider.positionFromMouse(50, 0), 0) << "a control without width keeps its value";
    slider.value = 70;
    EXPECT_EQ(slider.barWidth(200), 112);
}

TEST(SliderModel, PersistsOnlyWhatDiffersFromTheDefaults)
{
    QVariantHash bag;
    SliderModel fresh;
    fresh.WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    SliderModel changed{100, 0, 200, false};
    changed.WriteProperties(bag);
    EXPECT_EQ(bag.keys().size(), 3);
    EXPECT_EQ(bag.value("Value").toDouble(), 100);
    EXPECT_EQ(bag.value("Max").toDouble(), 200);
    EXPECT_EQ(bag.value("Enabled").toBool(), false);

    SliderModel read;
    read.ReadProperties(bag);
    EXPECT_EQ(read.value, 100);
    EXPECT_EQ(read.min, 0);
    EXPECT_EQ(read.Max, 200);
    EXPECT_FALSE(read.enabled);
    read.ReadProperties({});
    EXPECT_EQ(read.Max, 100);
    EXPECT_TRUE(read.enabled);
}

} // namespace
} // namespace twinsweep
