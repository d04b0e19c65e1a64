#pragma once

#include "PlaybackChannel.h"

namespace twinsweep {

/// Makes playback channels on GStreamer, one `playbin` each that plays the audio of its
/// file on a thread of its own, through the session's sound server (or the one that
/// PULSE_SERVER names), else the system's ALSA default device, whose clock paces it; where
/// neither opens it plays into a silent sink at the normal pace. No call waits on the sound
/// output but an open, for about a second at most: a file whose output answers later is
/// heard from then on. GStreamer is initialised by the first call.
PlaybackChannelFactory gstPlaybackChannels();

} // namespace twinsweep
