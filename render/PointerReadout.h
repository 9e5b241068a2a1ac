#pragma once

#include <string>

namespace plovex {

// "x = 1.25, y = -0.375": the graph point under the pointer, each coordinate with as many
// decimals as its scale makes a pixel worth (one more than the digits of the scale: 3 at
// 80 pixels per unit), trailing zeros dropped. `dx` and `dy` are the pixel offsets from the
// origin, right and up.
std::string PointerReadoutText(double dx, double dy, float xScale, float yScale);

} // namespace plovex
