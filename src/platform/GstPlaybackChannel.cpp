#include "GstPlaybackChannel.h"

#include <QFile>

#include <gst/gst.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <utility>

#include "GstAudioSink.h"
#include "MediaLength.h"
#include "TaskThread.h"
#include "WaveLayout.h"

namespace twinsweep {

namespace {

constexpr GstClockTime PrerollTimeout = 10 * GST_SECOND;
constexpr int FramesPerSecond = 75;
constexpr qint64 MsPerFrame = (1000 + FramesPerSecond - 1) / FramesPerSecond;
// playbin's flags (GstPlayFlags, not in an installed header): audio, with the level set
// by playbin's own volume element, so that the sound server never keeps a faded-out
// level for the program's next stream.
constexpr guint PlayAudio = 0x2;
constexpr guint SoftVolume = 0x10;

qint64 toMs(gint64 nanoseconds)
{
    return qint64(nanoseconds / gint64(GST_MSECOND));
}

/// One file on one `playbin`. Bus messages are read on the caller's thread whenever the
/// channel is asked or told something, so nothing needs a GLib main loop. State changes and
/// seeks run on a thread of the channel's own, as they may wait on the sound server: when
/// one does not end within the patience, the server has stopped answering; the channel is
/// lost then, stays stopped where it was, and leaves the pipeline to that thread.
class GstPlaybackChannel : public PlaybackChannel
{
public:
    /// Takes over the reference to `playbin`.
    explicit GstPlaybackChannel(GstElement* playbin);
    ~GstPlaybackChannel() override;
    GstPlaybackChannel(const GstPlaybackChannel&) = delete;
    GstPlaybackChannel& operator=(const GstPlaybackChannel&) = delete;

    bool load(const QString& path) override;
    qint64 lengthMs() const override;
    qint64 positionMs() const override;
    PlaybackMode mode() const override;
    int framesPerSecond() const override { return FramesPerSecond; }
    void play(std::optional<qint64> fromMs, std::optional<qint64> toMs) override;
    void pause() override;
    void resume() override;
    void seek(qint64 positionMs) override;
    void setVolume(int left, int right) override;

private:
    /// Handles the messages the pipeline posted since the last call.
    void followBus() const;
    void handle(GstMessage* message) const;
    /// Waits until the pipeline has prerolled; false on an error or after the time limit.
    bool waitForPreroll() const;
    /// Prerolls the pipeline at `start` (and the stop point) and starts it.
    bool startPipeline(qint64 start);
    /// Moves the whole pipeline to `start`, ending at `stop` when given.
    bool seekPipeline(qint64 start, std::optional<qint64> stop) const;
    void stopAt(qint64 positionMs) const;
    /// Runs `change` on the pipeline's thread and returns what it returned; false once lost.
    bool onPipeline(std::function<bool(GstElement*)> change) const;
    bool setState(GstState state) const;

    static void setUpElement(GstElement* playbin, GstElement* element, gpointer waveDataToFileEnd);

