#pragma once

namespace twinsweep {

/// The main window's controls as its re-layout sees them, addressed by the names the
/// program gives them ("Frame1", "Picture4"); sizes and positions in twips. A control
/// that does not exist (yet) is passed over by every operation.
class ResizeTarget
{
public:
    virtual ~ResizeTarget() = default;
    /// Moves and sizes `control` in proportion to the window's size against the layout
    /// recorded at start-up.
    virtual void ResizeControl(const char* control) = 0;
    virtual void setWidth(const char* control, int twips) = 0;
    virtual void setHeight(const char* control, int twips) = 0;
    virtual void setLeft(const char* control, int twips) = 0;
    virtual int left(const char* control) const = 0;
    virtual int width(const char* control) const = 0;
};

/// Fixed sizes of the player's controls, in twips, given after every re-layout.
inline constexpr int SliderHeight = 330;
inline constexpr int PlayerButtonSize = 240;
inline constexpr int VolumeTrackWidth = 735;

/// Lays the main window out again: nothing while start-up sets the window up
/// (`FormLoaded` false); otherwise each control in its fixed order, then the player's
/// buttons, slider and volume track back to their fixed sizes, the track right-aligned
/// with the slider.
void Form_Resize(bool FormLoaded, ResizeTarget& form);

} // namespace twinsweep
