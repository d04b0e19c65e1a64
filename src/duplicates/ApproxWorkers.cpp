#include "ApproxWorkers.h"

#include <algorithm>

namespace twinsweep {

namespace {
// How many rows each worker may run ahead of the caller: enough to keep every worker
// busy past a slow row, few enough to bound the memory of uncommitted groups.
constexpr qsizetype RowsAheadPerThread = 32;
} // namespace

ApproxWorkers::ApproxWorkers(qsizetype sources, Compute compute, int threads)
    : m_count(sources),
      m_compute(std::move(compute)),
      m_skipped(new std::atomic<bool>[size_t(sources)]),
      m_results(size_t(sources)),
      m_ready(size_t(sources), 0)
{
    for (qsizetype row = 0; row < sources; ++row)
        m_skipped[size_t(row)].store(false, std::memory_order_relaxed);
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    threads = int(std::min<qsizetype>(threads, std::max<qsizetype>(1, sources)));
    m_window = RowsAheadPerThread * threads;
    for (int thread = 0; thread < threads; ++thread)
        m_threads.emplace_back([this] { work(); });
}

ApproxWorkers::~ApproxWorkers()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_roomChanged.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

void ApproxWorkers::work()
{
    for (;;) {
        const qsizetype source = m_next.fetch_add(1);
        if (source >= m_count)
            return;
        {
            std::unique_lock lock(m_mutex);
            m_roomChanged.wait(lock, [&] { return m_stopping || source < m_taken + m_window; });
            if (m_stopping)
                return;
        }
        std::vector<qint32> members;
        if (!m_skipped[size_t(source)].load(std::memory_order_relaxed))
            members = m_compute(source);
        {
            std::lock_guard lock(m_mutex);
            if (source >= m_taken)
                m_results[size_t(source)] = std::move(members);
            m_ready[size_t(source)] = 1;
        }
        m_readyChanged.notify_all();
    }
}

bool ApproxWorkers::waitReady(qsizetype source, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_readyChanged.wait_for(lock, timeout, [&] { return m_ready[size_t(source)] != 0; });
}

std::vector<qint32> ApproxWorkers::take(qsizetype source)
{
    std::vector<qint32> members;
    {
        std::lock_guard lock(m_mutex);
        members = std::move(m_results[size_t(source)]);
    }
    pass(source);
    return members;
}

void ApproxWorkers::pass(qsizetype source)
{
    {
        std::lock_guard lock(m_mutex);
        m_results[size_t(source)] = {};
        m_taken = std::max(m_taken, source + 1);
    }
    m_roomChanged.notify_all();
}

} // namespace twinsweep
