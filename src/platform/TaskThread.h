#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace twinsweep {

/// Runs tasks one after another on a thread of its own, so that a caller can stop waiting
/// for a task that hangs (on a sound server that does not answer, say) while the task goes
/// on in the background. Where the system grants no thread, tasks run on the caller's.
class TaskThread
{
public:
    TaskThread();
    /// Returns at once: the tasks still queued run to their end in the background.
    ~TaskThread();
    TaskThread(const TaskThread&) = delete;
    TaskThread& operator=(const TaskThread&) = delete;

    /// Runs `task` after those queued before it and waits at most `patience` for it to end.
    /// False when it has not ended by then; it still runs later.
    bool runWithin(std::function<void()> task, std::chrono::milliseconds patience);

private:
    struct Queue;
    std::shared_ptr<Queue> m_queue; // shared with the thread, which may outlive this object
};

} // namespace twinsweep
