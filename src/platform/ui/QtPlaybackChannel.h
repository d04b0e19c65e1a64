#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>

#include "platform/PlaybackChannel.h"

namespace twinsweep {

/// A playback channel on Qt Multimedia: one media player with its own audio output.
/// Without a sound device the GStreamer back-end plays into a silent sink at the
/// normal pace, so positions advance as they would with sound.
class QtPlaybackChannel : public QObject, public PlaybackChannel
{
    Q_OBJECT
public:
    QtPlaybackChannel();

    /// Makes channels on the GStreamer back-end.
    static PlaybackChannelFactory factory();

    bool load(const QString& path) override;
    qint64 lengthMs() const override { return m_lengthMs; }
    qint64 positionMs() const override;
    PlaybackMode mode() const override;
    int framesPerSecond() const override { return 75; }
    void play(std::optional<qint64> fromMs, std::optional<qint64> toMs) override;
    void pause() override;
    void resume() override;
    void seek(qint64 positionMs) override;
    void setVolume(int left, int right) override;

private:
    void waitWhileLoading();
    bool pastStopPoint() const;
    void stopAt(qint64 positionMs);
    void followPosition(qint64 positionMs);
    void followStatus(QMediaPlayer::MediaStatus status);

    QMediaPlayer m_player;
    QAudioOutput m_output;
    qint64 m_lengthMs = 0;
    std::optional<qint64> m_stopPoint;
    // Stopped by a seek, the stop point or the end; the player itself is then paused
    // or stopped, and its own position may already have gone back to the start.
    bool m_stopped = true;
    qint64 m_stoppedAt = 0;
};

} // namespace twinsweep
