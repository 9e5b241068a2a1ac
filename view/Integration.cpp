#include "view/Integration.h"

#include "engine/Numbers.h"
#include "engine/Program.h"

namespace plovex {

float Integrate(const Program& program, float lower, float upper)
{
    float sum = 0.0f;
    if (!(lower < upper))
        return sum;
    float x = lower;
    for (;;) {
        const double r = program.Evaluate(false, x, 0.0f);
        sum = ToFloat(r * kStepH + sum);
        const double t = static_cast<double>(x) + kStepH;
        const float next = ToFloat(t);
        // From |x| = 2^18 on, or at an infinite limit, x + h rounds back to x: stop there
        // rather than sample the same point for ever.
        if (!(next > x) || !(t < upper))
            return sum;
        x = next;
    }
}

} // namespace plovex
