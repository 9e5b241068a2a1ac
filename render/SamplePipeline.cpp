#include "render/SamplePipeline.h"

#include <system_error>
#include <utility>

namespace plovex {

SamplePipeline::SamplePipeline(
    unsigned threads, std::size_t slots, std::function<void(std::size_t)> evaluate)
    : m_evaluate(std::move(evaluate))
    , m_done(slots < 1 ? 1 : slots, 0)
{
    for (unsigned i = 1; i < threads; ++i) {
        try {
            m_workers.emplace_back([this] { Work(); });
        } catch (const std::system_error&) {
            break;
        }
    }
}

SamplePipeline::~SamplePipeline()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_waiting.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

void SamplePipeline::Publish()
{
    {
        const std::lock_guard lock(m_mutex);
        ++m_published;
    }
    m_waiting.notify_one();
}

std::size_t SamplePipeline::WaitForOldest()
{
    std::unique_lock lock(m_mutex);
    const std::size_t slot = m_released % Slots();
    while (!m_done[slot]) {
        if (m_claimed < m_published)
            EvaluateNext(lock);
        else
            m_finished.wait(lock);
    }
    return slot;
}

void SamplePipeline::ReleaseOldest()
{
    const std::lock_guard lock(m_mutex);
    m_done[m_released % Slots()] = 0;
    ++m_released;
}

void SamplePipeline::Work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_waiting.wait(lock, [this] { return m_stopping || m_claimed < m_published; });
        if (m_stopping)
            return;
        EvaluateNext(lock);
    }
}

// Blocks are taken in the order they were published, so the oldest is always taken first.
void SamplePipeline::EvaluateNext(std::unique_lock<std::mutex>& lock)
{
    const std::size_t slot = m_claimed++ % Slots();
    lock.unlock();
    m_evaluate(slot);
    lock.lock();
    m_done[slot] = 1;
    m_finished.notify_one();
}

} // namespace plovex
