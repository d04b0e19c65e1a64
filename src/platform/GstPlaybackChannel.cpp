#include "GstPlaybackChannel.h"

#include <QFile>

#include <gst/gst.h>

#include <algorithm>

#include "MediaLength.h"

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

/// The session's sound server through PulseAudio; where none answers, a silent sink
/// that keeps the normal pace.
GstElement* makeAudioSink()
{
    if (GstElement* pulse = gst_element_factory_make("pulsesink", nullptr)) {
        gst_object_ref_sink(pulse);
        if (gst_element_set_state(pulse, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE)
            return pulse;
        gst_element_set_state(pulse, GST_STATE_NULL);
        gst_object_unref(pulse);
    }
    GstElement* silent = gst_element_factory_make("fakesink", nullptr);
    gst_object_ref_sink(silent);
    g_object_set(silent, "sync", TRUE, nullptr);
    return silent;
}

/// One file on one `playbin`. Bus messages are read on the caller's thread whenever the
/// channel is asked or told something, so nothing needs a GLib main loop.
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

    GstElement* m_playbin;
    GstBus* m_bus;
    mutable qint64 m_lengthMs = 0;
    mutable PlaybackMode m_mode = PlaybackMode::Stopped;
    // While stopped (by a seek, the stop point, the end or an error) the position is
    // ours: the pipeline's own may already have moved.
    mutable qint64 m_stoppedAt = 0;
    mutable qint64 m_lastPosition = 0;
    std::optional<qint64> m_stopPoint;
};

GstPlaybackChannel::GstPlaybackChannel(GstElement* playbin) : m_playbin(playbin), m_bus(gst_element_get_bus(playbin))
{
    GstElement* sink = makeAudioSink();
    g_object_set(m_playbin, "flags", PlayAudio | SoftVolume, "audio-sink", sink, nullptr);
    gst_object_unref(sink);
}

GstPlaybackChannel::~GstPlaybackChannel()
{
    gst_element_set_state(m_playbin, GST_STATE_NULL);
    gst_object_unref(m_bus);
    gst_object_unref(m_playbin);
}

bool GstPlaybackChannel::load(const QString& path)
{
    gchar* uri = gst_filename_to_uri(QFile::encodeName(path).constData(), nullptr);
    if (!uri)
        return false;
    g_object_set(m_playbin, "uri", uri, nullptr);
    g_free(uri);
    if (gst_element_set_state(m_playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE || !waitForPreroll()) {
        gst_element_set_state(m_playbin, GST_STATE_NULL);
        return false;
    }
    gint64 duration = 0;
    // An MP3 stream may not know its duration before it plays; its headers know it now.
    m_lengthMs = gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) && duration > 0
                     ? toMs(duration)
                     : headerLengthMs(path);
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
        // The file became unreadable while it played: the channel stops where it was.
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
    // Seeking while paused prerolls the new start, so the sound device begins with it.
    gst_element_set_state(m_playbin, GST_STATE_PAUSED);
    return seekPipeline(start, m_stopPoint) && waitForPreroll() &&
           gst_element_set_state(m_playbin, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
}

bool GstPlaybackChannel::seekPipeline(qint64 start, std::optional<qint64> stop) const
{
    const auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    // A stop of "none" clears the stop point of an earlier range.
    const gint64 end = stop ? *stop * gint64(GST_MSECOND) : gint64(GST_CLOCK_TIME_NONE);
    return gst_element_seek(m_playbin, 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, start * gint64(GST_MSECOND),
                            GST_SEEK_TYPE_SET, end);
}

void GstPlaybackChannel::pause()
{
    if (mode() != PlaybackMode::Playing)
        return;
    gst_element_set_state(m_playbin, GST_STATE_PAUSED);
    m_mode = PlaybackMode::Paused;
}

void GstPlaybackChannel::resume()
{
    if (mode() != PlaybackMode::Paused)
        return;
    if (gst_element_set_state(m_playbin, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
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
    gst_element_set_state(m_playbin, GST_STATE_PAUSED);
    m_mode = PlaybackMode::Stopped;
    m_stoppedAt = positionMs;
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
