#include "TaskThread.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

namespace twinsweep {

struct TaskThread::Queue
{
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::function<void()>> tasks;
    std::uint64_t queued = 0;
    std::uint64_t ended = 0;
    bool closing = false;
    bool hasThread = false;

    /// The thread's loop: runs the tasks in order until the owner has gone and none is left.
    void serve()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return closing || !tasks.empty(); });
            if (tasks.empty())
                return;
            std::function<void()> task = std::move(tasks.front());
            tasks.pop_front();
            lock.unlock();
            task();
            task = nullptr; // what it holds is released outside the lock too
            lock.lock();
            ++ended;
            changed.notify_all();
        }
    }
};

TaskThread::TaskThread() : m_queue(std::make_shared<Queue>())
{
    try {
        std::thread([queue = m_queue] { queue->serve(); }).detach();
        m_queue->hasThread = true;
    } catch (const std::system_error&) {
        // No thread to be had: tasks run on the caller's, which then waits as long as they take.
    }
}

TaskThread::~TaskThread()
{
    const std::lock_guard lock(m_queue->mutex);
    m_queue->closing = true;
    m_queue->changed.notify_all();
}

bool TaskThread::runWithin(std::function<void()> task, std::chrono::milliseconds patience)
{
    if (!m_queue->hasThread) {
        task();
        return true;
    }
    std::unique_lock lock(m_queue->mutex);
    m_queue->tasks.push_back(std::move(task));
    const std::uint64_t ticket = ++m_queue->queued;
    m_queue->changed.notify_all();
    return m_queue->changed.wait_for(lock, patience, [this, ticket] { return m_queue->ended >= ticket; });
}

} // namespace twinsweep
