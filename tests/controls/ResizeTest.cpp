#include <gtest/gtest.h>

#include "controls/Resize.h"

namespace twinsweep {
namespace {

WindowPlace window(double innerWidth, double innerHeight, const std::string& name = "Form1")
{
    return {name, 0, 0, innerHeight + 900, innerWidth + 120, innerHeight, innerWidth};
}

ControlPlace control(const std::string& name, double left, double top = 0, double width = 1000, double height = 500)
{
    return {name, std::nullopt, top, left, height, width};
}

TEST(ResizeTest, ControlsScaleByWholePercentagesOfTheRecordedInnerSize)
{
    struct Case
    {
        double width, height; // the window's inner size now
        ControlPlace recorded;
        ScaledPlace expected;
    };
    const Case cases[] = {
        {15000, 8000, control("List", 333, 100, 999, 400), {499, 100, 1498, 400}},
        {10000, 12000, control("List", 333, 101, 999, 401), {333, 151, 999, 601}},
        {5049, 3999, control("List", 333, 100, 999, 400), {166, 49, 499, 196}}, // 50 %, 49 %
        {15000, 8000, control("Parked", 500 - Resize::ParkedOffset), {750 - Resize::ParkedOffset, 0, 1500, 500}},
    };
    for (const Case& c : cases) {
        Resize layout;
        layout.RecordFormLayout(window(10000, 8000), {c.recorded});
        ControlPlace now = c.recorded;
        const std::optional<ScaledPlace> place = layout.ResizeControl(now, window(c.width, c.height));
        ASSERT_TRUE(place) << c.recorded.Name;
        EXPECT_EQ(place->Left, c.expected.Left) << c.width;
        EXPECT_EQ(place->Top, c.expected.Top) << c.height;
        EXPECT_EQ(place->Width, c.expected.Width) << c.width;
        EXPECT_EQ(place->Height, c.expected.Height) << c.height;
    }
}

TEST(ResizeTest, AParkedControlIsRecordedAsIfOnTheWindow)
{
    Resize layout;
    layout.RecordFormLayout(window(10000, 8000), {control("Parked", 500 - Resize::ParkedOffset)});
    EXPECT_EQ(layout.controlRecords().at(0).Left, 500);
}

TEST(ResizeTest, AControlIsLeftAloneWithoutARecordOrARecordedSize)
{
    Resize layout;
    layout.RecordFormLayout(window(10000, 8000), {control("List", 333)});
    EXPECT_FALSE(layout.ResizeControl(control("Unrecorded", 333), window(15000, 8000)));
    EXPECT_FALSE(layout.ResizeControl(control("List", 333), window(15000, 8000, "Form2")))
        << "a window seen first at a resize is recorded at 100 %, its controls are not";

    Resize collapsed;
    collapsed.RecordFormLayout(window(0, 8000), {control("List", 333)});
    EXPECT_FALSE(collapsed.ResizeControl(control("List", 333), window(15000, 8000)));
}

TEST(ResizeTest, ControlsOfOneNameKeepApartByWindowAndIndex)
{
    Resize layout;
    ControlPlace first = control("Check", 100);
    first.Index = 0;
    ControlPlace second = control("Check", 200);
    second.Index = 1;
    layout.RecordFormLayout(window(10000, 8000), {first, second, control("Check", 300)});
    layout.RecordFormLayout(window(10000, 8000, "Form2"), {control("Check", 400)});
    ASSERT_EQ(layout.controlRecords().size(), 3u) << "the unindexed one matches the array's first record";

    const auto leftAt150 = [&](const ControlPlace& place, const std::string& form) {
        return layout.ResizeControl(place, window(15000, 8000, form))->Left;
    };
    EXPECT_EQ(leftAt150(first, "Form1"), 150);
    EXPECT_EQ(leftAt150(second, "Form1"), 300);
    EXPECT_EQ(leftAt150(control("Check", 0), "Form2"), 600);
}

TEST(ResizeTest, ARecordingAfterAResetIsTheNewBase)
{
    Resize layout;
    layout.RecordFormLayout(window(10000, 8000), {control("Frame1", 0, 0, 10000, 4000)});
    layout.ResetLayouts();
    layout.RecordFormLayout(window(15000, 8000), {control("Frame1", 0, 0, 15000, 5000)});
    const std::optional<ScaledPlace> place = layout.ResizeControl(control("Frame1", 0), window(15000, 8000));
    ASSERT_TRUE(place);
    EXPECT_EQ(place->Width, 15000);
    EXPECT_EQ(place->Height, 5000);
    EXPECT_EQ(layout.FindFormRecord("Form1"), 0);
}

} // namespace
} // namespace twinsweep
