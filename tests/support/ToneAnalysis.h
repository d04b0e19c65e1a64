#pragma once

#include <QStringList>

#include <string>
#include <vector>

#include "ToneFiles.h"

namespace twinsweep::test {

/// One tone as it was heard in a recording: when it began (from the recording's start)
/// and for how long it sounded.
struct HeardTone
{
    int frequency;
    qint64 startMs;
    qint64 durationMs;
};

/// The tones of `frequencies` heard in `samples` (mono, `sampleRate`), in the order they
/// began. A tone is heard in a 20 ms window when it sounds there at -50 dBFS or louder,
/// so both tones of a crossfade are heard, the fading one too. A hole of up to 100 ms
/// (the sound server ran dry) does not part a hearing, but its time is not counted.
/// Tones heard for less than 60 ms are left out: a change of tone clicks, and a click
/// sounds at every frequency.
std::vector<HeardTone> heardTones(const std::vector<qint16>& samples, int sampleRate,
                                  const std::vector<int>& frequencies);

/// What tells that `heard` is not `files` heard whole, one after the other: a step of a
/// file not heard exactly once, or for less than `minimumMs` or longer than it lasts, or
/// out of order (a file's steps in their order, each file begun after the one before).
/// Hearings of a step parted by a hole, with no other step of its file begun in it, are
/// one hearing. Empty when all is well.
QStringList faultsHeard(const std::vector<HeardTone>& heard, const std::vector<ToneFile>& files, qint64 minimumMs);

/// "500 Hz at 0.16 s for 0.50 s" per tone, one per line, for a failure message.
std::string describe(const std::vector<HeardTone>& heard);

} // namespace twinsweep::test
