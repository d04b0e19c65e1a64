#include "FolderReadAhead.h"

#include <algorithm>

namespace twinsweep {

namespace {
// Four workers hid the cost of the system calls in measurements; more gained nothing.
constexpr unsigned MaxWorkers = 4;
// How far the workers may run ahead of the walk, in folders.
constexpr int MaxAhead = 64;
} // namespace

FolderReadAhead::FolderReadAhead(const QString& pattern) : m_pattern(pattern) {}

FolderReadAhead::~FolderReadAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_workAvailable.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void FolderReadAhead::expect(const QStringList& folders)
{
    if (folders.isEmpty())
        return;
    {
        const std::lock_guard lock(m_mutex);
        for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder) {
            m_slots.try_emplace(*folder);
            m_stack.push_back(*folder);
        }
    }
    // Workers start with the first walk that has subfolders, so a one-folder search
    // starts none.
    if (m_workers.empty()) {
        const unsigned count = std::clamp(std::thread::hardware_concurrency(), 1u, MaxWorkers);
        for (unsigned index = 0; index < count; ++index)
            m_workers.emplace_back([this] { work(); });
    }
    m_workAvailable.notify_all();
}

bool FolderReadAhead::isReady(const QString& folder)
{
    const std::lock_guard lock(m_mutex);
    const auto slot = m_slots.find(folder);
    return slot != m_slots.end() && slot->second.state == State::Ready;
}

std::unique_ptr<DirectoryListing> FolderReadAhead::take(const QString& folder)
{
    std::unique_lock lock(m_mutex);
    const auto slot = m_slots.find(folder);
    if (slot == m_slots.end()) {
        lock.unlock();
        return std::make_unique<DirectoryListing>(folder, m_pattern);
    }
    m_listingReady.wait(lock, [&] { return slot->second.state != State::Reading; });
    std::unique_ptr<DirectoryListing> listing = std::move(slot->second.listing);
    const bool wasReady = slot->second.state == State::Ready;
    m_slots.erase(slot); // a queued entry left on the stack is skipped by the workers
    if (!wasReady) {
        lock.unlock();
        return std::make_unique<DirectoryListing>(folder, m_pattern);
    }
    --m_busy;
    lock.unlock();
    m_workAvailable.notify_one();
    return listing;
}

bool FolderReadAhead::mayStartReading() const
{
    return m_stopping || (!m_stack.empty() && m_busy < MaxAhead);
}

void FolderReadAhead::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_workAvailable.wait(lock, [this] { return mayStartReading(); });
        if (m_stopping)
            return;
        const QString folder = m_stack.back();
        m_stack.pop_back();
        const auto found = m_slots.find(folder);
        if (found == m_slots.end() || found->second.state != State::Queued)
            continue;
        // The walk may add slots meanwhile, which moves iterators but not the slots.
        Slot& slot = found->second;
        slot.state = State::Reading;
        ++m_busy;
        lock.unlock();
        auto listing = std::make_unique<DirectoryListing>(folder, m_pattern);
        lock.lock();
        slot.listing = std::move(listing);
        slot.state = State::Ready;
        m_listingReady.notify_all();
    }
}

} // namespace twinsweep
