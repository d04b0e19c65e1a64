#pragma once

#include <QString>

namespace twinsweep {

/// What the lists, file operations and tag tools need of playback: closing a channel
/// ("f1" or "f2") so that no file stays open. `modMultimedia` implements it.
class MediaChannels
{
public:
    virtual ~MediaChannels() = default;
    /// Returns "Success" or the error text of the failing command.
    virtual QString CloseMedia(const QString& alias) = 0;
};

/// Closes both playback channels, "f1" then "f2", so that no file stays open.
inline void ReleasePlayerChannels(MediaChannels& channels)
{
    channels.CloseMedia("f1");
    channels.CloseMedia("f2");
}

} // namespace twinsweep
