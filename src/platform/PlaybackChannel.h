#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace twinsweep {

enum class PlaybackMode { Stopped, Playing, Paused };

/// One device that plays one media file: the back-end behind an alias of the
/// multimedia command interpreter. Times are in milliseconds; the interpreter turns
/// them into frames at the channel's own frame rate.
class PlaybackChannel
{
public:
    virtual ~PlaybackChannel() = default;

    /// Loads the file and returns once it is ready to play or has failed, so that its
    /// length is known at once; a file whose sound output answers late is ready on its
    /// headers' word and plays once the output answers. False when it cannot be played.
    virtual bool load(const QString& path) = 0;
    virtual qint64 lengthMs() const = 0;
    virtual qint64 positionMs() const = 0;
    virtual PlaybackMode mode() const = 0;
    /// The rate at which positions are counted in frames.
    virtual int framesPerSecond() const = 0;

    /// Plays from `fromMs` (the current position when not given) and stops at `toMs`
    /// (the end when not given); after a stop the mode is Stopped.
    virtual void play(std::optional<qint64> fromMs, std::optional<qint64> toMs) = 0;
    /// Pauses a playing channel; other modes stay.
    virtual void pause() = 0;
    /// Plays a paused channel on; other modes stay.
    virtual void resume() = 0;
    /// Stops and moves the position; a following play starts there.
    virtual void seek(qint64 positionMs) = 0;
    /// Levels 0 to 1000 for the left and the right side.
    virtual void setVolume(int left, int right) = 0;
};

using PlaybackChannelFactory = std::function<std::unique_ptr<PlaybackChannel>()>;

} // namespace twinsweep