    GstElement* m_playbin;
    GstBus* m_bus;
    mutable TaskThread m_pipelineThread;
    mutable bool m_lost = false;
    // Shared with the pipeline's set-up of its elements, which may outlive the channel.
    std::shared_ptr<std::atomic<bool>> m_waveDataToFileEnd = std::make_shared<std::atomic<bool>>(false);
    mutable qint64 m_lengthMs = 0;
    mutable PlaybackMode m_mode = PlaybackMode::Stopped;
    // While stopped (by a seek, the stop point, the end or an error) the position is
    // ours: the pipeline's own may already have moved.
    mutable qint64 m_stoppedAt = 0;
    mutable qint64 m_lastPosition = 0;
    std::optional<qint64> m_stopPoint;
    bool m_prerolledAtStart = false;
};

GstPlaybackChannel::GstPlaybackChannel(GstElement* playbin) : m_playbin(playbin), m_bus(gst_element_get_bus(playbin))
{
    GstElement* sink = openAudioSink();
    g_object_set(m_playbin, "flags", PlayAudio | SoftVolume, "audio-sink", sink, nullptr);
    gst_object_unref(sink);
    g_signal_connect_data(
        m_playbin, "element-setup", G_CALLBACK(setUpElement), new std::shared_ptr(m_waveDataToFileEnd),
        [](gpointer flag, GClosure*) { delete static_cast<std::shared_ptr<std::atomic<bool>>*>(flag); },
        GConnectFlags(0));
}

GstPlaybackChannel::~GstPlaybackChannel()
{
    GstElement* playbin = m_playbin;
    GstBus* bus = m_bus;
    const auto patience = m_lost ? std::chrono::milliseconds(0) : SoundOutputPatience;
    m_pipelineThread.runWithin(
        [playbin, bus] {
            gst_element_set_state(playbin, GST_STATE_NULL);
            gst_object_unref(bus);
            gst_object_unref(playbin);
        },
        patience);
}

void GstPlaybackChannel::setUpElement(GstElement*, GstElement* element, gpointer waveDataToFileEnd)
{
    GstElementFactory* factory = gst_element_get_factory(element);
    if (!factory || g_strcmp0(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), "wavparse") != 0)
        return;
    // The data runs to the end of the file, whatever stub follows it.
    if (**static_cast<std::shared_ptr<std::atomic<bool>>*>(waveDataToFileEnd))
        g_object_set(element, "ignore-length", TRUE, nullptr);
}

bool GstPlaybackChannel::load(const QString& path)
{
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), nullptr);
    if (!uri)
        return false;
    g_object_set(m_playbin, "uri", uri, nullptr);
    g_free(uri);
    *m_waveDataToFileEnd = waveDataEndsInStub(path);
    if (!setState(GST_STATE_PAUSED) || !waitForPreroll()) {
        setState(GST_STATE_NULL);
        return false;
    }
    gint64 duration = 0;
    // An MP3 stream may not know its duration before it plays; its headers know it now.
    m_lengthMs = gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) && duration > 0
                     ? toMs(duration)
                     : headerLengthMs(path);
    m_prerolledAtStart = true;
    return true;
}

bool GstPlaybackChannel::waitForPreroll() const
{
    const auto awaited = GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
    GstMessage* message = gst_bus_timed_pop_filtered(m_bus, PrerollTimeout, awaited);
    if (!message)
        return false;
    const bool prerolled = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE;
    gst_message_unref(message);
    return prerolled;
}

void GstPlaybackChannel::followBus() const
{
    if (m_lost)
        return; // the pipeline is its thread's now
    while (GstMessage* message = gst_bus_pop(m_bus)) {
        handle(message);
        gst_message_unref(message);
    }
}

void GstPlaybackChannel::handle(GstMessage* message) const
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
        if (m_mode == PlaybackMode::Playing)
            stopAt(m_stopPoint.value_or(m_lengthMs));
        break;
    case GST_MESSAGE_ERROR:
        // The file became unreadable or the sound output failed: the channel stops where it was.
        stopAt(m_mode == PlaybackMode::Stopped ? m_stoppedAt : m_lastPosition);
        break;
    case GST_MESSAGE_DURATION_CHANGED: {
        gint64 duration = 0;
        if (gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) && duration > 0)
            m_lengthMs = toMs(duration);
        break;
    }
    case GST_MESSAGE_LATENCY: gst_bin_recalculate_latency(GST_BIN(m_playbin)); break;
    default: break;
    }
}

qint64 GstPlaybackChannel::lengthMs() const
{
    followBus();
    return m_lengthMs;
}

qint64 GstPlaybackChannel::positionMs() const
{
    followBus();
    if (m_mode == PlaybackMode::Stopped)
        return m_stoppedAt;
    gint64 position = 0;
    if (gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) && position >= 0)
        m_lastPosition = m_stopPoint ? std::min(toMs(position), *m_stopPoint) : toMs(position);
    return m_lastPosition;
}

PlaybackMode GstPlaybackChannel::mode() const
{
    followBus();
    return m_mode;
}

