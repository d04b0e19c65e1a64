#pragma once

#include "fileops/MediaChannels.h"

namespace twinsweep {

/// The two playback channels "f1" and "f2".
class modMultimedia : public MediaChannels
{
public:
    /// Closes the channel `alias`, which stops what plays on it and releases its file.
    QString CloseMedia(const QString& alias) override;
};

} // namespace twinsweep
