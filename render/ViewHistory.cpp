#include "render/ViewHistory.h"

namespace plovex {

ViewHistory::ViewHistory(const GraphView& first)
    : m_entries { first }
{ }

namespace {

// Where the view lies: its scales and offsets, bit for bit. The quality is no part of it.
bool SamePlace(const GraphView& a, const GraphView& b)
{
    GraphView same = b;
    same.quality = a.quality;
    return a == same;
}

} // namespace

void ViewHistory::Record(const GraphView& view)
{
    m_lastNotch.reset();
    if (SamePlace(view, Current()))
        return;
    m_entries.resize(m_index + 1);
    m_entries.push_back(view);
    ++m_index;
}

void ViewHistory::RecordWheel(const GraphView& view, std::int64_t milliseconds)
{
    const bool continues = m_lastNotch && milliseconds - *m_lastNotch < kWheelRunMilliseconds
        && m_index + 1 == m_entries.size();
    if (continues)
        m_entries[m_index] = view;
    else
        Record(view);
    m_lastNotch = milliseconds;
}

const GraphView& ViewHistory::Back()
{
    m_lastNotch.reset();
    if (CanGoBack())
        --m_index;
    return Current();
}

const GraphView& ViewHistory::Forward()
{
    m_lastNotch.reset();
    if (CanGoForward())
        ++m_index;
    return Current();
}

} // namespace plovex
