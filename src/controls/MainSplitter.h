#pragma once

namespace twinsweep {

/// The heights that a move of the main window's split changes, in twips: the upper
/// pane `Frame1` and the lower pane `Frame2` below it. The controls inside each pane
/// follow their pane.
struct SplitPanes
{
    double Frame1Height = 0;
    double Frame2Top = 0;
    double Frame2Height = 0;
};

/// The split between the main window's upper and lower pane: `Frame1`'s bottom edge,
/// dragged with the left mouse button. Resting on the edge shows the sizing pointer; a
/// drag starts only from there, and keeps the edge between 10 and 70 per cent of the
/// window's height (both limits refused).
class MainSplitter
{
public:
    /// How far above `Frame1`'s bottom edge the pointer turns into the sizing pointer.
    static constexpr double EdgeZone = 100;
    static constexpr int LowestPercent = 10;
    static constexpr int HighestPercent = 70;

    /// A mouse move over `Frame1`, `y` from its top; `windowHeight` is the main window's
    /// outer height. Gives true when it moved the split.
    bool Frame1_MouseMove(bool leftHeld, double y, double windowHeight, SplitPanes& panes);
    /// The end of a drag; the caller records the main window's layout anew.
    void Frame1_MouseUp() { m_sizing = false; }
    /// The pointer moved off `Frame1`: with no button held it is the default pointer again.
    void pointerLeft(bool leftHeld);
    /// Whether `Frame1` shows the north-south sizing pointer.
    bool sizingPointer() const { return m_sizing; }

private:
    bool m_sizing = false;
};

} // namespace twinsweep
