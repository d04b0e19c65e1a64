#include "MediaReadAhead.h"

#include "Module1.h"

namespace twinsweep {

using namespace std::chrono_literals;

namespace {
constexpr size_t WakeEvery = 4;
} // namespace

MediaContents readMediaContents(const QString& path, Mp3TagReader& tagReader)
{
    MediaContents contents;
    if (path.endsWith(QLatin1StringView("mp3"), Qt::CaseInsensitive)) {
        tagReader.Open(path);
        contents.header = tagReader.Header();
        contents.tags = tagReader.Tags();
    } else if (path.endsWith(QLatin1StringView("wav"), Qt::CaseInsensitive)) {
        Module1::ReadWaveInfo(path, contents.wave);
    }
    return contents;
}

MediaReadAhead::MediaReadAhead(int threads)
{
    // The readers are made here: making one sets state that all of them share.
    for (int thread = 0; thread < std::max(1, threads); ++thread)
        m_tagReaders.push_back(std::make_unique<Mp3TagReader>());
    for (const std::unique_ptr<Mp3TagReader>& tagReader : m_tagReaders)
        m_workers.emplace_back([this, reader = tagReader.get()] { work(*reader); });
}

MediaReadAhead::~MediaReadAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_workAvailable.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void MediaReadAhead::expect(const QString& path)
{
    const std::lock_guard lock(m_mutex);
    m_entries.push_back(std::make_unique<Entry>(path));
    // Waking a worker costs a system call: one is woken for the first file waiting and
    // then for every few more (`take` wakes them all when it has to wait).
    if (m_idleWorkers > 0 && (m_entries.size() - m_nextToRead) % WakeEvery == 1)
        m_workAvailable.notify_one();
}

void MediaReadAhead::work(Mp3TagReader& tagReader)
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        ++m_idleWorkers;
        m_workAvailable.wait(lock, [this] { return m_stopping || m_nextToRead < m_entries.size(); });
        --m_idleWorkers;
        if (m_stopping)
            return;
        // The entry stays in place while it is read: the taker waits for it.
        Entry& entry = *m_entries[m_nextToRead++];
        entry.state = State::Reading;
        lock.unlock();
        MediaContents contents = readMediaContents(entry.path, tagReader);
        lock.lock();
        entry.contents = std::move(contents);
        entry.state = State::Ready;
        m_contentsReady.notify_all();
    }
}

/// Drops the first entry, which no worker is reading.
void MediaReadAhead::dropFront()
{
    m_entries.pop_front();
    if (m_nextToRead > 0)
        --m_nextToRead;
}

std::optional<MediaContents> MediaReadAhead::take(const QString& path, const std::function<void()>& whileWaiting)
{
    std::unique_lock lock(m_mutex);
    const auto frontReady = [this] { return m_entries.front()->state == State::Ready; };
    for (;;) {
        if (m_entries.empty())
            return std::nullopt;
        const Entry& front = *m_entries.front();
        if (front.path != path && front.state != State::Reading) {
            dropFront();
            continue;
        }
        if (front.state == State::Ready)
            break;
        // Being read, or about to be: the workers take entries in order.
        if (front.state == State::Queued)
            m_workAvailable.notify_all();
        if (m_contentsReady.wait_for(lock, 10ms, frontReady))
            continue;
        lock.unlock();
        whileWaiting();
        lock.lock();
    }
    MediaContents contents = std::move(m_entries.front()->contents);
    dropFront();
    return contents;
}

} // namespace twinsweep
