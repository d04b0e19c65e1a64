#include "GstAudioSink.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

namespace twinsweep {

namespace {

// How often a wait looks whether it was cancelled.
constexpr std::chrono::milliseconds WaitSlice{50};

/// The waits on the sound server that are still unanswered, by when each began.
struct ServerWaits
{
    std::mutex mutex;
    std::multiset<SoundClock::time_point> since;
};

/// The channels of ours that hold the ALSA device, and how often one let it go.
struct DeviceHolders
{
    std::mutex mutex;
    std::condition_variable released;
    int count = 0;
    std::uint64_t releases = 0;
};

// Both are left to the process's end: threads still waiting on an output may use them then.
ServerWaits& serverWaits()
{
    static auto* waits = new ServerWaits;
    return *waits;
}

DeviceHolders& deviceHolders()
{
    static auto* holders = new DeviceHolders;
    return *holders;
}

std::optional<SoundClock::time_point> oldestServerWait()
{
    ServerWaits& waits = serverWaits();
    const std::lock_guard lock(waits.mutex);
    if (waits.since.empty())
        return std::nullopt;
    return *waits.since.begin();
}

/// Sinks of one client name share one connection to the server, which is then never asked
/// again whether it answers: each sink gets a connection of its own. Sound mixers show the
/// program's name all the same.
void prepareServerSink(GstElement* sink)
{
    static std::atomic<int> connections = 0;
    const std::string clientName = "Twinsweep " + std::to_string(++connections);
    GstStructure* properties = gst_structure_new("properties", "application.name", G_TYPE_STRING, "Twinsweep", nullptr);
    g_object_set(sink, "client-name", clientName.c_str(), "stream-properties", properties, nullptr);
    gst_structure_free(properties);
}

/// The server's own level for the stream stays full (the program sets its level in the
/// pipeline), whatever level it remembers for the program. Set only once the sink is open:
/// the sinks share one connection loop, which the last one to close frees, and a level set
/// on a sink not yet open would reach for that loop while another channel's close frees it.
GstElement* serverSinkAtFullLevel(GstElement* sink)
{
    if (sink)
        g_object_set(sink, "volume", 1.0, nullptr);
    return sink;
}

void release(GstElement* sink)
{
    gst_element_set_state(sink, GST_STATE_NULL);
    gst_object_unref(sink);
}

/// A new sink of `factory`, opened; nullptr when it cannot be made or opened.
GstElement* readySink(const char* factory, void (*prepare)(GstElement*))
{
    GstElement* sink = gst_element_factory_make(factory, nullptr);
    if (!sink)
        return nullptr;
    gst_object_ref_sink(sink);
    if (prepare)
        prepare(sink);
    if (gst_element_set_state(sink, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE)
        return sink;
    release(sink);
    return nullptr;
}

/// What an open on a thread of its own brought, shared with that thread.
struct OpenOutcome
{
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    bool abandoned = false; // nobody waits for it any more: a late sink is released
    GstElement* sink = nullptr;
};

/// The sink `open` makes, on a thread of its own, when it answers by `deadline` and the
/// wait is not cancelled; nullptr otherwise.
GstElement* openWithin(std::function<GstElement*()> open, SoundClock::time_point deadline,
                       const std::function<bool()>& cancelled)
{
    const auto outcome = std::make_shared<OpenOutcome>();
    try {
        std::thread([open, outcome] {
            GstElement* sink = open();
            {
                const std::lock_guard lock(outcome->mutex);
                outcome->done = true;
                if (!outcome->abandoned)
                    outcome->sink = std::exchange(sink, nullptr);
            }
            outcome->answered.notify_all();
            if (sink)
                release(sink); // came too late
        }).detach();
    } catch (const std::system_error&) {
        return open(); // no thread to be had: the caller waits as long as it takes
    }
    std::unique_lock lock(outcome->mutex);
    while (!outcome->done && SoundClock::now() < deadline && !cancelled())
        outcome->answered.wait_until(lock, std::min(deadline, SoundClock::now() + WaitSlice));
    outcome->abandoned = true;
    return std::exchange(outcome->sink, nullptr);
}

GstElement* serverSink(const OutputOpening& opening)
{
    const SoundClock::time_point now = SoundClock::now();
    const SoundClock::time_point deadline = std::min(oldestServerWait().value_or(now), now) + ServerPatience;
    if (deadline <= now)
        return nullptr; // it has left a wait unanswered too long already
    const auto open = [now] {
        const ServerWait wait(now);
        return serverSinkAtFullLevel(readySink("pulsesink", prepareServerSink));
    };
    return openWithin(open, deadline, opening.cancelled);
}

/// The ALSA default device, when it opens at once. An earlier open that has not answered
/// yet is not waited on again.
GstElement* deviceSink(const OutputOpening& opening)
{
    static std::atomic<bool> unanswered = false;
    if (unanswered.exchange(true))
        return nullptr;
    const auto open = [] {
        GstElement* sink = readySink("alsasink", nullptr); // its device is "default" unless set
        unanswered = false;
        return sink;
    };
    return openWithin(open, SoundClock::now() + SoundOutputPatience, opening.cancelled);
}

std::uint64_t deviceReleases()
{
    DeviceHolders& holders = deviceHolders();
    const std::lock_guard lock(holders.mutex);
    return holders.releases;
}

/// After the device did not open: waits while channels of ours hold it. True when it is worth
/// another try (they let it go, before or during the wait); false when the device is not ours
/// to wait for, or the wait was cancelled.
bool awaitDeviceRelease(const OutputOpening& opening, std::uint64_t releasesBefore)
{
    DeviceHolders& holders = deviceHolders();
    std::unique_lock lock(holders.mutex);
    if (holders.count == 0)
        return holders.releases != releasesBefore;
    lock.unlock();
    opening.waitingForTheDevice();
    lock.lock();
    while (holders.count > 0) {
        if (opening.cancelled())
            return false;
        holders.released.wait_for(lock, WaitSlice);
    }
    return true;
}

AudioOutput deviceOutput(const OutputOpening& opening)
{
    for (;;) {
        const std::uint64_t releasesBefore = deviceReleases();
        if (GstElement* sink = deviceSink(opening)) {
            DeviceHolders& holders = deviceHolders();
            const std::lock_guard lock(holders.mutex);
            ++holders.count;
            return {sink, OutputKind::Device};
        }
        if (!awaitDeviceRelease(opening, releasesBefore))
            return {};
    }
}

} // namespace

ServerWait::ServerWait(SoundClock::time_point since) : m_since(since)
{
    ServerWaits& waits = serverWaits();
    const std::lock_guard lock(waits.mutex);
    waits.since.insert(since);
}

ServerWait::~ServerWait()
{
    ServerWaits& waits = serverWaits();
    const std::lock_guard lock(waits.mutex);
    waits.since.erase(waits.since.find(m_since));
}

AudioOutput openAudioOutput(const OutputOpening& opening)
{
    if (GstElement* sink = serverSink(opening))
        return {sink, OutputKind::Server};
    if (opening.cancelled())
        return silentOutput();
    if (AudioOutput device = deviceOutput(opening); device.sink)
        return device;
    return silentOutput();
}

AudioOutput silentOutput()
{
    GstElement* silent = gst_element_factory_make("fakesink", nullptr);
    gst_object_ref_sink(silent);
    g_object_set(silent, "sync", TRUE, nullptr);
    return {silent, OutputKind::Silent};
}

void outputClosed(OutputKind kind)
{
    if (kind != OutputKind::Device)
        return;
    DeviceHolders& holders = deviceHolders();
    {
        const std::lock_guard lock(holders.mutex);
        --holders.count;
        ++holders.releases;
    }
    holders.released.notify_all();
}

} // namespace twinsweep
