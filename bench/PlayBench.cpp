#include <cstdio>

#include "Bench.h"
#include "HeadlessServices.h"
#include "QueuePlayback.h"
#include "platform/GstPlaybackChannel.h"

namespace twinsweep::bench {
namespace {

/// Plays the files as a queue through the player, the monitor and the real channels,
/// as the Play button of the player bar starts it, and times it to the last file's end.
int runPlay(QStringList arguments)
{
    int crossfade = 0;
    if (arguments.value(0) == "--crossfade") {
        crossfade = arguments.value(1).toInt();
        arguments = arguments.mid(2);
    }
    if (arguments.isEmpty())
        return 2;
    HeadlessServices headless;
    restartClock();
    const qsizetype started = test::playQueue(arguments, crossfade, headless.services, gstPlaybackChannels());
    std::printf("play: %lld files in %.1f s\n", static_cast<long long>(started), elapsedSeconds());
    return 0;
}

const Registration play{{"play", "play [--crossfade N] FILE...   (N seconds, default 0)", runPlay}};

} // namespace
} // namespace twinsweep::bench
