#pragma once

#include <QString>

#include "platform/MediaChannels.h"

namespace twinsweep {

class MultimediaCommands;

/// The playback channels ("f1", "f2") as multimedia command strings. Each procedure
/// sends its commands and reports "Success" or the interface's error text; numeric
/// queries give -1 and the mode query "ERROR" when their command fails. Positions and
/// lengths are in frames: what switches a channel to milliseconds switches it back.
class modMultimedia : public MediaChannels
{
public:
    explicit modMultimedia(MultimediaCommands& commands);

    QString CloseAllMedia();
    /// Closes the channel `alias`, which stops what plays on it and releases its file.
    QString CloseMedia(const QString& alias) override;
    QString PauseMedia(const QString& alias);
    QString ResumeMedia(const QString& alias);
    /// "playing", "paused", "stopped", or "ERROR".
    QString GetMediaMode(const QString& alias);
    qint64 GetMediaPosition(const QString& alias);
    qint64 GetMediaLengthFrames(const QString& alias);
    qint64 GetMediaLengthMs(const QString& alias);
    /// Frames per second of the channel's media; -1 when a length cannot be read or
    /// the media has no length in milliseconds.
    qint64 GetFramesPerSecond(const QString& alias);
    /// The position as a whole percentage of the length; 0 when it cannot be computed.
    qint64 GetPercentPlayed(const QString& alias);
    /// Moves to `position` (frames) and plays on; the result reports the move only.
    QString SeekAndPlayMedia(const QString& alias, qint64 position);
    /// Plays from `From` (empty: the start) to `To` (empty: the end), in frames.
    QString PlayMediaRange(const QString& alias, const QString& From, const QString& To);
    QString OpenMedia(qint64 hwnd, const QString& alias, const QString& filePath, const QString& deviceType);
    /// `volume` 0 to 100 on the "Left" or "Right" side (any case, sent as given), or on
    /// both for any other `channel` ("all").
    QString SetMediaVolume(const QString& alias, const QString& channel, qint64 volume);

private:
    QString send(const QString& command);
    qint64 queryNumber(const QString& command);

    MultimediaCommands& m_commands;
};

} // namespace twinsweep
