#pragma once

#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "WaveInfo.h"
#include "platform/Mp3TagReader.h"

namespace twinsweep {

/// What a scan reads from inside a media file: an MP3 file's stream values and tags (by
/// its name ending in "mp3"), a WAV file's header (ending in "wav"); nothing for others.
struct MediaContents
{
    std::optional<MpegHeaderInfo> header;
    TagInfo tags;
    WaveInfo wave;
};

/// Reads the contents of `path` with `tagReader`.
MediaContents readMediaContents(const QString& path, Mp3TagReader& tagReader);

/// Reads media files on worker threads ahead of a scan's reports. The scan announces
/// files in the order it will take them; each worker reads the next announced file, and
/// the scan takes the contents on its own thread. Destroying it drops what was not taken
/// and waits for the files being read.
class MediaReadAhead
{
public:
    explicit MediaReadAhead(int threads);
    ~MediaReadAhead();
    MediaReadAhead(const MediaReadAhead&) = delete;
    MediaReadAhead& operator=(const MediaReadAhead&) = delete;

    void expect(const QString& path);
    /// The contents of `path` when it is the next announced file still to take: read
    /// ahead, waited for while a worker reads it (calling `whileWaiting` now and then),
    /// or read here when no worker has started it. Files announced before it are dropped.
    /// Empty when `path` was not announced.
    std::optional<MediaContents> take(const QString& path, const std::function<void()>& whileWaiting);

private:
    enum class State { Queued, Reading, Ready };
    struct Entry
    {
        explicit Entry(QString path) : path(std::move(path)) {}
        QString path;
        State state = State::Queued;
        MediaContents contents;
    };
    void work(Mp3TagReader& tagReader);
    void dropFront();

    std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_contentsReady;
    std::deque<std::unique_ptr<Entry>> m_entries; ///< announced and not taken, in order
    size_t m_nextToRead = 0;                      ///< entries before it are being read or ready
    int m_idleWorkers = 0;
    bool m_stopping = false;
    std::vector<std::unique_ptr<Mp3TagReader>> m_tagReaders; ///< one per worker
    std::vector<std::thread> m_workers;
};

} // namespace twinsweep
