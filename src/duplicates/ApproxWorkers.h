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

    void skip(qsizetype source) { m_skipped[size_t(source)].store(true, std::memory_order_relaxed); }
    /// Waits at most `timeout` for the members of `source`; true when they are ready.
    bool waitReady(qsizetype source, std::chrono::milliseconds timeout);
    /// The members of a ready `source`; lets the workers move on past it.
    std::vector<qint32> take(qsizetype source);
    /// Lets the workers move on past `source` without taking it.
    void pass(qsizetype source);

private:
    void work();

    const qsizetype m_count;
    const Compute m_compute;
    qsizetype m_window = 0;
    std::unique_ptr<std::atomic<bool>[]> m_skipped;
    std::atomic<qsizetype> m_next{0};

    std::mutex m_mutex;
    std::condition_variable m_readyChanged;
    std::condition_variable m_roomChanged;
    std::vector<std::vector<qint32>> m_results;
    std::vector<char> m_ready;
    qsizetype m_taken = 0; // rows before this one are committed or passed
    bool m_stopping = false;

    std::vector<std::thread> m_threads;
};

} // namespace twinsweep
