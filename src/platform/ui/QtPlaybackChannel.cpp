#include "QtPlaybackChannel.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <algorithm>

#include "platform/MediaLength.h"

namespace twinsweep {

namespace {
constexpr int LoadTimeoutMs = 10000;
}

QtPlaybackChannel::QtPlaybackChannel()
{
    m_player.setAudioOutput(&m_output);
    connect(&m_player, &QMediaPlayer::positionChanged, this, &QtPlaybackChannel::followPosition);
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this, &QtPlaybackChannel::followStatus);
    connect(&m_player, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (duration > 0)
            m_lengthMs = duration;
    });
}

PlaybackChannelFactory QtPlaybackChannel::factory()
{
    // The ffmpeg back-end crashes where there is no audio device.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    return [] { return std::make_unique<QtPlaybackChannel>(); };
}

bool QtPlaybackChannel::load(const QString& path)
{
    m_player.setSource(QUrl::fromLocalFile(path));
    waitWhileLoading();
    const QMediaPlayer::MediaStatus status = m_player.mediaStatus();
    if (m_player.error() != QMediaPlayer::NoError || status == QMediaPlayer::InvalidMedia ||
        status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::NoMedia) {
        m_player.setSource({});
        return false;
    }
    // MP3 streams report their duration only once they play; their headers know it now.
    m_lengthMs = m_player.duration() > 0 ? m_player.duration() : headerLengthMs(path);
    return true;
}

void QtPlaybackChannel::waitWhileLoading()
{
    if (m_player.mediaStatus() != QMediaPlayer::LoadingMedia)
        return;
    QEventLoop loop;
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, &loop, [&loop](QMediaPlayer::MediaStatus status) {
        if (status != QMediaPlayer::LoadingMedia)
            loop.quit();
    });
    connect(&m_player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(LoadTimeoutMs, &loop, &QEventLoop::quit);
    // No clicks or keys meanwhile: a command of the user must not run inside an open.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

qint64 QtPlaybackChannel::positionMs() const
{
    if (m_stopped)
        return m_stoppedAt;
    const qint64 position = m_player.position();
    return m_stopPoint ? std::min(position, *m_stopPoint) : position;
}

bool QtPlaybackChannel::pastStopPoint() const
{
    // The player reports its position now and then; a reading between its reports must
    // not find the channel still playing beyond the end of its range.
    return m_stopPoint && m_player.position() >= *m_stopPoint;
}

PlaybackMode QtPlaybackChannel::mode() const
{
    if (m_stopped || pastStopPoint())
        return PlaybackMode::Stopped;
    switch (m_player.playbackState()) {
    case QMediaPlayer::PlayingState: return PlaybackMode::Playing;
    case QMediaPlayer::PausedState: return PlaybackMode::Paused;
    case QMediaPlayer::StoppedState: break;
    }
    return PlaybackMode::Stopped;
}

void QtPlaybackChannel::play(std::optional<qint64> fromMs, std::optional<qint64> toMs)
{
    const qint64 start = fromMs.value_or(positionMs());
    // A media whose length nobody could tell plays to its own end.
    if (m_lengthMs > 0 && start >= m_lengthMs)
        return stopAt(m_lengthMs);
    // A stop point at the end is left to the end of the media, which may run a little
    // longer than its headers said.
    m_stopPoint = toMs && *toMs < m_lengthMs ? toMs : std::nullopt;
    m_stopped = false;
    m_player.play();
    if (m_player.position() != start)
        m_player.setPosition(start);
}

void QtPlaybackChannel::pause()
{
    if (mode() == PlaybackMode::Playing)
        m_player.pause();
}

void QtPlaybackChannel::resume()
{
    if (mode() == PlaybackMode::Paused)
        m_player.play();
}

void QtPlaybackChannel::seek(qint64 positionMs)
{
    m_player.pause();
    m_player.setPosition(positionMs);
    m_stopped = true;
    m_stoppedAt = positionMs;
}

void QtPlaybackChannel::setVolume(int left, int right)
{
    // One output has one level: the louder side's.
    m_output.setVolume(float(qMax(left, right)) / 1000.0f);
}

void QtPlaybackChannel::stopAt(qint64 positionMs)
{
    if (m_player.playbackState() == QMediaPlayer::PlayingState)
        m_player.pause();
    m_stopped = true;
    m_stoppedAt = positionMs;
    m_stopPoint.reset();
}

void QtPlaybackChannel::followPosition(qint64 positionMs)
{
    if (!m_stopped && m_stopPoint && positionMs >= *m_stopPoint)
        stopAt(*m_stopPoint);
}

void QtPlaybackChannel::followStatus(QMediaPlayer::MediaStatus status)
{
    // A range may end with the media before any position report reached its stop point.
    if (status == QMediaPlayer::EndOfMedia && !m_stopped)
        stopAt(m_stopPoint.value_or(m_lengthMs));
}

} // namespace twinsweep
