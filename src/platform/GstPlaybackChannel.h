#pragma once

#include "PlaybackChannel.h"

namespace twinsweep {

/// Makes playback channels on GStreamer, one `playbin` each that plays the audio of its
/// file. A channel plays through the PulseAudio server of the session (or the one that
/// PULSE_SERVER names), whose sound device's clock paces it; where no server answers
/// (containers, CI) it plays into a silent sink at the normal pace. GStreamer is
/// initialised by the first call.
PlaybackChannelFactory gstPlaybackChannels();

} // namespace twinsweep
