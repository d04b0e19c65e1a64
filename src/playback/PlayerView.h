#pragma once

#include <QString>

namespace twinsweep {

/// The five buttons of the player bar, each with a grey cover that marks it unavailable.
enum class PlayerButton { Previous, Play, Pause, Stop, Next };

/// What the player, the player bar and the monitor show on the main window: the
/// position slider `SliderControl1` (its Tag names the current channel, "f1" or "f2",
/// empty after Stop) and the covers of the player bar's buttons.
class PlayerView
{
public:
    virtual ~PlayerView() = default;

    virtual QString sliderTag() const = 0;
    virtual void setSliderTag(const QString& alias) = 0;
    /// The slider's `Value`: a whole number from 0 to 100.
    virtual double sliderValue() const = 0;
    virtual void setSliderValue(double value) = 0;
    virtual void setSliderEnabled(bool enabled) = 0;

    virtual bool coverShown(PlayerButton button) const = 0;
    virtual void setCoverShown(PlayerButton button, bool shown) = 0;
};

/// A monotonic millisecond clock and a way to let the event loop run meanwhile.
class WaitClock
{
public:
    virtual ~WaitClock() = default;
    virtual qint64 elapsedMs() const = 0;
    /// Runs the event loop for at most `ms` milliseconds (it may return earlier).
    virtual void yieldFor(qint64 ms) = 0;
};

} // namespace twinsweep
