#pragma once

#include <gst/gst.h>

#include <chrono>
#include <functional>

namespace twinsweep {

using SoundClock = std::chrono::steady_clock;

/// The longest the caller of a playback channel waits for its file to open: a sound output
/// that answers late must not freeze the window.
inline constexpr std::chrono::milliseconds SoundOutputPatience{1000};
/// How long the sound output may leave a file unanswered before the file plays on in a
/// silent sink: a server still starting, or briefly stalled, is heard once it answers.
inline constexpr std::chrono::milliseconds ServerPatience{10000};

enum class OutputKind { Server, Device, Silent };

/// An audio sink, opened (READY), and where it plays.
struct AudioOutput
{
    GstElement* sink = nullptr; // an owned reference
    OutputKind kind = OutputKind::Silent;
};

/// What opening an output may be told or tell while it waits.
struct OutputOpening
{
    std::function<bool()> cancelled;           // asked while waiting: true ends the wait
    std::function<void()> waitingForTheDevice; // another channel of ours holds the device
};

/// A new audio sink for one playback channel: the session's sound server through PulseAudio
/// (or PipeWire's PulseAudio service) when it answers within ServerPatience, counted from
/// the oldest wait on it that is still unanswered; else the system's ALSA default device,
/// which may take one stream at a time: while another channel of ours holds it, the open
/// waits until it is free; else a silent sink that keeps the normal pace. May take long:
/// call it off the window's thread.
AudioOutput openAudioOutput(const OutputOpening& opening);
AudioOutput silentOutput();

/// To be called once the sink of `kind` has been closed (NULL): a device it held is free.
void outputClosed(OutputKind kind);

/// While it lives, something waits on the sound server's answer, since `since`. Waits that
/// have gone unanswered for ServerPatience make new files pass the server over.
class ServerWait
{
public:
    explicit ServerWait(SoundClock::time_point since);
    ~ServerWait();
    ServerWait(const ServerWait&) = delete;
    ServerWait& operator=(const ServerWait&) = delete;

private:
    SoundClock::time_point m_since;
};

} // namespace twinsweep
