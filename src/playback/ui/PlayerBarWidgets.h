#pragma once

#include <QWidget>

#include <functional>

#include "playback/PlayerView.h"

namespace twinsweep {

/// The 16 × 16 picture of a player button: dark blue, or grey and embossed for its cover.
QPixmap playerButtonPicture(PlayerButton button, bool covered);

/// One button of the player bar: its picture, and over it the grey cover that marks it
/// unavailable. A covered button neither moves nor acts.
class PlayerPictureButton : public QWidget
{
    Q_OBJECT
public:
    PlayerPictureButton(PlayerButton button, QWidget* parent);

    PlayerButton button() const { return m_button; }
    bool coverShown() const { return m_covered; }
    void setCoverShown(bool shown);

Q_SIGNALS:
    void MouseDown();
    void MouseUp();
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PlayerButton m_button;
    bool m_covered = false;
    bool m_pressed = false;
};

/// The volume track `Picture4` with its knob `Image1`. Dragging the knob, or pressing or
/// dragging on the track, moves the knob to the pointer and reports the level it stands
/// for. Positions are the track's own, in twips.
class VolumeTrack : public QWidget
{
    Q_OBJECT
public:
    explicit VolumeTrack(QWidget* parent);

    /// Puts the knob where `level` stands, as start-up does.
    void placeKnob(int level);
    QWidget* knob() const { return m_knob; }

    std::function<void(int level)> onLevel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double toTwips(double pixels) const;
    double freeWidth() const;
    /// Moves the knob to the pointer of `event` (sent to `receiver`, the track or the
    /// knob) held `grip` twips right of the knob's left edge; only while the left button
    /// alone is held.
    void follow(const QMouseEvent& event, const QWidget* receiver, double grip);
    void paintKnob();

    QWidget* m_knob;
};

} // namespace twinsweep
