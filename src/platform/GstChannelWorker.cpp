#include "GstChannelWorker.h"

#include <QFile>

#include <algorithm>
#include <functional>
#include <utility>

#include "GstAudioSink.h"
#include "GstChannelMailbox.h"
#include "MediaLength.h"
#include "TaskThread.h"
#include "WaveLayout.h"

namespace twinsweep {

namespace {

constexpr qint64 MsPerFrame = (1000 + ChannelFramesPerSecond - 1) / ChannelFramesPerSecond;
// How often the pipeline is looked at while nothing is asked: while playing, its position
// is read; otherwise only its messages (an error) are waited for.
constexpr std::chrono::milliseconds PlayingPollInterval{20};
constexpr std::chrono::milliseconds IdlePollInterval{250};
// How often a wait on the pipeline looks whether the channel closed.
constexpr std::chrono::milliseconds WaitSlice{50};
// playbin's flags (GstPlayFlags, not in an installed header): audio only. The level is set
// on a volume element of the pipeline's own, so no level waits on the sound server.
constexpr guint PlayAudio = 0x2;

qint64 toMs(gint64 nanoseconds)
{
    return qint64(nanoseconds / gint64(GST_MSECOND));
}

/// How a change of the pipeline went: done, failed, or left unanswered by the sound output.
enum class Outcome { Done, Failed, Unanswered };

/// Plays one file for one channel; see `playChannel`. Its pipeline's state changes and seeks
/// run on a thread of the pipeline's own, so that an output that does not answer can be
/// left to it: the pipeline is given up then and the file goes on in a silent one.
class ChannelWorker
{
public:
    ChannelWorker(std::shared_ptr<ChannelMailbox> mailbox, QString path)
        : m_mailbox(std::move(mailbox)), m_path(std::move(path)), m_waveDataToFileEnd(waveDataEndsInStub(m_path))
    {}

    void run();

private:
    bool open();
    bool build(AudioOutput output);
    /// `outputSink` behind a volume element of its own, in a bin: there, right before the
    /// output, a new level is heard at once, not after the second that playbin queues.
    GstElement* levelledSink(GstElement* outputSink);
    Outcome prerollAtStart();
    /// Gives the pipeline up, closing it in the background; a server that left it unanswered
    /// counts as unanswered since `unansweredSince` until it is closed.
    void abandonPipeline(std::optional<SoundClock::time_point> unansweredSince);
    /// The output stopped answering: the file goes on from where it stands in a silent sink.
    /// False when it cannot.
    bool giveUpOutput(SoundClock::time_point unansweredSince);
    /// Brings a fresh pipeline to where the channel stands.
    void restore();

    void serve();
    std::optional<ChannelCommand> nextCommand();
    void carryOut(const ChannelCommand& command);
    void play(qint64 start, std::optional<qint64> stop);
    void pause();
    void resume();
    void stopAt(qint64 positionMs);
    /// Settles a change towards the mode the channel now stands in: a failed one stops the
    /// channel where it stands, an unanswered one leaves the output.
    void settle(Outcome outcome);

    Outcome startPipeline(qint64 start);
    Outcome prerollAt(qint64 start);
    /// The prerolled start anew, when the level changed since the load prerolled it. A stream
    /// that cannot seek keeps what it prerolled.
    Outcome prerollAtNewLevel();
    Outcome awaitPreroll();
    Outcome setState(GstState state);
    /// Runs `change` on the pipeline's thread, waiting at most ServerPatience for it.
    Outcome call(std::function<bool(GstElement*)> change);

    void followBus();
    void handle(GstMessage* message);
    /// Reads the position while playing; a position that stands still for ServerPatience
    /// means the output stopped answering.
    void followPosition();
    void report();
    /// Another channel holds the device: the caller need not wait for the load.
    void reportWaitingForTheDevice();
    bool closing();

    static void setUpElement(GstElement* playbin, GstElement* element, gpointer waveDataToFileEnd);

    std::shared_ptr<ChannelMailbox> m_mailbox;
    QString m_path;
    bool m_waveDataToFileEnd;

    GstElement* m_playbin = nullptr; // none once a silent pipeline failed too
    GstBus* m_bus = nullptr;
    OutputKind m_output = OutputKind::Silent;
    std::unique_ptr<TaskThread> m_pipelineThread;

