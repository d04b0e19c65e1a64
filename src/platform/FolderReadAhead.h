#pragma once

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "DirectoryListing.h"

namespace twinsweep {

/// Reads folder listings on worker threads ahead of a walk, so that the system calls of
/// many folders overlap. The walk still takes each listing on its own thread in its own
/// order; only the moment a folder is read moves earlier, by a bounded number of folders.
class FolderReadAhead
{
public:
    /// Listings are made with the listing filter `pattern`.
    explicit FolderReadAhead(const QString& pattern);
    /// Drops listings not taken and waits for the workers to end.
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    /// Announces folders that the walk will take soon, the first soonest. Later
    /// announcements are read before earlier ones, as a depth-first walk needs them.
    void expect(const QStringList& folders);
    /// Whether a worker has read the listing of `folder`, so that `take` returns at once.
    bool isReady(const QString& folder);
    /// The listing of `folder`: the one read ahead, waiting for it while a worker reads it,
    /// or read here and now when no worker has started on it.
    std::unique_ptr<DirectoryListing> take(const QString& folder);

private:
    enum class State { Queued, Reading, Ready };
    struct Slot
    {
        State state = State::Queued;
        std::unique_ptr<DirectoryListing> listing;
    };
    void work();
    bool mayStartReading() const;

    const QString m_pattern;
    std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_listingReady;
    std::unordered_map<QString, Slot> m_slots;
    std::vector<QString> m_stack; ///< queued folders, the next to read last
    int m_busy = 0;               ///< slots being read or ready and not yet taken
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

} // namespace twinsweep
