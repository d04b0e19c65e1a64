#pragma once

#include <QStringList>

#include "platform/MediaChannels.h"

namespace twinsweep::test {

/// Playback channels that remember which were closed.
class RecordingChannels : public MediaChannels
{
public:
    QString CloseMedia(const QString& alias) override
    {
        closed << alias;
        return "Success";
    }
    QStringList closed;
};

} // namespace twinsweep::test
