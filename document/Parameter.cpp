#include "document/Parameter.h"

#include "engine/ExpressionNames.h"
#include "engine/Numbers.h"

#include <algorithm>
#include <cmath>

namespace plovex {

RangeRefusal CheckRange(float minimum, float maximum, float step)
{
    if (!std::isfinite(minimum) || !std::isfinite(maximum) || !std::isfinite(step))
        return RangeRefusal::NotFinite;
    if (!(minimum < maximum))
        return RangeRefusal::MinimumNotBelowMaximum;
    if (!(step > 0.0f))
        return RangeRefusal::StepNotPositive;
    const double steps = std::ceil((static_cast<double>(maximum) - minimum) / step);
    if (steps > static_cast<double>(kMaxSliderSteps))
        return RangeRefusal::TooManySteps;
    return RangeRefusal::None;
}

ParameterCheck CheckParameter(
    const Parameter& parameter, const std::vector<Parameter>& parameters, std::size_t replacing)
{
    ParameterCheck check;
    check.name = CheckParameterName(parameter.name);
    check.range = CheckRange(parameter.minimum, parameter.maximum, parameter.step);
    bool taken = false;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        taken = taken || (i != replacing && parameters[i].name == parameter.name);
    if (check.name != ParameterNameRefusal::None)
        check.refusal = ParameterRefusal::Name;
    else if (taken)
        check.refusal = ParameterRefusal::NameTaken;
    else if (!std::isfinite(parameter.value))
        check.refusal = ParameterRefusal::ValueNotFinite;
    else if (check.range != RangeRefusal::None)
        check.refusal = ParameterRefusal::Range;
    return check;
}

namespace {

std::string NameRefusalText(const std::string& name, ParameterNameRefusal refusal)
{
    const std::string cannot = "'" + name + "' cannot name a parameter: ";
    switch (refusal) {
    case ParameterNameRefusal::None:
        break;
    case ParameterNameRefusal::Empty:
        return "A parameter needs a name.";
    case ParameterNameRefusal::NotLowerCaseStart:
        return cannot + "a name starts with a lower-case letter.";
    case ParameterNameRefusal::InvalidCharacter:
        return cannot + "a name holds only lower-case letters and digits.";
    case ParameterNameRefusal::Variable:
        return cannot + "x, y and t are variables.";
    case ParameterNameRefusal::Constant:
        return cannot + "it is the number pi.";
    case ParameterNameRefusal::FunctionName:
        return cannot + "it is a built-in function.";
    case ParameterNameRefusal::HoldsXOrY:
        return cannot + "x and y in a name are always the variables ('ax' reads as a*x).";
    }
    return {};
}

std::string RangeRefusalText(RangeRefusal refusal)
{
    switch (refusal) {
    case RangeRefusal::None:
        break;
    case RangeRefusal::NotFinite:
        return "The minimum, the maximum and the step must be finite numbers.";
    case RangeRefusal::MinimumNotBelowMaximum:
        return "The minimum must be less than the maximum.";
    case RangeRefusal::StepNotPositive:
        return "The step must be more than 0.";
    case RangeRefusal::TooManySteps:
        return "A slider has at most " + std::to_string(kMaxSliderSteps)
            + " steps: choose a larger step or a smaller range.";
    }
    return {};
}

} // namespace

std::string ParameterRefusalText(const Parameter& parameter, const ParameterCheck& check)
{
    switch (check.refusal) {
    case ParameterRefusal::None:
        break;
    case ParameterRefusal::Name:
        return NameRefusalText(parameter.name, check.name);
    case ParameterRefusal::NameTaken:
        return "There is already a parameter '" + parameter.name + "'.";
    case ParameterRefusal::ValueNotFinite:
        return "The value of a parameter must be a finite number.";
    case ParameterRefusal::Range:
        return RangeRefusalText(check.range);
    }
    return {};
}

std::int64_t SliderSteps(const Parameter& parameter)
{
    if (CheckRange(parameter.minimum, parameter.maximum, parameter.step) != RangeRefusal::None)
        return 0;
    return static_cast<std::int64_t>(
        std::ceil((static_cast<double>(parameter.maximum) - parameter.minimum) / parameter.step));
}

float SliderValue(const Parameter& parameter, std::int64_t position)
{
    const float value = ToFloat(static_cast<double>(parameter.minimum)
        + static_cast<double>(position) * static_cast<double>(parameter.step));
    return value > parameter.maximum ? parameter.maximum : value;
}

std::int64_t SliderPosition(const Parameter& parameter)
{
    const std::int64_t steps = SliderSteps(parameter);
    // The last position stands for the maximum, however near the one before it lies.
    if (parameter.value >= parameter.maximum)
        return steps;
    const double position = std::floor(
        (static_cast<double>(parameter.value) - parameter.minimum) / parameter.step + 0.5);
    // Below the minimum (or a NaN quotient) the slider rests at its start.
    if (!(position > 0.0))
        return 0;
    return position >= static_cast<double>(steps) ? steps : static_cast<std::int64_t>(position);
}

std::vector<std::string> ParameterNames(const std::vector<Parameter>& parameters)
{
    std::vector<std::string> names;
    for (const Parameter& parameter : parameters)
        names.push_back(parameter.name);
    return names;
}

std::vector<float> ParameterVariables(const std::vector<Parameter>& parameters)
{
    std::vector<float> variables(kFirstParameterSlot, 0.0f);
    for (const Parameter& parameter : parameters)
        variables.push_back(parameter.value);
    return variables;
}

std::string FreeParameterName(const std::vector<Parameter>& parameters)
{
    for (int round = 0;; ++round) {
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            std::string name(1, letter);
            if (round > 0)
                name += std::to_string(round);
            const bool taken = std::any_of(parameters.begin(), parameters.end(),
                [&name](const Parameter& parameter) { return parameter.name == name; });
            if (!taken && CheckParameterName(name) == ParameterNameRefusal::None)
                return name;
        }
    }
}

} // namespace plovex
