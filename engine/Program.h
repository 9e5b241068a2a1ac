#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace plovex {

class TokenList;

// The postfix queue compiled once into a compact instruction array that is run with a local
// stack: the same value as Evaluate, bit for bit, without a linked walk and heap stack per
// sample. A code generator above the engine may attach machine code for the same instructions,
// which Run then calls instead. Compiled once per parse, run for every sample.
class Program {
public:
    static Program Compile(const TokenList& queue);

    // The plain value at (x, y), as Evaluate with derivative mode off.
    float Run(float x, float y) const;

    // As Evaluate(queue, derivative, x, y): the difference quotient when derivative is set.
    double Evaluate(bool derivative, float x, float y) const;

    // Instructions per run: what one evaluation costs grows with it.
    std::size_t Length() const { return m_code.size(); }

    // The instruction set. A binary operator comes in four forms by where its right operand
    // lies: the stack, or an immediate constant, x or y folded into it, so that "x 2 *" or
    // "t x +" run as one instruction. The order is that of the handler table in Execute.
    enum class Op : std::uint8_t {
        Return,
        ReturnNaN,
        PushConst,
        PushX,
        PushY,
        Add,
        Sub,
        Mul,
        Div,
        Pow,
        AddConst,
        SubConst,
        MulConst,
        DivConst,
        PowConst,
        AddX,
        SubX,
        MulX,
        DivX,
        PowX,
        AddY,
        SubY,
        MulY,
        DivY,
        PowY,
        Square,
        Cube,
        Fourth,
        // The first of the function instructions: one per row of kFunctions, in table order.
        Function,
    };

    struct Instruction {
        float operand;
        Op op;
    };

    // The instructions as Run executes them, for a code generator: they end with a Return, or
    // are a lone ReturnNaN.
    std::span<const Instruction> Instructions() const { return m_code; }

    // The most values the stack holds at once, the seed included: the floats Run's stack has.
    std::size_t StackDepth() const { return m_depth; }

    // Machine code computing exactly what the instructions compute, bit for bit. `variables`
    // holds x then y; `stack` has room for StackDepth() floats, which the code may use as it likes.
    using NativeEntry = float (*)(const float* variables, float* stack);

    // From now on Run calls `entry` instead of interpreting; `code` keeps it alive, shared by
    // every copy of this program. Attached once, by the generator, before the program is used.
    void AttachNative(std::shared_ptr<const void> code, NativeEntry entry);

    bool IsNative() const { return m_native != nullptr; }

private:
    Program() = default;

    static float Execute(const Instruction* code, float x, float y, float* stack);
    // Run for a stack deeper than Run keeps on the machine's stack.
    float RunOnHeap(float x, float y) const;

    void Emit(Op op, float operand = 0.0f);
    void EmitOperator(char kind);
    void EmitFunction(char code);

    // Ends with a Return; a malformed queue compiles to a lone ReturnNaN.
    std::vector<Instruction> m_code;
    std::size_t m_depth = 1;
    std::shared_ptr<const void> m_nativeCode;
    NativeEntry m_native = nullptr;
};

} // namespace plovex
