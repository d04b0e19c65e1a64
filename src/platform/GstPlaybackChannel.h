#pragma once

#include "PlaybackChannel.h"

namespace twinsweep {

/// Makes playback channels on GStreamer, one `playbin` each that plays the audio of its
/// file. A channel plays through the session's sound server (or the one that PULSE_SERVER
/// names), else the system's ALSA default device, whose clock paces it; where neither
/// opens it plays into a silent sink at the normal pace. No wait on the sound output holds
/// the caller for more than about a second. GStreamer is initialised by the first call.
PlaybackChannelFactory gstPlaybackChannels();

} // namespace twinsweep
