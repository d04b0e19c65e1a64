#pragma once

#include <optional>

#include "platform/ColorValue.h"

namespace twinsweep {

/// The faces of the push button in the XP look.
enum class ButtonFace { Normal, Hover, Pressed, Disabled };

/// A disabled button shows the disabled face; a press shows the pressed face until it
/// is released, wherever the pointer goes meanwhile; else the pointer over the button
/// shows the hover face.
ButtonFace buttonFace(bool enabled, bool pressed, bool hover);

/// Colours of the check box's XP look.
namespace CheckBoxColor {
inline constexpr ColorValue Border = 0x808080u;      // 128, 128, 128
inline constexpr ColorValue HoverBorder = 0x6A240Au; // 10, 36, 106
inline constexpr ColorValue Fill = 0xFFFFFFu;        // 255, 255, 255
inline constexpr ColorValue HoverFill = 0xD2BDB6u;   // 182, 189, 210: hover or focus
inline constexpr ColorValue PressedFill = 0xB59285u; // 133, 146, 181
inline constexpr ColorValue DisabledFill = 0xC0C0C0u;
} // namespace CheckBoxColor

/// The check mark pictures of the XP look.
enum class CheckMark { None, Normal, Hover, Pressed, Disabled };

/// What the box of the XP check box shows.
struct CheckBoxLook
{
    ColorValue border = CheckBoxColor::Border;
    std::optional<ColorValue> fill; // none when a check mark shows
    CheckMark mark = CheckMark::None;

    bool operator==(const CheckBoxLook&) const = default;
};

/// The state of the XP check box that its look follows.
struct CheckBoxState
{
    enum class Press { None, Mouse, Key }; // a left press or Space not yet released

    int Value = 0; // 1 checked; any other value counts as unchecked
    bool enabled = true;
    bool hover = false; // the pointer is over the box
    bool focus = false;
    Press press = Press::None;

    bool checked() const { return Value == 1; }
    /// The value a click gives: 1, unless the box is checked.
    int toggledValue() const { return checked() ? 0 : 1; }
    CheckBoxLook look() const;
};

} // namespace twinsweep
