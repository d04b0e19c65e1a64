#pragma once

#include <QStringList>

#include "platform/PlaybackChannel.h"

namespace twinsweep {
struct Services;
}

namespace twinsweep::test {

/// Plays `files` as the play queue, as the player bar's Play button starts it: the real
/// player, monitor and bar drive channels made by `makeChannel`, the monitor ticking every
/// 500 ms as the main window's `Timer2` does, with "Crossfade" set to `crossfadeSeconds`
/// in `services`' settings. Returns once the queue stops, after its last file or wherever
/// the monitor finds nothing to start (a file that could not be opened or stopped short),
/// with the number of files started (missing files are passed over).
qsizetype playQueue(const QStringList& files, int crossfadeSeconds, Services& services,
                    PlaybackChannelFactory makeChannel);

} // namespace twinsweep::test
