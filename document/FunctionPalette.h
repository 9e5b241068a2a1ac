#pragma once

#include "document/Rgb.h"

#include <array>
#include <string>
#include <vector>

namespace plovex {

// The colours functions take in turn: the first function's blue, then the Okabe-Ito colours,
// which colour-blind readers tell apart, without their yellow, which the graph's light
// background would swallow.
inline constexpr std::array<Rgb, 7> kFunctionPalette { {
    { 0, 0, 255 }, // blue
    { 213, 94, 0 }, // vermillion
    { 0, 158, 115 }, // bluish green
    { 204, 121, 167 }, // reddish purple
    { 230, 159, 0 }, // orange
    { 86, 180, 233 }, // sky blue
    { 0, 0, 0 }, // black
} };

// The colour for a function added to a graph whose functions have `used`: the first palette
// colour none of them has, or once every one is taken, the palette round again by count.
Rgb NextFunctionColour(const std::vector<Rgb>& used);

// "blue", "vermillion", ... for a palette colour, "#rrggbb" for any other.
std::string ColourName(Rgb colour);

// "#rrggbb", lower case.
std::string ColourHex(Rgb colour);

} // namespace plovex
