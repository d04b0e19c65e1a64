#include "ControlLooks.h"

namespace twinsweep {

ButtonFace buttonFace(bool enabled, bool pressed, bool hover)
{
    if (!enabled)
        return ButtonFace::Disabled;
    if (pressed)
        return ButtonFace::Pressed;
    return hover ? ButtonFace::Hover : ButtonFace::Normal;
}

CheckBoxLook CheckBoxState::look() const
{
    if (!enabled)
        return {CheckBoxColor::Border, CheckBoxColor::DisabledFill, checked() ? CheckMark::Disabled : CheckMark::None};
    // A mouse press looks pressed only while the pointer stays over the box.
    const bool pressed = press == Press::Key || (press == Press::Mouse && hover);
    const bool highlighted = hover || focus;
    const ColorValue border = hover ? CheckBoxColor::HoverBorder : CheckBoxColor::Border;
    if (checked())
        return {border, std::nullopt,
                pressed ? CheckMark::Pressed : (highlighted ? CheckMark::Hover : CheckMark::Normal)};
    return {border,
            pressed ? CheckBoxColor::PressedFill : (highlighted ? CheckBoxColor::HoverFill : CheckBoxColor::Fill),
            CheckMark::None};
}

} // namespace twinsweep