    // Where the channel stands: the mode it is in or on its way to, and its position there.
    PlaybackMode m_mode = PlaybackMode::Stopped;
    qint64 m_positionMs = 0;
    std::optional<qint64> m_stopPoint;
    qint64 m_lengthMs = 0;
    bool m_prerolledAtStart = false;
    double m_prerolledVolume = 1.0; // the level at which the load's preroll began
    std::uint64_t m_lastCommand = 0;
    SoundClock::time_point m_lastAdvance; // when the position last moved while playing
};

void ChannelWorker::run()
{
    const bool opened = open();
    {
        const std::lock_guard lock(m_mailbox->mutex);
        m_mailbox->load = opened ? LoadState::Loaded : LoadState::Failed;
        m_mailbox->lengthMs = m_lengthMs;
    }
    m_mailbox->changed.notify_all();
    if (opened)
        serve();
    abandonPipeline(std::nullopt);
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->setVolumeElement(nullptr);
}

bool ChannelWorker::open()
{
    const OutputOpening opening{[this] { return closing(); }, [this] { reportWaitingForTheDevice(); }};
    if (!build(openAudioOutput(opening)) || closing())
        return false;
    const SoundClock::time_point prerollBegan = SoundClock::now();
    const Outcome prerolled = prerollAtStart();
    if (prerolled == Outcome::Failed || (prerolled == Outcome::Unanswered && !giveUpOutput(prerollBegan)))
        return false;
    gint64 duration = 0;
    // An MP3 stream may not know its duration before it plays; its headers know it now.
    m_lengthMs = gst_element_query_duration(m_playbin, GST_FORMAT_TIME, &duration) && duration > 0
                     ? toMs(duration)
                     : headerLengthMs(m_path);
    return true;
}

bool ChannelWorker::build(AudioOutput output)
{
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    GstElement* sink = levelledSink(output.sink);
    gchar* uri = gst_filename_to_uri(QFile::encodeName(m_path).constData(), nullptr);
    const bool made = playbin && sink && uri;
    if (made) {
        gst_object_ref_sink(playbin);
        g_object_set(playbin, "uri", uri, "flags", PlayAudio, "audio-sink", sink, nullptr);
        g_signal_connect(playbin, "element-setup", G_CALLBACK(setUpElement), GINT_TO_POINTER(m_waveDataToFileEnd));
        m_playbin = playbin;
        m_bus = gst_element_get_bus(playbin);
        m_output = output.kind;
        m_pipelineThread = std::make_unique<TaskThread>();
    } else {
        // GStreamer's base plug-ins are missing, or the path makes no address.
        gst_element_set_state(output.sink, GST_STATE_NULL);
        outputClosed(output.kind);
        if (playbin)
            gst_object_unref(gst_object_ref_sink(playbin));
    }
    g_free(uri);
    if (sink)
        gst_object_unref(sink);
    gst_object_unref(output.sink);
    return made;
}

GstElement* ChannelWorker::levelledSink(GstElement* outputSink)
{
    GstElement* volume = gst_element_factory_make("volume", nullptr);
    if (!volume)
        return nullptr;
    GstElement* bin = gst_bin_new(nullptr);
    gst_object_ref_sink(bin);
    // Added last, the volume element is the one playbin finds for the stream's level.
    gst_bin_add_many(GST_BIN(bin), outputSink, volume, nullptr); // the bin takes references of its own
    gst_element_link(volume, outputSink);
    GstPad* input = gst_element_get_static_pad(volume, "sink");
    gst_element_add_pad(bin, gst_ghost_pad_new("sink", input));
    gst_object_unref(input);
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->setVolumeElement(volume);
    return bin;
}

void ChannelWorker::setUpElement(GstElement*, GstElement* element, gpointer waveDataToFileEnd)
{
    GstElementFactory* factory = gst_element_get_factory(element);
    if (!factory || g_strcmp0(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), "wavparse") != 0)
        return;
    // The data runs to the end of the file, whatever stub follows it.
    if (GPOINTER_TO_INT(waveDataToFileEnd))
        g_object_set(element, "ignore-length", TRUE, nullptr);
}

Outcome ChannelWorker::prerollAtStart()
{
    {
        // Taken before the preroll: a level set while it runs finds some of it passed at this one.
        const std::lock_guard lock(m_mailbox->mutex);
        m_prerolledVolume = m_mailbox->volume;
    }
    Outcome outcome = setState(GST_STATE_PAUSED);
    if (outcome == Outcome::Done)
        outcome = awaitPreroll();
    m_prerolledAtStart = outcome == Outcome::Done;
    return outcome;
}

void ChannelWorker::abandonPipeline(std::optional<SoundClock::time_point> unansweredSince)
{
    if (!m_playbin)
        return;
    {
        const std::lock_guard lock(m_mailbox->mutex);
        m_mailbox->setVolumeElement(nullptr);
    }
    const auto serverWait =
        unansweredSince && m_output == OutputKind::Server ? std::make_shared<ServerWait>(*unansweredSince) : nullptr;
    // After whatever change still waits on the output.
    m_pipelineThread->runWithin(
        [playbin = std::exchange(m_playbin, nullptr), bus = std::exchange(m_bus, nullptr), output = m_output,
         serverWait] {
            gst_element_set_state(playbin, GST_STATE_NULL);
            gst_object_unref(bus);
            gst_object_unref(playbin);
            outputClosed(output);
        },
        std::chrono::milliseconds(0));
    m_pipelineThread.reset();
}

bool ChannelWorker::giveUpOutput(SoundClock::time_point unansweredSince)
{
    const bool wasSilent = m_output == OutputKind::Silent;
    abandonPipeline(unansweredSince);
    if (wasSilent || !build(silentOutput()) || prerollAtStart() != Outcome::Done) {
        abandonPipeline(std::nullopt);
        m_mode = PlaybackMode::Stopped;
        return false;
    }
    restore();
    return true;
}

void ChannelWorker::restore()
{
    if (m_mode == PlaybackMode::Playing)
        settle(startPipeline(m_positionMs));
    else if (m_mode == PlaybackMode::Paused)
        settle(prerollAt(m_positionMs));
}

void ChannelWorker::serve()
{
    for (;;) {
        const std::optional<ChannelCommand> command = nextCommand();
        if (closing())
            return;
        if (command) {
            carryOut(*command);
            m_lastCommand = command->number;
        }
        followBus();
        followPosition();
        report();
    }
}

std::optional<ChannelCommand> ChannelWorker::nextCommand()
{
    std::unique_lock lock(m_mailbox->mutex);
    m_mailbox->changed.wait_for(lock, m_mode == PlaybackMode::Playing ? PlayingPollInterval : IdlePollInterval,
                                [this] { return m_mailbox->closing || !m_mailbox->commands.empty(); });
    if (m_mailbox->commands.empty())
        return std::nullopt;
    ChannelCommand command = m_mailbox->commands.front();
    m_mailbox->commands.pop_front();
    return command;
}

void ChannelWorker::carryOut(const ChannelCommand& command)
{
    switch (command.kind) {
    case ChannelCommand::Play: play(command.positionMs, command.stopMs); break;
    case ChannelCommand::Pause: pause(); break;
    case ChannelCommand::Resume: resume(); break;
    case ChannelCommand::Seek: stopAt(command.positionMs); break; // the next play moves the pipeline there
    }
}

void ChannelWorker::play(qint64 start, std::optional<qint64> stop)
{
    // A media whose length nobody could tell plays to its own end.
    if (m_lengthMs > 0 && start >= m_lengthMs)
        return stopAt(m_lengthMs);
    // A stop point in the last frame is the end (a length in whole frames falls short of
    // it), and the end is left to the media, which may run a little longer than its
    // headers said.
    m_stopPoint = stop && *stop < m_lengthMs - MsPerFrame ? stop : std::nullopt;
    m_mode = PlaybackMode::Playing;
    m_positionMs = start;
    settle(startPipeline(start));
}

void ChannelWorker::pause()
{
    if (m_mode != PlaybackMode::Playing)
        return;
    followPosition();
    m_mode = PlaybackMode::Paused;
    settle(setState(GST_STATE_PAUSED));
}

void ChannelWorker::resume()
{
    if (m_mode != PlaybackMode::Paused)
        return;
    m_mode = PlaybackMode::Playing;
    settle(setState(GST_STATE_PLAYING));
}

void ChannelWorker::stopAt(qint64 positionMs)
{
    m_mode = PlaybackMode::Stopped;
    m_positionMs = positionMs;
    if (setState(GST_STATE_PAUSED) == Outcome::Unanswered)
        giveUpOutput(SoundClock::now() - ServerPatience);
}

void ChannelWorker::settle(Outcome outcome)
{
    if (outcome == Outcome::Failed)
        stopAt(m_positionMs);
    else if (outcome == Outcome::Unanswered)
        giveUpOutput(SoundClock::now() - ServerPatience);
    m_lastAdvance = SoundClock::now();
}

Outcome ChannelWorker::startPipeline(qint64 start)
{
    // The load prerolled the start: a first play from there plays the stream as it stands,
    // even one that cannot seek (it may yield nothing and end at once). Elsewhere, seeking
    // while paused prerolls the new start, so the sound device begins with it.
    const bool prerolled = std::exchange(m_prerolledAtStart, false) && start == 0 && !m_stopPoint;
    const Outcome outcome = prerolled ? prerollAtNewLevel() : prerollAt(start);
    if (outcome == Outcome::Unanswered || (!prerolled && outcome == Outcome::Failed))
        return outcome;
    return setState(GST_STATE_PLAYING);
}

Outcome ChannelWorker::prerollAtNewLevel()
{
    // What the load prerolled has passed the volume element at the level of then; a level
    // set since (a crossfade's new file starts at 0) must not let it sound.
    bool levelChanged = false;
    {
        const std::lock_guard lock(m_mailbox->mutex);
        levelChanged = m_mailbox->volume != m_prerolledVolume;
    }
    return levelChanged ? prerollAt(0) : Outcome::Done;
}

Outcome ChannelWorker::prerollAt(qint64 start)
{
    if (const Outcome outcome = setState(GST_STATE_PAUSED); outcome != Outcome::Done)
        return outcome;
    const auto flags = GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    // A stop of "none" clears the stop point of an earlier range.
    const gint64 end = m_stopPoint ? *m_stopPoint * gint64(GST_MSECOND) : gint64(GST_CLOCK_TIME_NONE);
    const Outcome sought = call([flags, start, end](GstElement* playbin) {
        return gst_element_seek(playbin, 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, start * gint64(GST_MSECOND),
                                GST_SEEK_TYPE_SET, end);
    });
    return sought == Outcome::Done ? awaitPreroll() : sought;
}

Outcome ChannelWorker::awaitPreroll()
{
    if (!m_playbin)
        return Outcome::Failed;
    const auto awaited = GstMessageType(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR);
    const SoundClock::time_point deadline = SoundClock::now() + ServerPatience;
    while (!closing()) {
        if (GstMessage* message = gst_bus_timed_pop_filtered(m_bus, WaitSlice.count() * GST_MSECOND, awaited)) {
            const bool prerolled = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ASYNC_DONE;
            gst_message_unref(message);
            return prerolled ? Outcome::Done : Outcome::Failed;
        }
        if (SoundClock::now() >= deadline)
            return Outcome::Unanswered; // a slow disk looks the same; a silent sink then fails
    }
    return Outcome::Failed;
}

Outcome ChannelWorker::setState(GstState state)
{
    return call(
        [state](GstElement* playbin) { return gst_element_set_state(playbin, state) != GST_STATE_CHANGE_FAILURE; });
}

Outcome ChannelWorker::call(std::function<bool(GstElement*)> change)
{
    if (!m_playbin)
        return Outcome::Failed;
    const auto succeeded = std::make_shared<bool>(false);
    const bool ended = m_pipelineThread->runWithin(
        [playbin = m_playbin, change = std::move(change), succeeded] { *succeeded = change(playbin); }, ServerPatience);
    if (!ended)
        return Outcome::Unanswered;
    return *succeeded ? Outcome::Done : Outcome::Failed;
}

void ChannelWorker::followBus()
{
    while (m_bus) {
        GstMessage* message = gst_bus_pop(m_bus);
        if (!message)
            return;
        handle(message);
        gst_message_unref(message);
    }
}

void ChannelWorker::handle(GstMessage* message)
{
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
        if (m_mode == PlaybackMode::Playing)
            stopAt(m_stopPoint.value_or(m_lengthMs));
        break;
    case GST_MESSAGE_ERROR:
        // The file became unreadable or the sound output failed: the channel stops where it was.
        stopAt(m_positionMs);
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

void ChannelWorker::followPosition()
{
    if (m_mode != PlaybackMode::Playing || !m_playbin)
        return;
    gint64 position = 0;
    if (gst_element_query_position(m_playbin, GST_FORMAT_TIME, &position) && position >= 0) {
        const qint64 positionMs = m_stopPoint ? std::min(toMs(position), *m_stopPoint) : toMs(position);
        if (positionMs != m_positionMs) {
            m_positionMs = positionMs;
            m_lastAdvance = SoundClock::now();
        }
    }
    if (m_output != OutputKind::Silent && SoundClock::now() - m_lastAdvance >= ServerPatience)
        giveUpOutput(m_lastAdvance);
}

void ChannelWorker::reportWaitingForTheDevice()
{
    {
        const std::lock_guard lock(m_mailbox->mutex);
        m_mailbox->load = LoadState::WaitingForTheDevice;
    }
    m_mailbox->changed.notify_all();
}

void ChannelWorker::report()
{
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->report = {m_mode, m_positionMs};
    m_mailbox->reportedCommand = m_lastCommand;
    m_mailbox->lengthMs = m_lengthMs;
}

bool ChannelWorker::closing()
{
    const std::lock_guard lock(m_mailbox->mutex);
    return m_mailbox->closing;
}

} // namespace

void playChannel(std::shared_ptr<ChannelMailbox> mailbox, QString path)
{
    ChannelWorker(std::move(mailbox), std::move(path)).run();
}

} // namespace twinsweep
