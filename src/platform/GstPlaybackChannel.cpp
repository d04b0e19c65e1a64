#include "GstPlaybackChannel.h"

#include <gst/gst.h>

#include <system_error>
#include <thread>

#include "GstAudioSink.h"
#include "GstChannelMailbox.h"
#include "GstChannelWorker.h"
#include "MediaLength.h"

namespace twinsweep {

namespace {

/// The caller's side of a channel. It never waits on the sound output: the file plays on a
/// thread of its own (`playChannel`), which carries out the commands left in the mailbox in
/// turn. Until it has carried out the last of them, the channel stands where that command
/// puts it; after that, where the playing thread reports it.
class GstPlaybackChannel : public PlaybackChannel
{
public:
    GstPlaybackChannel() = default;
    ~GstPlaybackChannel() override;
    GstPlaybackChannel(const GstPlaybackChannel&) = delete;
    GstPlaybackChannel& operator=(const GstPlaybackChannel&) = delete;

    bool load(const QString& path) override;
    qint64 lengthMs() const override;
    qint64 positionMs() const override;
    PlaybackMode mode() const override;
    int framesPerSecond() const override { return ChannelFramesPerSecond; }
    void play(std::optional<qint64> fromMs, std::optional<qint64> toMs) override;
    void pause() override;
    void resume() override;
    void seek(qint64 positionMs) override;
    void setVolume(int left, int right) override;

private:
    ChannelReport current() const;
    qint64 lengthLocked() const;
    /// Leaves a command for the playing thread; the channel stands at `expected` until it is
    /// carried out.
    void send(ChannelCommand command, ChannelReport expected);

    std::shared_ptr<ChannelMailbox> m_mailbox = std::make_shared<ChannelMailbox>();
    std::uint64_t m_sent = 0;
    ChannelReport m_expected;
    qint64 m_headerLengthMs = 0;
};

GstPlaybackChannel::~GstPlaybackChannel()
{
    {
        const std::lock_guard lock(m_mailbox->mutex);
        m_mailbox->closing = true;
    }
    m_mailbox->changed.notify_all();
}

bool GstPlaybackChannel::load(const QString& path)
{
    m_headerLengthMs = headerLengthMs(path);
    try {
        std::thread(playChannel, m_mailbox, path).detach();
    } catch (const std::system_error&) {
        return false; // no thread to play it on
    }
    std::unique_lock lock(m_mailbox->mutex);
    const auto settled = [this] {
        const LoadState load = m_mailbox->load;
        return load == LoadState::Loaded || load == LoadState::Failed ||
               (load == LoadState::WaitingForTheDevice && m_headerLengthMs > 0);
    };
    m_mailbox->changed.wait_for(lock, SoundOutputPatience, settled);
    // A file whose sound output is late is taken on its headers' word: it plays once the
    // output answers.
    return m_mailbox->load == LoadState::Loaded || (m_mailbox->load != LoadState::Failed && m_headerLengthMs > 0);
}

qint64 GstPlaybackChannel::lengthLocked() const
{
    return m_mailbox->lengthMs > 0 ? m_mailbox->lengthMs : m_headerLengthMs;
}

qint64 GstPlaybackChannel::lengthMs() const
{
    const std::lock_guard lock(m_mailbox->mutex);
    return lengthLocked();
}

ChannelReport GstPlaybackChannel::current() const
{
    const std::lock_guard lock(m_mailbox->mutex);
    // A file taken on its headers' word that then would not play has nothing left to play.
    if (m_mailbox->load == LoadState::Failed)
        return {PlaybackMode::Stopped, lengthLocked()};
    return m_mailbox->reportedCommand == m_sent ? m_mailbox->report : m_expected;
}

qint64 GstPlaybackChannel::positionMs() const
{
    return current().positionMs;
}

PlaybackMode GstPlaybackChannel::mode() const
{
    return current().mode;
}

void GstPlaybackChannel::play(std::optional<qint64> fromMs, std::optional<qint64> toMs)
{
    const qint64 start = fromMs.value_or(positionMs());
    const qint64 length = lengthMs();
    const ChannelReport expected = length > 0 && start >= length ? ChannelReport{PlaybackMode::Stopped, length}
                                                                 : ChannelReport{PlaybackMode::Playing, start};
    send({ChannelCommand::Play, 0, start, toMs}, expected);
}

void GstPlaybackChannel::pause()
{
    const ChannelReport now = current();
    if (now.mode == PlaybackMode::Playing)
        send({ChannelCommand::Pause, 0, 0, std::nullopt}, {PlaybackMode::Paused, now.positionMs});
}

void GstPlaybackChannel::resume()
{
    const ChannelReport now = current();
    if (now.mode == PlaybackMode::Paused)
        send({ChannelCommand::Resume, 0, 0, std::nullopt}, {PlaybackMode::Playing, now.positionMs});
}

void GstPlaybackChannel::seek(qint64 positionMs)
{
    send({ChannelCommand::Seek, 0, positionMs, std::nullopt}, {PlaybackMode::Stopped, positionMs});
}

void GstPlaybackChannel::setVolume(int left, int right)
{
    const std::lock_guard lock(m_mailbox->mutex);
    // One stream has one level: the louder side's.
    m_mailbox->volume = double(std::max(left, right)) / 1000.0;
    if (m_mailbox->volumeElement)
        g_object_set(m_mailbox->volumeElement, "volume", m_mailbox->volume, nullptr);
}

void GstPlaybackChannel::send(ChannelCommand command, ChannelReport expected)
{
    {
        const std::lock_guard lock(m_mailbox->mutex);
        command.number = ++m_sent;
        m_mailbox->commands.push_back(command);
        m_expected = expected;
    }
    m_mailbox->changed.notify_all();
}

} // namespace

PlaybackChannelFactory gstPlaybackChannels()
{
    static const bool initialised = [] {
        gst_init(nullptr, nullptr);
        return true;
    }();
    Q_UNUSED(initialised);
    return []() -> std::unique_ptr<PlaybackChannel> { return std::make_unique<GstPlaybackChannel>(); };
}

} // namespace twinsweep
