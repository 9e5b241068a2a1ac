#include "render/Integration.h"

#include "engine/Numbers.h"
#include "engine/Program.h"
#include "render/FunctionValues.h"

namespace plovex {
namespace {

template <typename Value> Integral Sum(const Value& valueAt, float lower, float upper)
{
    float sum = 0.0f;
    if (!(lower < upper))
        return { sum, std::nullopt };
    float x = lower;
    for (;;) {
        const double r = valueAt(x);
        sum = ToFloat(r * kStepH + sum);
        const double t = static_cast<double>(x) + kStepH;
        const float next = ToFloat(t);
        // From |x| = 2^18 on, or at an infinite limit, x + h rounds back to x: stop there
        // rather than sample the same point for ever.
        if (!(t < upper))
            return { sum, std::nullopt };
        if (!(next > x))
            return { sum, x };
        x = next;
    }
}

} // namespace

Integral Integrate(const Program& program, float lower, float upper)
{
    return Sum([&program](float x) { return program.Evaluate(false, x, 0.0f); }, lower, upper);
}

Integral Integrate(const FunctionValues& function, float lower, float upper)
{
    return Sum([&function](float x) { return function.At(false, x); }, lower, upper);
}

std::string IntegralStopText(float stoppedAt, float upper, std::string (*format)(double))
{
    return "The integral stopped at x = " + format(stoppedAt) + ", short of the upper limit "
        + format(upper) + ": from there on adding the step 0.01 no longer changes x. "
        + "The result is the integral up to that point.";
}

} // namespace plovex
