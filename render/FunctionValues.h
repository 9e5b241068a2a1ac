#pragma once

#include "engine/Program.h"
#include "render/PointFinder.h"

#include <vector>

namespace plovex {

// An explicit or implicit function's values as every command reads them: its program over the
// graph's evaluation array (see GraphModel::Variables), the parameters at their values, and x
// and y written for each value. Evaluate, Eval dy/dx, Integrate, the readout, the Tools
// commands and the command line's commands all take their numbers from here, so a parameter
// reads as a number holding its value would.
class FunctionValues {
public:
    // `variables` may be empty for a program that reads no parameter.
    FunctionValues(Program program, std::vector<float> variables);

    // The plain value at (x, y), or with `derivative` the difference quotient in x.
    double At(bool derivative, float x, float y = 0.0f) const;
    // At along x, as the point finder and the table take a function.
    ValueAt Along(bool derivative) const;

private:
    Program m_program;
    // Written by each evaluation: one thread only.
    mutable std::vector<float> m_variables;
};

} // namespace plovex
