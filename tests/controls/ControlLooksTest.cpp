#include <gtest/gtest.h>

#include "controls/ControlLooks.h"

namespace twinsweep {
namespace {

using Press = CheckBoxState::Press;

TEST(CheckBoxState, TheBoxShowsItsStateAndTheOneValueThatChecksIt)
{
    const struct
    {
        const char* what;
        CheckBoxState state;
        CheckBoxLook look;
    } cases[]{
        {"unchecked",
         {0, true, false, false, Press::None},
         {CheckBoxColor::Border, CheckBoxColor::Fill, CheckMark::None}},
        {"value 2 shows unchecked",
         {2, true, false, false, Press::None},
         {CheckBoxColor::Border, CheckBoxColor::Fill, CheckMark::None}},
        {"checked", {1, true, false, false, Press::None}, {CheckBoxColor::Border, std::nullopt, CheckMark::Normal}},
        {"hover",
         {0, true, true, false, Press::None},
         {CheckBoxColor::HoverBorder, CheckBoxColor::HoverFill, CheckMark::None}},
        {"focus", {1, true, false, true, Press::None}, {CheckBoxColor::Border, std::nullopt, CheckMark::Hover}},
        {"pressed inside",
         {0, true, true, false, Press::Mouse},
         {CheckBoxColor::HoverBorder, CheckBoxColor::PressedFill, CheckMark::None}},
        {"pressed, pointer gone",
         {1, true, false, false, Press::Mouse},
         {CheckBoxColor::Border, std::nullopt, CheckMark::Normal}},
        {"Space held", {1, true, false, true, Press::Key}, {CheckBoxColor::Border, std::nullopt, CheckMark::Pressed}},
        {"disabled and checked",
         {1, false, true, true, Press::None},
         {CheckBoxColor::Border, CheckBoxColor::DisabledFill, CheckMark::Disabled}},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(entry.state.look(), entry.look) << entry.what;
}

TEST(CheckBoxState, AClickChecksAnythingButAChecked)
{
    for (const auto& [value, after] : {std::pair{0, 1}, {1, 0}, {2, 1}, {-1, 1}})
        EXPECT_EQ(CheckBoxState{value}.toggledValue(), after) << value;
}

} // namespace
} // namespace twinsweep
