#include "GstAudioSink.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "TaskThread.h"

namespace twinsweep {

namespace {

/// A sink element that plays to a device or a server.
struct SoundOutput
{
    const char* factory;
    void (*prepare)(GstElement* sink);
    std::atomic<bool> probing{false}; // an open of it has not answered yet
};

/// Sinks of one client name share one connection to the server, which is then never
/// asked again whether it answers: each sink gets a connection of its own. Sound mixers
/// show the program's name all the same.
void connectOnItsOwn(GstElement* sink)
{
    static std::atomic<int> connections = 0;
    const std::string clientName = "Twinsweep " + std::to_string(++connections);
    GstStructure* properties = gst_structure_new("properties", "application.name", G_TYPE_STRING, "Twinsweep", nullptr);
    g_object_set(sink, "client-name", clientName.c_str(), "stream-properties", properties, nullptr);
    gst_structure_free(properties);
}

void asItIs(GstElement*) {}

SoundOutput soundServer{"pulsesink", connectOnItsOwn};
SoundOutput alsaDefault{"alsasink", asItIs}; // its device is "default" unless set

void release(GstElement* sink)
{
    gst_element_set_state(sink, GST_STATE_NULL);
    gst_object_unref(sink);
}

/// A new sink of `output`, opened; nullptr when it cannot be made or opened.
GstElement* readySink(const SoundOutput& output)
{
    GstElement* sink = gst_element_factory_make(output.factory, nullptr);
    if (!sink)
        return nullptr;
    gst_object_ref_sink(sink);
    output.prepare(sink);
    if (gst_element_set_state(sink, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE)
        return sink;
    release(sink);
    return nullptr;
}

/// What an open of an output brought, shared with the thread that opens it.
struct OpenOutcome
{
    std::mutex mutex;
    GstElement* sink = nullptr;
    bool abandoned = false; // nobody waits for it any more: a late sink is released
};

/// `output`'s sink, opened on a thread of its own within `patience`; nullptr when it does
/// not open, or does not answer in time, or an earlier open still waits for an answer.
GstElement* openedSink(SoundOutput& output, std::chrono::milliseconds patience)
{
    if (output.probing.exchange(true))
        return nullptr;
    const auto outcome = std::make_shared<OpenOutcome>();
    TaskThread opener;
    opener.runWithin(
        [&output, outcome] {
            GstElement* sink = readySink(output);
            {
                const std::lock_guard lock(outcome->mutex);
                output.probing = false;
                if (!outcome->abandoned)
                    outcome->sink = std::exchange(sink, nullptr);
            }
            if (sink)
                release(sink); // came too late
        },
        patience);
    const std::lock_guard lock(outcome->mutex);
    outcome->abandoned = true;
    return std::exchange(outcome->sink, nullptr);
}

GstElement* silentSink()
{
    GstElement* silent = gst_element_factory_make("fakesink", nullptr);
    gst_object_ref_sink(silent);
    g_object_set(silent, "sync", TRUE, nullptr);
    return silent;
}

} // namespace

GstElement* openAudioSink()
{
    // The outputs share the patience; a device opens in far less than the least left to it.
    constexpr std::chrono::milliseconds leastPatience{250};
    const auto deadline = std::chrono::steady_clock::now() + SoundOutputPatience;
    for (SoundOutput* output : {&soundServer, &alsaDefault}) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (GstElement* sink = openedSink(*output, std::max(left, leastPatience)))
            return sink;
    }
    return silentSink();
}

} // namespace twinsweep
