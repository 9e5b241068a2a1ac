#include "render/Statistics.h"

#include "engine/Numbers.h"

namespace plovex {

std::array<std::string, 3> StatisticsLines(
    const Statistics& statistics, std::string (*format)(double))
{
    return { "Maximum: " + format(statistics.maximum), "Minimum: " + format(statistics.minimum),
        "Mean: " + format(statistics.mean) };
}

std::string StatisticsText(const Statistics& statistics, std::string (*format)(double))
{
    const std::array<std::string, 3> lines = StatisticsLines(statistics, format);
    return lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2];
}

std::string InfoText(const InfoField& info)
{
    switch (info.state) {
    case InfoField::State::Empty:
        break;
    case InfoField::State::Statistics:
        return StatisticsText(info.statistics, FormatFixed);
    case InfoField::State::Stopped:
        return "Rendering stopped:\r\nno statistics.";
    }
    return {};
}

} // namespace plovex
