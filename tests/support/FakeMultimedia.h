#pragma once

#include <QHash>
#include <QStringList>

#include <vector>

#include "platform/MciInterpreter.h"
#include "platform/MultimediaCommands.h"
#include "platform/PlaybackChannel.h"

namespace twinsweep::test {

class FakeMultimedia;

/// A playback channel that plays along a clock the test moves by hand. It counts 25
/// frames per second, so a test sees frames and milliseconds mixed up.
class FakePlaybackChannel : public PlaybackChannel
{
public:
    static constexpr int FramesPerSecond = 25;

    explicit FakePlaybackChannel(FakeMultimedia& media);
    ~FakePlaybackChannel() override;

    bool load(const QString& path) override;
    qint64 lengthMs() const override { return m_lengthMs; }
    qint64 positionMs() const override { return m_positionMs; }
    PlaybackMode mode() const override { return m_mode; }
    int framesPerSecond() const override { return FramesPerSecond; }
    void play(std::optional<qint64> fromMs, std::optional<qint64> toMs) override;
    void pause() override;
    void resume() override;
    void seek(qint64 positionMs) override;
    void setVolume(int left, int right) override;

    /// Moves the clock on by `ms`: a playing channel advances and stops at its stop point.
    void advance(qint64 ms);

    QString path;
    int left = 1000;
    int right = 1000;

private:
    FakeMultimedia& m_media;
    qint64 m_lengthMs = 0;
    qint64 m_positionMs = 0;
    qint64 m_stopPoint = 0;
    PlaybackMode m_mode = PlaybackMode::Stopped;
};

/// The multimedia interface with fake channels: our command interpreter as the program
/// uses it, a log of every command sent, and a manual clock. An existing file opens
/// with the length set for it (three minutes unless set); a missing one does not.
class FakeMultimedia : public MultimediaCommands
{
public:
    static constexpr qint64 DefaultLengthMs = 180000;

    FakeMultimedia();

    int mciSendString(const QString& command, QString* reply, int replyLength) override;
    QString mciGetErrorString(int code, int length) const override;

    /// Moves the clock of every open channel on by `ms`.
    void advance(qint64 ms);
    /// The channel open under `alias`, nullptr when none is.
    FakePlaybackChannel* channel(const QString& alias) const;

    /// Every command sent, as sent (padding included).
    QStringList sent;
    /// Lengths in milliseconds by path; other existing files last `DefaultLengthMs`.
    QHash<QString, qint64> lengths;

private:
    friend class FakePlaybackChannel;
    std::vector<FakePlaybackChannel*> m_channels; // outlives the interpreter's channels

public:
    MciInterpreter interpreter;
};

} // namespace twinsweep::test
