#pragma once

#include <optional>
#include <string>

namespace plovex {

class FunctionValues;
class Program;

struct Integral {
    float sum;
    // The last x summed, when x stopped increasing before the upper limit (from |x| = 2^18 on
    // x + h rounds back to x): the sum is then that of a shorter range.
    std::optional<float> stoppedAt;
};

// Left Riemann sum of the plain function with step h from `lower` while x + h < `upper`,
// x advanced in float; 0 when lower is not below upper. Ends as soon as x stops increasing.
Integral Integrate(const Program& program, float lower, float upper);
// The same for a function over the graph's parameters.
Integral Integrate(const FunctionValues& function, float lower, float upper);

// What the user is told when an integral stopped short, numbers written by `format`.
std::string IntegralStopText(float stoppedAt, float upper, std::string (*format)(double));

} // namespace plovex
