#pragma once

#include <array>
#include <string>

namespace plovex {

// The three numbers of the information box, in double from the running values:
// maximum / yScale, minimum / yScale, and the mean: (sum / samples) / yScale for an explicit
// graph or a parametric or polar curve, ((sum / quality) / yScale) / W for an implicit one or an
// explicit one without samples.
struct Statistics {
    double maximum;
    double minimum;
    double mean;
};

// What the information box holds: nothing before the first rendering, the statistics of the
// last one, or that it was stopped, when its running values cover only part of the samples.
struct InfoField {
    enum class State { Empty, Statistics, Stopped };

    State state = State::Empty;
    Statistics statistics {};

    static InfoField Of(const Statistics& statistics) { return { State::Statistics, statistics }; }
    static InfoField StoppedRendering() { return { State::Stopped, {} }; }
};

// "Maximum: %f", "Minimum: %f" and "Mean: %f", each number written by `format`.
std::array<std::string, 3> StatisticsLines(
    const Statistics& statistics, std::string (*format)(double));
// The three lines joined by "\r\n", as the box holds them.
std::string StatisticsText(const Statistics& statistics, std::string (*format)(double));

// The box's text in English, with FormatFixed's numbers: empty, the statistics, or
// "Rendering stopped:\r\nno statistics.".
std::string InfoText(const InfoField& info);

} // namespace plovex