void GstPlaybackChannel::play(std::optional<qint64> fromMs, std::optional<qint64> toMs)
{
    const qint64 start = fromMs.value_or(positionMs());
    // A media whose length nobody could tell plays to its own end.
    if (m_lengthMs > 0 && start >= m_lengthMs)
        return stopAt(m_lengthMs);
    // A stop point in the last frame is the end (a length in whole frames falls short of
    // it), and the end is left to the media, which may run a little longer than its
    // headers said.
    m_stopPoint = toMs && *toMs < m_lengthMs - MsPerFrame ? toMs : std::nullopt;
    if (!startPipeline(start))
        return stopAt(start);
    m_mode = PlaybackMode::Playing;
    m_lastPosition = start;
}

bool GstPlaybackChannel::startPipeline(qint64 start)
{
    // The load prerolled the start: a first play from there plays the stream as it stands,
    // even one that cannot seek (it may yield nothing and end at once). Elsewhere, seeking
    // while paused prerolls the new start, so the sound device begins with it.
    const bool prerolled = std::exchange(m_prerolledAtStart, false) && start == 0 && !m_stopPoint;
    if (!prerolled && !(setState(GST_STATE_PAUSED) && seekPipeline(start, m_stopPoint) && waitForPreroll()))
        return false;
    return setState(GST_STATE_PLAYING);
}

bool GstPlaybackChannel::seekPipeline(qint64 start, std::optional<qint64> stop) const
{
    const auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    // A stop of "none" clears the stop point of an earlier range.
    const gint64 end = stop ? *stop * gint64(GST_MSECOND) : gint64(GST_CLOCK_TIME_NONE);
    return onPipeline([flags, start, end](GstElement* playbin) {
        return gst_element_seek(playbin, 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, start * gint64(GST_MSECOND),
                                GST_SEEK_TYPE_SET, end);
    });
}

void GstPlaybackChannel::pause()
{
    if (mode() != PlaybackMode::Playing)
        return;
    if (!setState(GST_STATE_PAUSED))
        return stopAt(positionMs());
    m_mode = PlaybackMode::Paused;
}

void GstPlaybackChannel::resume()
{
    if (mode() != PlaybackMode::Paused)
        return;
    if (!setState(GST_STATE_PLAYING))
        return stopAt(positionMs());
    m_mode = PlaybackMode::Playing;
}

void GstPlaybackChannel::seek(qint64 positionMs)
{
    // The next play moves the pipeline there.
    followBus();
    stopAt(positionMs);
}

void GstPlaybackChannel::setVolume(int left, int right)
{
    // One stream has one level: the louder side's.
    g_object_set(m_playbin, "volume", double(std::max(left, right)) / 1000.0, nullptr);
}

void GstPlaybackChannel::stopAt(qint64 positionMs) const
{
    setState(GST_STATE_PAUSED);
    m_mode = PlaybackMode::Stopped;
    m_stoppedAt = positionMs;
}

bool GstPlaybackChannel::setState(GstState state) const
{
    return onPipeline(
        [state](GstElement* playbin) { return gst_element_set_state(playbin, state) != GST_STATE_CHANGE_FAILURE; });
}

bool GstPlaybackChannel::onPipeline(std::function<bool(GstElement*)> change) const
{
    if (m_lost)
        return false;
    const auto succeeded = std::make_shared<bool>(false);
    GstElement* playbin = m_playbin;
    const bool ended = m_pipelineThread.runWithin(
        [playbin, change = std::move(change), succeeded] { *succeeded = change(playbin); }, SoundOutputPatience);
    if (ended)
        return *succeeded;
    m_lost = true;
    if (m_mode != PlaybackMode::Stopped)
        m_stoppedAt = m_lastPosition;
    m_mode = PlaybackMode::Stopped;
    return false;
}

} // namespace

PlaybackChannelFactory gstPlaybackChannels()
{
    static const bool initialised = [] {
        gst_init(nullptr, nullptr);
        return true;
    }();
    Q_UNUSED(initialised);
    return []() -> std::unique_ptr<PlaybackChannel> {
        GstElement* playbin = gst_element_factory_make("playbin", nullptr);
        if (!playbin)
            return nullptr; // GStreamer's base plug-ins are missing: nothing opens
        return std::make_unique<GstPlaybackChannel>(GST_ELEMENT(gst_object_ref_sink(playbin)));
    };
}

} // namespace twinsweep
