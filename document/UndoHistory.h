#pragma once

#include "document/GraphState.h"
#include "document/UndoStep.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>

namespace plovex {

// The undo list of one graph: each step holds the state before and after it. Bounded in steps
// and in the memory their states hold; the oldest steps go first, and the newest is kept
// whatever its size.
class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;
    static constexpr std::size_t kMaxBytes = 64 * 1024 * 1024;

    explicit UndoHistory(
        GraphState state = {}, std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes);

    // Starts afresh from `state` with nothing to undo or redo, as a document just opened.
    void Reset(GraphState state);
    // The state the list stands at, which the next step starts from.
    const GraphState& Current() const { return *m_current; }

    // The change from Current() to `state` becomes the newest step, and the steps that could be
    // redone go; no step when nothing changed. A step with a `mergeKey` (not 0) takes the place
    // of the newest step while that is still open and has the same kind and key: the moves of
    // one drag are one step.
    void Record(UndoStep step, GraphState state, std::uint64_t mergeKey = 0);
    // The newest step takes in no more moves: a drag or a run of Play ended.
    void CloseMerge() { m_open = false; }
    // The view moved, which is not a step: the next step starts from these scales, and an undo
    // keeps them unless its own step changed them.
    void MoveScales(float xScale, float yScale);

    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return m_index < m_steps.size(); }
    // The step an undo or a redo would take back or do again; only when there is one.
    UndoStep NextUndo() const { return m_steps[m_index - 1].step; }
    UndoStep NextRedo() const { return m_steps[m_index].step; }

    // What an undo or a redo puts back: the state, whose scales count only where the step
    // changed them.
    struct Restoration {
        GraphState state;
        bool scales = false;
    };
    std::optional<Restoration> Undo();
    std::optional<Restoration> Redo();

    std::size_t Steps() const { return m_steps.size(); }
    std::size_t Bytes() const { return m_bytes; }

private:
    struct Step {
        UndoStep step;
        std::uint64_t mergeKey;
        std::shared_ptr<const GraphState> before;
        std::shared_ptr<const GraphState> after;

        std::size_t Bytes() const { return before->Bytes() + after->Bytes(); }
    };

    Restoration MoveTo(const GraphState& target, const GraphState& other);
    void Trim();

    std::shared_ptr<const GraphState> m_current;
    std::deque<Step> m_steps;
    // Steps before it are done, the others undone.
    std::size_t m_index = 0;
    std::size_t m_bytes = 0;
    bool m_open = false;
    std::size_t m_maxSteps;
    std::size_t m_maxBytes;
};

} // namespace plovex
