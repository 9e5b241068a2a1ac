#pragma once

#include "document/GraphView.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace plovex {

// The views a form has shown, for Back and Forward: one entry per completed change (a drag,
// a run of wheel notches, a menu command, a scale button, scales typed and plotted). A change
// made after going back drops the entries ahead of it.
class ViewHistory {
public:
    // Wheel notches closer together than this are one change.
    static constexpr std::int64_t kWheelRunMilliseconds = 500;

    explicit ViewHistory(const GraphView& first = {});

    const GraphView& Current() const { return m_entries[m_index]; }
    std::size_t Size() const { return m_entries.size(); }
    std::size_t Index() const { return m_index; }
    bool CanGoBack() const { return m_index > 0; }
    bool CanGoForward() const { return m_index + 1 < m_entries.size(); }

    // A new entry, unless `view` lies where the current one does (the quality aside).
    void Record(const GraphView& view);
    // A wheel notch at `milliseconds` (any steady clock): it joins the entry of the notch before
    // when nothing else came between and the pause was shorter than a run's.
    void RecordWheel(const GraphView& view, std::int64_t milliseconds);
    // The entry before or after the current one becomes current; its view.
    const GraphView& Back();
    const GraphView& Forward();

private:
    std::vector<GraphView> m_entries;
    std::size_t m_index = 0;
    // When the current entry's last wheel notch came, while it is a wheel run.
    std::optional<std::int64_t> m_lastNotch;
};

} // namespace plovex
