#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace twinsweep {

/// Computes the members of source rows on worker threads, at most a bounded stretch
/// ahead of the row that the calling thread takes next, so that the caller can commit
/// groups in source order. Rows the caller marks as skipped are not computed unless a
/// worker has already started them. Destroying the pool stops and joins the workers.
class ApproxWorkers
{
public:
    using Compute = std::function<std::vector<qint32>(qsizetype source)>;

    /// `threads` 0 means one per processor.
    ApproxWorkers(qsizetype sources, Compute compute, int threads);
    ~ApproxWorkers();
    ApproxWorkers(const ApproxWorkers&) = delete;
    ApproxWorkers& operator=(const ApproxWorkers&) = delete;

    void skip(qsizetype source) { m_slots[size_t(source)].skipped.store(true); }
    /// Waits at most `timeout` for the members of `source`; true when they are ready.
    bool waitReady(qsizetype source, std::chrono::milliseconds timeout);
    /// The members of a ready `source`.
    std::vector<qint32> take(qsizetype source) { return std::move(m_slots[size_t(source)].members); }
    /// Lets the workers run ahead of `source`, which the caller has handled.
    void pass(qsizetype source);

private:
    struct Slot
    {
        std::atomic<bool> skipped{false};
        std::atomic<bool> ready{false};
        std::vector<qint32> members; // written before `ready`, read after it
    };
    void work();
    bool waitForRoom(qsizetype source);
    void publish(qsizetype source, std::vector<qint32> members);

    const qsizetype m_count;
    const Compute m_compute;
    qsizetype m_window = 0;
    std::unique_ptr<Slot[]> m_slots;
    std::atomic<qsizetype> m_next{0};
    std::atomic<qsizetype> m_passed{0}; // rows before this one are handled by the caller
    std::atomic<bool> m_stopping{false};

    // Sleeping is rare: each side notifies only when the other announced a wait.
    std::mutex m_mutex;
    std::condition_variable m_readyChanged;
    std::condition_variable m_roomChanged;
    std::atomic<bool> m_callerWaiting{false};
    std::atomic<int> m_workersWaiting{0};

    std::vector<std::thread> m_threads;
};

} // namespace twinsweep
