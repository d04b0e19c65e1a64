#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <memory>

#include "catalogue/ListCommands.h"
#include "playback/PlayCommands.h"
#include "playback/PlayerView.h"
#include "playback/QtWaitClock.h"

class QTableView;
class QTimer;

namespace twinsweep {

class FileList;
class Form1;
class modMultimedia;
class Player;
class PlayerBar;
class PlayerMonitor;
class PlayerPictureButton;
class QueryList;
class SliderControl;
class VolumeTrack;

/// The position slider and the player bar's buttons as the player sees them. Widgets
/// that are gone are no longer touched.
class PlayerWidgetsView : public PlayerView
{
public:
    QString sliderTag() const override;
    void setSliderTag(const QString& alias) override;
    double sliderValue() const override;
    void setSliderValue(double value) override;
    void setSliderEnabled(bool enabled) override;
    bool coverShown(PlayerButton button) const override;
    void setCoverShown(PlayerButton button, bool shown) override;

    QPointer<SliderControl> slider;
    std::array<QPointer<PlayerPictureButton>, 5> buttons; // by `PlayerButton`
};

/// The player on the main window: the position slider `SliderControl1`, the player bar
/// (five buttons and the volume track) under it, the monitor timer `Timer2`, and the
/// file lists' play commands and Esc.
class PlaybackInstall : public QObject
{
    Q_OBJECT
public:
    /// Plays through `channels` from the lists and the query list `rows`.
    PlaybackInstall(Form1& window, modMultimedia& channels, QueryList& rows);
    ~PlaybackInstall() override;

    Player& player() { return *m_player; }
    PlayerMonitor& monitor() { return *m_monitor; }
    PlayerBar& bar() { return *m_bar; }
    SliderControl* SliderControl1 = nullptr;
    VolumeTrack* Picture4 = nullptr;
    QTimer* Timer2 = nullptr;
    PlayerPictureButton* button(PlayerButton which) const;

    /// The window closes: a running fade ends and the monitor stops.
    void shutdown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStrip(Form1& window);
    void buildBar(QWidget* bar);
    void connectBar();
    void connectSlider();
    void registerPlayCommands(Form1& window);
    /// "Play" of a list's menu and its Enter key as `handler`, and the double click on `view`.
    void addPlayCommand(Form1& window, ListCommands& commands, const char* handler, QTableView* view,
                        const FileList& list, VolumeOfRow volumeOf);

    PlayerWidgetsView m_view;
    QtWaitClock m_clock;
    std::unique_ptr<Player> m_player;
    std::unique_ptr<PlayerMonitor> m_monitor;
    std::unique_ptr<PlayerBar> m_bar;
    QPoint m_pressedFrom; // where the pressed button stood
};

} // namespace twinsweep
