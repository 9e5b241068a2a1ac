#include "document/FunctionPalette.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace plovex {
namespace {

constexpr const char* kColourNames[] = {
    "blue",
    "vermillion",
    "bluish green",
    "reddish purple",
    "orange",
    "sky blue",
    "black",
};
static_assert(std::size(kColourNames) == kFunctionPalette.size());

} // namespace

Rgb NextFunctionColour(const std::vector<Rgb>& used)
{
    for (const Rgb colour : kFunctionPalette) {
        if (std::find(used.begin(), used.end(), colour) == used.end())
            return colour;
    }
    return kFunctionPalette[used.size() % kFunctionPalette.size()];
}

std::string ColourName(Rgb colour)
{
    const auto found = std::find(kFunctionPalette.begin(), kFunctionPalette.end(), colour);
    if (found == kFunctionPalette.end())
        return ColourHex(colour);
    return kColourNames[found - kFunctionPalette.begin()];
}

std::string ColourHex(Rgb colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

} // namespace plovex
