#pragma once

#include <QString>

namespace twinsweep {

/// What file operations need of playback: closing a channel ("f1" or "f2") so that no
/// catalogued file stays open. Playback implements it.
class MediaChannels
{
public:
    virtual ~MediaChannels() = default;
    /// Returns "Success" or the error text of the failing command.
    virtual QString CloseMedia(const QString& alias) = 0;
};

} // namespace twinsweep
