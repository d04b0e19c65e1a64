#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace twinsweep {

/// The steps of start-up, re-layout and shutdown that belong to other parts of the
/// program (playback, the look switch, the layout records, the playlists, the about
/// box). Each part fills its own steps when it installs itself on the main window;
/// start-up and shutdown run them in their fixed order and skip an empty one.
struct LifecycleHooks
{
    // Start-up, in the order it runs them.
    std::function<void()> SetMciDriver;        ///< the multimedia driver entry
    std::function<void()> CloseAllMedia;       ///< every channel closed; run again at shutdown
    std::function<void()> resetPositionSlider; ///< the position slider at 100 and disabled
    std::function<void(int PlayerVolume)> placeVolumeKnob;
    /// The options of the "View" section, applied in the order they were added; the
    /// look switch ("xpbut") comes first.
    std::vector<std::function<void()>> viewOptions;
    std::function<void()> RecordFormLayout; ///< the reference of the proportional re-layout
    /// When the stored window is restored and the toolbar is hidden: the panes move up
    /// into the toolbar's room.
    std::function<void()> moveFramesIntoToolbarRoom;
    std::function<void()> showAboutBox; ///< modeless, owned by the main window
    std::function<void(const QString& path)> ImportM3UToCollection;
    std::function<void(const QString& path)> ImportPLSToCollection;

    // Re-layout: moves and sizes one named control in proportion to the window's size.
    std::function<void(const char* control)> ResizeControl;

    // Shutdown, after the settings are written and the media closed.
    std::function<void()> unloadWindows; ///< the statistics windows, then the about box
    /// Once the window may close: a running fade ends and the player's monitor stops.
    std::function<void()> endPlayback;
};

/// Runs `step` when it is filled.
template <typename Step, typename... Args> void runStep(const Step& step, Args&&... args)
{
    if (step)
        step(std::forward<Args>(args)...);
}

} // namespace twinsweep
