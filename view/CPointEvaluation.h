#pragma once

namespace plovex {

class CPlovexView;

// Evaluate, Eval dy/dx and Integrate of a form: each asks for its numbers in the input dialog,
// parses what the expression box shows into the selected function, and shows one number.
class CPointEvaluation {
public:
    explicit CPointEvaluation(CPlovexView& view)
        : m_view(view)
    { }

    // The function, or with `derivative` its difference quotient, at a typed x.
    void Evaluate(bool derivative) const;
    // The integral between two typed limits, and a note where it stopped short.
    void Integrate() const;

private:
    void ShowResult(double value) const;

    CPlovexView& m_view;
};

} // namespace plovex
