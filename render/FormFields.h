#pragma once

#include "render/Statistics.h"

#include <string>

namespace plovex {

// The graph form's fields, which its commands read from and push to the controls. Kept
// free of the window so that the renderer and the command line share them.
struct FormFields {
    std::string m_expression;
    std::string m_postfix;
    bool m_noClear = false;
    std::string m_status;
    float m_xScale = 10.0f;
    float m_yScale = 10.0f;
    float m_quality = 10.0f;
    // How far the view has been moved, in pixels (see GraphView).
    double m_xOffset = 0.0;
    double m_yOffset = 0.0;
    InfoField m_info;
    bool m_implicit = false;
    bool m_derivative = false;
    // The grid and its tick labels on a cleared area: one choice for every graph window.
    bool m_grid = false;
};

} // namespace plovex
