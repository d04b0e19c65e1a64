#include "ApproxWorkers.h"

#include <algorithm>

namespace twinsweep {

namespace {
// How many rows each worker may run ahead of the caller: enough to keep every worker
// busy past a slow row, few enough to bound the memory of uncommitted groups.
constexpr qsizetype RowsAheadPerThread = 64;
// Rows a worker claims at a time, to keep the shared counter cool.
constexpr qsizetype RowsPerClaim = 8;
} // namespace

ApproxWorkers::ApproxWorkers(qsizetype sources, Compute compute, int threads)
    : m_count(sources), m_compute(std::move(compute)), m_slots(new Slot[size_t(sources)])
{
    if (threads <= 0)
        threads = int(std::max(1u, std::thread::hardware_concurrency()));
    threads = int(std::clamp<qsizetype>(threads, 1, std::max<qsizetype>(1, sources)));
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
        const qsizetype first = m_next.fetch_add(RowsPerClaim);
        for (qsizetype source = first; source < std::min(first + RowsPerClaim, m_count); ++source) {
            if (!waitForRoom(source))
                return;
            Slot& slot = m_slots[size_t(source)];
            publish(source, slot.skipped ? std::vector<qint32>() : m_compute(source));
        }
        if (first >= m_count)
            return;
    }
}

bool ApproxWorkers::waitForRoom(qsizetype source)
{
    const auto hasRoom = [&] { return m_stopping || source < m_passed + m_window; };
    if (!hasRoom()) {
        std::unique_lock lock(m_mutex);
        ++m_workersWaiting;
        m_roomChanged.wait(lock, hasRoom);
        --m_workersWaiting;
    }
    return !m_stopping;
}

void ApproxWorkers::publish(qsizetype source, std::vector<qint32> members)
{
    Slot& slot = m_slots[size_t(source)];
    // A row found placed meanwhile will never be taken: keep no memory for it.
    if (!slot.skipped)
        slot.members = std::move(members);
    slot.ready = true;
    if (m_callerWaiting) {
        std::lock_guard lock(m_mutex);
        m_readyChanged.notify_all();
    }
}

bool ApproxWorkers::waitReady(qsizetype source, std::chrono::milliseconds timeout)
{
    const std::atomic<bool>& ready = m_slots[size_t(source)].ready;
    if (ready)
        return true;
    std::unique_lock lock(m_mutex);
    m_callerWaiting = true;
    const bool done = m_readyChanged.wait_for(lock, timeout, [&] { return ready.load(); });
    m_callerWaiting = false;
    return done;
}

void ApproxWorkers::pass(qsizetype source)
{
    m_passed = source + 1;
    if (m_workersWaiting > 0) {
        std::lock_guard lock(m_mutex);
        m_roomChanged.notify_all();
    }
}

} // namespace twinsweep
