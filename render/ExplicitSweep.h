#pragma once

#include <optional>

namespace plovex {

// The explicit sweep's offsets: px from -hw, advanced by the step added in double and rounded
// to float. A step that no longer moves px forward (negative, NaN or huge qualities) would
// never reach hw: the sweep ends there. Quality 0's infinite step ends it anyway. The renderer
// and the vector tracer take their samples from it, so both see the same offsets.
class ExplicitSweep {
public:
    ExplicitSweep(int hw, double step)
        : m_px(static_cast<float>(-hw))
        , m_end(static_cast<float>(hw))
        , m_step(step)
        , m_more(m_px < m_end)
    { }

    bool More() const { return m_more; }

    float Next()
    {
        const float px = m_px;
        const float next = static_cast<float>(static_cast<double>(px) + m_step);
        m_more = next > px && next < m_end;
        m_last = px;
        m_px = next;
        return px;
    }

    // Once the sweep is over: the last offset sampled when the step stopped moving it short of
    // the edge. A sweep that ran its course ends at or past the edge (quality 0's too).
    std::optional<float> StalledAt() const
    {
        if (m_px >= m_end)
            return std::nullopt;
        return m_last;
    }

private:
    float m_last = 0.0f;
    float m_px;
    float m_end;
    double m_step;
    bool m_more;
};

} // namespace plovex
