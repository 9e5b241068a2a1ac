#pragma once

#include <cstdint>
#include <vector>

namespace plovex {

class TokenList;

// The postfix queue compiled once into a compact instruction array that is run with a local
// stack: the same value as Evaluate, bit for bit, without a linked walk and heap stack per
// sample. Renderers compile once per rendering and run it for every sample.
class Program {
public:
    static Program Compile(const TokenList& queue);

    // The plain value at (x, y), as Evaluate with derivative mode off.
    float Run(float x, float y) const;

    // As Evaluate(queue, derivative, x, y): the difference quotient when derivative is set.
    double Evaluate(bool derivative, float x, float y) const;

    // Instructions per run: what one evaluation costs grows with it.
    std::size_t Length() const { return m_code.size(); }

    enum class Op : std::uint8_t;

private:
    Program() = default;

    struct Instruction {
        float operand;
        Op op;
    };

    static float Execute(const Instruction* code, float x, float y, float* stack);

    void Emit(Op op, float operand = 0.0f);
    void EmitOperator(char kind);
    void EmitFunction(char code);

    // Ends with a Return; a malformed queue compiles to a lone ReturnNaN.
    std::vector<Instruction> m_code;
    std::size_t m_depth = 1;
};

} // namespace plovex
