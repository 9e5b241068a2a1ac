#pragma once

#include <cstddef>
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
//
// A run reads its variables from an array of floats by slot (x at kSlotX, y at kSlotY, t and
// the parameters as ExpressionNames numbers them). It keeps the top of the value stack apart,
// in `top`, which starts as the seed 0; beneath it lies a stack of fewer than StackDepth()
// values. Every result is computed in double from float operands and rounded once to float,
// exactly as engine/Operators.h and the function table write it:
//   Return               the run's value is top
//   ReturnNaN            the run's value is NaN (the only instruction of a malformed queue)
//   PushConst            push top; top = constant
//   PushSlot             push top; top = variables[slot]
//   Add Sub Mul Div Pow  b = top, a = pop; top = a op b        (Add .. Pow: + - * / ^)
//   AddConst .. PowConst top = top op constant
//   AddSlot .. PowSlot   top = top op variables[slot]
//   Square Cube Fourth   top = top^2, top^3, top^4 as products in double: t*t, (t*t)*t,
//                        (t*t)*(t*t), each rounded once (equal to Pow's value for every float)
//   Function + row       top = kFunctions[row].apply(top), one per row of the function table
// where "op" is Operators.h's Add, Subtract (-(b - a), so equal operands give -0), Multiply,
// Divide and Power, each ToFloat(double(a) op double(b)). The three forms of an operator lie
// kOperatorForms apart, in the order Add, Sub, Mul, Div, Pow. The last instruction is Return
// or ReturnNaN; every stack instruction finds the values it pops (Compile counts them).
class Program {
public:
    enum class Op : std::uint8_t {
        Return,
        ReturnNaN,
        PushConst,
        PushSlot,
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
        AddSlot,
        SubSlot,
        MulSlot,
        DivSlot,
        PowSlot,
        Square,
        Cube,
        Fourth,
        // The first of the function instructions: Function + row for each row of kFunctions.
        Function,
    };
    static constexpr int kOperatorForms
        = static_cast<int>(Op::AddConst) - static_cast<int>(Op::Add);

    struct Instruction {
        float constant; // PushConst and the ...Const forms
        Op op;
        std::uint16_t slot; // PushSlot and the ...Slot forms
    };

    static Program Compile(const TokenList& queue);

    // The plain value over `variables`, which holds at least SlotCount() floats.
    float Run(const float* variables) const;
    // The plain value at x and y; any other slot the program reads is NaN.
    float Run(float x, float y) const;

    // As Evaluate(queue, derivative, variables): the difference quotient in x (slot 0) when
    // derivative is set, the other slots unchanged.
    double Evaluate(bool derivative, const float* variables) const;
    double Evaluate(bool derivative, float x, float y) const;

    // The instructions, ending with Return or ReturnNaN.
    std::span<const Instruction> Instructions() const { return m_code; }
    // Instructions per run: what one evaluation costs grows with it.
    std::size_t Length() const { return m_code.size(); }
    // A bound on the values a run holds at once, top and the seed included, counted over the
    // queue's tokens before folding.
    std::size_t StackDepth() const { return m_depth; }
    // One past the highest slot the program reads; 0 when it reads none.
    std::size_t SlotCount() const { return m_slotCount; }

    // Machine code computing exactly what the instructions compute, bit for bit, over the same
    // variables; `stack` has room for StackDepth() floats, which the code may use as it likes.
    using NativeEntry = float (*)(const float* variables, float* stack);

    // From now on Run calls `entry` instead of interpreting; `code` keeps it alive, shared by
    // every copy of this program. Attached once, by the generator, before the program is used.
    void AttachNative(std::shared_ptr<const void> code, NativeEntry entry);

    bool IsNative() const { return m_native != nullptr; }

private:
    Program() = default;

    static float Execute(const Instruction* code, const float* variables, float* stack);
    float RunInFrame(const float* variables) const;
    float RunOnHeap(const float* variables) const;
    double DifferenceQuotientAt(float x, float y) const;
    double DifferenceQuotientOverSlots(const float* variables) const;
    // x and y alone for a program that reads more slots: the others read NaN.
    double EvaluateOverNaNSlots(bool derivative, float x, float y) const;

    void Emit(Op op, float constant = 0.0f, std::uint16_t slot = 0);
    void EmitOperator(char kind);
    void EmitFunction(char code);
    void EmitSlot(std::uint16_t slot);

    std::vector<Instruction> m_code;
    std::size_t m_depth = 1;
    std::size_t m_slotCount = 0;
    std::shared_ptr<const void> m_nativeCode;
    NativeEntry m_native = nullptr;
};

} // namespace plovex
