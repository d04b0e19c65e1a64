#pragma once

#include <QHash>

#include <functional>

#include "playback/PlayerView.h"

namespace twinsweep::test {

class FakeMultimedia;

/// The position slider and the player bar's covers as plain values.
class FakePlayerView : public PlayerView
{
public:
    QString sliderTag() const override { return tag; }
    void setSliderTag(const QString& alias) override { tag = alias; }
    double sliderValue() const override { return value; }
    void setSliderValue(double newValue) override { value = newValue; }
    void setSliderEnabled(bool isEnabled) override { enabled = isEnabled; }
    bool coverShown(PlayerButton button) const override { return covers.value(button, false); }
    void setCoverShown(PlayerButton button, bool shown) override { covers[button] = shown; }

    QString tag;
    double value = 100;
    bool enabled = false;
    QHash<PlayerButton, bool> covers;
};

/// A clock that moves only while it is waited on; every wait moves the fake channels'
/// clock along and runs `onYield`, so a test can act in the middle of a fade.
class FakeWaitClock : public WaitClock
{
public:
    explicit FakeWaitClock(FakeMultimedia& media) : m_media(media) {}
    qint64 elapsedMs() const override { return now; }
    void yieldFor(qint64 ms) override;

    qint64 now = 1000;
    qint64 waited = 0;
    std::function<void()> onYield;

private:
    FakeMultimedia& m_media;
};

} // namespace twinsweep::test
