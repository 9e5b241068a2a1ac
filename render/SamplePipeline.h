#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace plovex {

// Blocks of samples evaluated on several threads while the caller takes them, finished, in
// the order it filled them. A block lives in one of Slots() ring slots: the caller fills the
// free slot NextSlot() and publishes it; some thread, the caller's own among them, runs
// `evaluate(slot)`; the caller waits for the oldest block, uses it and releases its slot.
// Only the caller fills, publishes, waits and releases; `evaluate` must touch nothing but its
// own slot.
class SamplePipeline {
public:
    // `threads` counts the caller's thread: 1 starts no other. A thread the system refuses
    // to start leaves its share to the others.
    SamplePipeline(unsigned threads, std::size_t slots, std::function<void(std::size_t)> evaluate);
    ~SamplePipeline();

    SamplePipeline(const SamplePipeline&) = delete;
    SamplePipeline& operator=(const SamplePipeline&) = delete;

    std::size_t Slots() const { return m_done.size(); }
    bool Full() const { return m_published - m_released == Slots(); }
    bool Empty() const { return m_published == m_released; }
    std::size_t NextSlot() const { return m_published % Slots(); }

    void Publish();
    // Evaluates waiting blocks on this thread too until the oldest block is done; its slot.
    std::size_t WaitForOldest();
    void ReleaseOldest();

private:
    void Work();
    void EvaluateNext(std::unique_lock<std::mutex>& lock);

    std::function<void(std::size_t)> m_evaluate;
    std::mutex m_mutex;
    std::condition_variable m_waiting;
    std::condition_variable m_finished;
    // Per slot: its block is evaluated. Blocks are counted from the start, not per slot.
    std::vector<char> m_done;
    std::size_t m_published = 0;
    std::size_t m_claimed = 0;
    std::size_t m_released = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};

} // namespace plovex
