#include <gtest/gtest.h>

#include "controls/MainSplitter.h"

namespace twinsweep {
namespace {

constexpr double WindowHeight = 10000;

SplitPanes panes()
{
    return {4000, 4000, 5000};
}

TEST(MainSplitterTest, TheEdgeZoneShowsTheSizingPointer)
{
    struct Case
    {
        bool sizingBefore;
        double y;
        bool sizingAfter;
    };
    const Case cases[] = {
        {false, 3901, true}, {true, 3899, false}, {false, 3900, false}, {true, 3900, true}, // the border keeps it
    };
    for (const Case& c : cases) {
        MainSplitter splitter;
        SplitPanes split = panes();
        if (c.sizingBefore)
            splitter.Frame1_MouseMove(false, 3990, WindowHeight, split);
        splitter.Frame1_MouseMove(false, c.y, WindowHeight, split);
        EXPECT_EQ(splitter.sizingPointer(), c.sizingAfter) << c.y;
    }
}

TEST(MainSplitterTest, ADragMovesTheSplitBetweenTenAndSeventyPerCent)
{
    struct Case
    {
        double y;
        bool moves;
    };
    const Case cases[] = {
        {1099, false}, {1100, true}, {6999, true}, {7000, false}, {500, false}, {9000, false},
    };
    for (const Case& c : cases) {
        MainSplitter splitter;
        SplitPanes split = panes();
        splitter.Frame1_MouseMove(false, 3950, WindowHeight, split);
        EXPECT_EQ(splitter.Frame1_MouseMove(true, c.y, WindowHeight, split), c.moves) << c.y;
        const double moved = c.moves ? c.y - 4000 : 0;
        EXPECT_EQ(split.Frame1Height, 4000 + moved) << c.y;
        EXPECT_EQ(split.Frame2Top, 4000 + moved) << c.y;
        EXPECT_EQ(split.Frame2Height, 5000 - moved) << c.y;
    }
}

TEST(MainSplitterTest, OnlyAPressInTheEdgeZoneDrags)
{
    MainSplitter splitter;
    SplitPanes split = panes();
    splitter.Frame1_MouseMove(false, 2000, WindowHeight, split);
    EXPECT_FALSE(splitter.Frame1_MouseMove(true, 3950, WindowHeight, split)) << "arrived with the button held";
    EXPECT_FALSE(splitter.Frame1_MouseMove(true, 5000, WindowHeight, split));

    splitter.Frame1_MouseMove(false, 3950, WindowHeight, split);
    splitter.pointerLeft(false);
    EXPECT_FALSE(splitter.Frame1_MouseMove(true, 5000, WindowHeight, split)) << "left the pane, came back held";

    splitter.Frame1_MouseMove(false, 3950, WindowHeight, split);
    EXPECT_TRUE(splitter.Frame1_MouseMove(true, 5000, WindowHeight, split));
    splitter.Frame1_MouseUp();
    EXPECT_FALSE(splitter.sizingPointer());
    EXPECT_FALSE(splitter.Frame1_MouseMove(true, 5500, WindowHeight, split));
}

} // namespace
} // namespace twinsweep
