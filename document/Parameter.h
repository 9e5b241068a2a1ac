#pragma once

#include "engine/ParameterName.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace plovex {

// A named number that every expression of a graph can use, as a number holding its value would
// be used, and the slider that sets it: positions 0 to SliderSteps, position k standing for
// minimum + k·step. The value need not lie on a position, nor within the range: a typed value is
// kept as typed.
struct Parameter {
    std::string name;
    float value = 1.0f;
    float minimum = -5.0f;
    float maximum = 5.0f;
    float step = 0.1f;

    // Bit for bit: -0 and 0 are different values for an expression (1/a).
    friend bool operator==(const Parameter& a, const Parameter& b)
    {
        const auto same = [](float u, float v) {
            return std::bit_cast<std::uint32_t>(u) == std::bit_cast<std::uint32_t>(v);
        };
        return a.name == b.name && same(a.value, b.value) && same(a.minimum, b.minimum)
            && same(a.maximum, b.maximum) && same(a.step, b.step);
    }
};

// A slider counts its positions in an int.
inline constexpr std::int64_t kMaxSliderSteps = 2147483647;

// Why a range and step cannot be a slider's.
enum class RangeRefusal : std::uint8_t {
    None,
    NotFinite, // a minimum, maximum or step that is infinite or not a number
    MinimumNotBelowMaximum,
    StepNotPositive,
    TooManySteps, // more than kMaxSliderSteps steps from the minimum to the maximum
};

RangeRefusal CheckRange(float minimum, float maximum, float step);

// Why a parameter cannot be one of a graph's: its name, its value or its range.
enum class ParameterRefusal : std::uint8_t {
    None,
    Name, // see `name` of the check
    NameTaken, // another parameter of the graph has the name
    ValueNotFinite,
    Range, // see `range` of the check
};

struct [[nodiscard]] ParameterCheck {
    ParameterRefusal refusal = ParameterRefusal::None;
    ParameterNameRefusal name = ParameterNameRefusal::None;
    RangeRefusal range = RangeRefusal::None;

    bool Ok() const { return refusal == ParameterRefusal::None; }
};

// Whether `parameter` can stand among `parameters` in place of parameters[replacing] (past
// the end: added to them).
ParameterCheck CheckParameter(
    const Parameter& parameter, const std::vector<Parameter>& parameters, std::size_t replacing);

// Why `parameter` was refused, in an English sentence that names it: "'sin' cannot name a
// parameter: it is a built-in function."
std::string ParameterRefusalText(const Parameter& parameter, const ParameterCheck& check);

// The slider's last position: the steps from the minimum to the maximum, ceil((max - min) /
// step) in double; the last position stands for the maximum. 0 for a range CheckRange refuses.
std::int64_t SliderSteps(const Parameter& parameter);

// The value at slider position k: minimum + k·step in double, rounded once to float, and the
// maximum where that lies beyond it.
float SliderValue(const Parameter& parameter, std::int64_t position);

// The position nearest to the parameter's value, within 0 and SliderSteps: where the slider
// shows a value typed between positions, or beyond the range.
std::int64_t SliderPosition(const Parameter& parameter);

// The names in slot order.
std::vector<std::string> ParameterNames(const std::vector<Parameter>& parameters);

// The evaluation array of expressions parsed with `parameters`: x, y and t (0, for each
// evaluation to set), then each parameter's value in its slot.
std::vector<float> ParameterVariables(const std::vector<Parameter>& parameters);

// The first name of "a", "b", "c", ... "z", "a1", "b1", ... that CheckParameterName accepts and
// no parameter has: what a new parameter is called.
std::string FreeParameterName(const std::vector<Parameter>& parameters);

} // namespace plovex
