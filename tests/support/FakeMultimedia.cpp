#include "FakeMultimedia.h"

#include <QFileInfo>

namespace twinsweep::test {

FakePlaybackChannel::FakePlaybackChannel(FakeMultimedia& media) : m_media(media)
{
    m_media.m_channels.push_back(this);
}

FakePlaybackChannel::~FakePlaybackChannel()
{
    std::erase(m_media.m_channels, this);
}

bool FakePlaybackChannel::load(const QString& filePath)
{
    if (!QFileInfo(filePath).isFile())
        return false;
    path = filePath;
    m_lengthMs = m_media.lengths.value(filePath, FakeMultimedia::DefaultLengthMs);
    return true;
}

void FakePlaybackChannel::play(std::optional<qint64> fromMs, std::optional<qint64> toMs)
{
    if (fromMs)
        m_positionMs = *fromMs;
    m_stopPoint = toMs.value_or(m_lengthMs);
    m_mode = m_positionMs < m_stopPoint ? PlaybackMode::Playing : PlaybackMode::Stopped;
}

void FakePlaybackChannel::pause()
{
    if (m_mode == PlaybackMode::Playing)
        m_mode = PlaybackMode::Paused;
}

void FakePlaybackChannel::resume()
{
    if (m_mode == PlaybackMode::Paused)
        m_mode = PlaybackMode::Playing;
}

void FakePlaybackChannel::seek(qint64 positionMs)
{
    m_positionMs = positionMs;
    m_mode = PlaybackMode::Stopped;
}

void FakePlaybackChannel::setVolume(int leftLevel, int rightLevel)
{
    left = leftLevel;
    right = rightLevel;
}

void FakePlaybackChannel::advance(qint64 ms)
{
    if (m_mode != PlaybackMode::Playing)
        return;
    m_positionMs = qMin(m_positionMs + ms, m_stopPoint);
    if (m_positionMs == m_stopPoint)
        m_mode = PlaybackMode::Stopped;
}

FakeMultimedia::FakeMultimedia() : interpreter([this] { return std::make_unique<FakePlaybackChannel>(*this); }) {}

int FakeMultimedia::mciSendString(const QString& command, QString* reply, int replyLength)
{
    sent.append(command);
    return interpreter.mciSendString(command, reply, replyLength);
}

QString FakeMultimedia::mciGetErrorString(int code, int length) const
{
    return interpreter.mciGetErrorString(code, length);
}

void FakeMultimedia::advance(qint64 ms)
{
    for (FakePlaybackChannel* channel : m_channels)
        channel->advance(ms);
}

FakePlaybackChannel* FakeMultimedia::channel(const QString& alias) const
{
    return static_cast<FakePlaybackChannel*>(interpreter.channel(alias));
}

} // namespace twinsweep::test
