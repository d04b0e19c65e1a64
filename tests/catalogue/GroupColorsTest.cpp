#include <gtest/gtest.h>

#include "catalogue/GroupColors.h"

namespace twinsweep {
namespace {

TEST(GroupColorsTest, BlackUntilTheFirstAdvance)
{
    GroupColors colors;
    EXPECT_EQ(colors.GetColor(), 0u);
    EXPECT_EQ(colors.GetColor(false), 0u);
    EXPECT_EQ(colors.ColorIndex(), 0);
}

TEST(GroupColorsTest, AdvancesThroughSevenColoursAndWraps)
{
    GroupColors colors;
    const std::vector<ColorValue> advancing{192, 12582912, 49344, 12583104, 16576, 49152, 12632064, 192, 12582912};
    for (size_t call = 0; call < advancing.size(); ++call)
        EXPECT_EQ(colors.GetColor(true), advancing[call]) << "advance " << call + 1;
    EXPECT_EQ(colors.ColorIndex(), 2);
}

TEST(GroupColorsTest, ACallWithoutAdvancingRepeatsTheGroupColour)
{
    GroupColors colors;
    EXPECT_EQ(colors.GetColor(true), 192u);
    EXPECT_EQ(colors.GetColor(true), 12582912u);
    EXPECT_EQ(colors.GetColor(true), 49344u);
    EXPECT_EQ(colors.GetColor(), 49344u);
    EXPECT_EQ(colors.GetColor(false), 49344u);
    EXPECT_EQ(colors.GetColor(true), 12583104u);
}

} // namespace
} // namespace twinsweep
