#include "document/UndoHistory.h"

#include <utility>

namespace plovex {

UndoHistory::UndoHistory(GraphState state, std::size_t maxSteps, std::size_t maxBytes)
    : m_current(std::make_shared<const GraphState>(std::move(state)))
    , m_maxSteps(maxSteps)
    , m_maxBytes(maxBytes)
{ }

void UndoHistory::Reset(GraphState state)
{
    m_current = std::make_shared<const GraphState>(std::move(state));
    m_steps.clear();
    m_index = 0;
    m_bytes = 0;
    m_open = false;
}

void UndoHistory::Record(UndoStep step, GraphState state, std::uint64_t mergeKey)
{
    if (state == *m_current)
        return;
    auto after = std::make_shared<const GraphState>(std::move(state));
    while (m_steps.size() > m_index) {
        m_bytes -= m_steps.back().Bytes();
        m_steps.pop_back();
    }
    Step* newest = m_steps.empty() ? nullptr : &m_steps.back();
    if (m_open && mergeKey != 0 && newest && newest->step == step && newest->mergeKey == mergeKey) {
        m_bytes -= newest->Bytes();
        newest->after = after;
        m_bytes += newest->Bytes();
    } else {
        m_steps.push_back({ step, mergeKey, m_current, after });
        m_bytes += m_steps.back().Bytes();
        ++m_index;
    }
    m_current = std::move(after);
    m_open = mergeKey != 0;
    Trim();
}

void UndoHistory::MoveScales(float xScale, float yScale)
{
    GraphState moved = *m_current;
    moved.xScale = xScale;
    moved.yScale = yScale;
    m_current = std::make_shared<const GraphState>(std::move(moved));
}

UndoHistory::Restoration UndoHistory::MoveTo(const GraphState& target, const GraphState& other)
{
    m_open = false;
    Restoration restoration { target, !target.SameScales(other) };
    if (!restoration.scales) {
        restoration.state.xScale = m_current->xScale;
        restoration.state.yScale = m_current->yScale;
        restoration.state.quality = m_current->quality;
    }
    m_current = std::make_shared<const GraphState>(restoration.state);
    return restoration;
}

std::optional<UndoHistory::Restoration> UndoHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    const Step& step = m_steps[--m_index];
    return MoveTo(*step.before, *step.after);
}

std::optional<UndoHistory::Restoration> UndoHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    const Step& step = m_steps[m_index++];
    return MoveTo(*step.after, *step.before);
}

void UndoHistory::Trim()
{
    while (m_steps.size() > 1 && (m_steps.size() > m_maxSteps || m_bytes > m_maxBytes)) {
        m_bytes -= m_steps.front().Bytes();
        m_steps.pop_front();
        --m_index;
    }
}

} // namespace plovex
