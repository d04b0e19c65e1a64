#pragma once

#include <gst/gst.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include "PlaybackChannel.h"

namespace twinsweep {

/// The rate at which the channels count positions in frames.
inline constexpr int ChannelFramesPerSecond = 75;

/// What a channel's caller asks of the thread that plays its file.
struct ChannelCommand
{
    enum Kind { Play, Pause, Resume, Seek };
    Kind kind = Play;
    std::uint64_t number = 0;
    qint64 positionMs = 0;        // Play: where it starts; Seek: where it stops
    std::optional<qint64> stopMs; // Play: where it ends, when not at the end
};

/// Where a channel stands.
struct ChannelReport
{
    PlaybackMode mode = PlaybackMode::Stopped;
    qint64 positionMs = 0;
};

enum class LoadState { Loading, WaitingForTheDevice, Loaded, Failed };

/// What a channel's caller and its playing thread share, all of it under `mutex`. The caller
/// never waits on the sound output: it leaves commands here and reads what the playing
/// thread reported after the last command it carried out.
struct ChannelMailbox
{
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<ChannelCommand> commands;
    bool closing = false;
    LoadState load = LoadState::Loading;
    ChannelReport report;
    std::uint64_t reportedCommand = 0; // the number of the last command `report` follows
    qint64 lengthMs = 0;               // 0 until the stream tells it
    // The level, set on the playing pipeline's volume element, which never waits on the output.
    double volume = 1.0;
    GstElement* volumeElement = nullptr; // a reference of its own

    /// Makes `element` the one the level is set on, at the level asked last. Lock held.
    void setVolumeElement(GstElement* element)
    {
        if (element) {
            gst_object_ref(element);
            g_object_set(element, "volume", volume, nullptr);
        }
        if (volumeElement)
            gst_object_unref(volumeElement);
        volumeElement = element;
    }
};

} // namespace twinsweep
