#pragma once

namespace plovex {

class Program;

// Left Riemann sum of the plain function with step h from `lower` while x + h < `upper`,
// x advanced in float; 0 when lower is not below upper. Ends as soon as x stops increasing.
float Integrate(const Program& program, float lower, float upper);

} // namespace plovex
