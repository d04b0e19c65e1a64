#pragma once

#include <gst/gst.h>

#include <chrono>

namespace twinsweep {

/// The longest a playback channel waits on the sound output before it gives up on it: a
/// sound server that accepts a connection and never answers must not freeze the window.
inline constexpr std::chrono::milliseconds SoundOutputPatience{1000};

/// A new audio sink, already opened (READY), for one playback channel: the session's sound
/// server through PulseAudio (or PipeWire's PulseAudio service) when it answers in time,
/// else the system's ALSA default device when that opens in time, else a silent sink that
/// keeps the normal pace. An output that did not answer in time is not waited on again
/// until its late answer has come. The caller owns the returned reference.
GstElement* openAudioSink();

} // namespace twinsweep
