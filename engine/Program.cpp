#include "engine/Program.h"

#include "engine/ExpressionNames.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Operators.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace plovex {

namespace {

using Op = Program::Op;

constexpr std::size_t kOpCount = static_cast<std::size_t>(Op::Function) + kFunctions.size();

static_assert(kOpCount <= 256, "every instruction fits the one-byte Op");

// An operator whose right operand a constant or a slot pushed just before takes it into its
// own instruction ("x 2 *" runs as PushSlot 0, MulConst 2; "t x +" as PushSlot 2, AddSlot 0).
bool IsLeaf(Op op)
{
    return op == Op::PushConst || op == Op::PushSlot;
}

// The operator taking its right operand from the stack.
Op StackOperatorOp(char kind)
{
    constexpr std::string_view kOrder = "+-*/^"; // Add, Sub, Mul, Div, Pow
    return static_cast<Op>(static_cast<std::size_t>(Op::Add) + kOrder.find(kind));
}

// The operator taking its right operand from the leaf that `push` would push.
Op LeafOperatorOp(char kind, Op push)
{
    const int form = push == Op::PushConst ? 1 : 2;
    return static_cast<Op>(
        static_cast<int>(StackOperatorOp(kind)) + form * Program::kOperatorForms);
}

// Small whole powers as products. The square of a float is exact in double; the cube and
// the fourth power round once in double, and after the rounding to float they equal pow's
// value for every float argument (checked over all 2^32 of them against glibc's pow).
std::optional<Op> PowerOp(float exponent)
{
    if (exponent == 2.0f)
        return Op::Square;
    if (exponent == 3.0f)
        return Op::Cube;
    if (exponent == 4.0f)
        return Op::Fourth;
    return std::nullopt;
}

// Only called with a function code, which FunctionIndex finds in the table.
Op FunctionOp(char code)
{
    return static_cast<Op>(static_cast<std::size_t>(Op::Function) + FunctionIndex(code));
}

// A function's row applied with its pointer known at compile time, so that the call inlines.
template <std::size_t Row> float ApplyFunction(float value)
{
    constexpr auto apply = kFunctions[Row].apply;
    return ToFloat(apply(value));
}

} // namespace

void Program::Emit(Op op, float constant, std::uint16_t slot)
{
    m_code.push_back({ constant, op, slot });
}

void Program::EmitSlot(std::uint16_t slot)
{
    Emit(Op::PushSlot, 0.0f, slot);
    m_slotCount = std::max(m_slotCount, std::size_t { slot } + 1);
}

void Program::EmitOperator(char kind)
{
    const std::size_t size = m_code.size();
    Instruction* last = size >= 1 ? &m_code[size - 1] : nullptr;
    Instruction* before = size >= 2 ? &m_code[size - 2] : nullptr;
    if (last && last->op == Op::PushConst && before && before->op == Op::PushConst) {
        // Two constants fold with the same single rounding.
        before->constant = ApplyOperator(kind, before->constant, last->constant);
        m_code.pop_back();
    } else if (kind == '^' && last && last->op == Op::PushConst && PowerOp(last->constant)) {
        *last = { 0.0f, *PowerOp(last->constant), 0 };
    } else if (last && IsLeaf(last->op)) {
        last->op = LeafOperatorOp(kind, last->op);
    } else {
        Emit(StackOperatorOp(kind));
    }
}

void Program::EmitFunction(char code)
{
    if (!m_code.empty() && m_code.back().op == Op::PushConst)
        m_code.back().constant = ToFloat(FindFunction(code)->apply(m_code.back().constant));
    else
        Emit(FunctionOp(code));
}

Program Program::Compile(const TokenList& queue)
{
    Program program;
    std::size_t depth = 1; // the seed
    bool malformed = false;
    queue.ForEach([&](const Token& token) {
        if (malformed)
            return;
        switch (token.kind) {
        case '0':
            program.Emit(Op::PushConst, token.value);
            break;
        case 'x':
            program.EmitSlot(kSlotX);
            break;
        case 'y':
            program.EmitSlot(kSlotY);
            break;
        case kSlotOperand:
            program.EmitSlot(token.slot);
            break;
        default:
            if (IsOperator(token.kind)) {
                // An operator short of operands ends the evaluation with NaN ("x++").
                if (depth < 2) {
                    malformed = true;
                    return;
                }
                --depth;
                program.EmitOperator(token.kind);
            } else if (FindFunction(token.kind)) {
                program.EmitFunction(token.kind);
            }
            return;
        }
        ++depth;
        program.m_depth = std::max(program.m_depth, depth);
    });
    if (malformed) {
        program.m_code.assign(1, { 0.0f, Op::ReturnNaN, 0 });
        program.m_depth = 1;
        program.m_slotCount = 0;
    } else {
        program.Emit(Op::Return);
    }
    return program;
}

// Threaded dispatch where the compiler has labels as values (GCC, Clang): every handler ends
// with its own jump to the next one, which the branch predictor learns per handler rather
// than through one shared switch. Elsewhere, or with PLOVEX_PORTABLE_DISPATCH defined, the
// same handlers run as the cases of a standard switch. The extension is kept to this function.
#if defined(__GNUC__) && !defined(PLOVEX_PORTABLE_DISPATCH)
#define PLOVEX_THREADED_DISPATCH
#endif

// One handler per row of kFunctions; the handler table below counts them.
#define PLOVEX_FOR_EACH_FUNCTION(X)                                                                \
    X(0) X(1) X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14)

#ifdef PLOVEX_THREADED_DISPATCH
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#define PLOVEX_HANDLER(name)                                                                       \
    name:
#define PLOVEX_NEXT goto* kHandlers[static_cast<int>((++ip)->op)]
#define PLOVEX_FUNCTION_ADDRESS(row) &&Function##row,
#define PLOVEX_FUNCTION_HANDLER(row)                                                               \
    Function##row : top = ApplyFunction<row>(top);                                                 \
    PLOVEX_NEXT;
#else
#define PLOVEX_HANDLER(name) case Op::name:
#define PLOVEX_NEXT                                                                                \
    ++ip;                                                                                          \
    continue
#endif

// The top of the stack lives in `top`; stack[0 .. sp) holds the values beneath it, the seed 0
// first.
float Program::Execute(const Instruction* code, const float* variables, float* stack)
{
    const Instruction* ip = code;
    float* sp = stack;
    float top = 0.0f; // the seed

#ifdef PLOVEX_THREADED_DISPATCH
    static const void* const kHandlers[] = { &&Return, &&ReturnNaN, &&PushConst, &&PushSlot, &&Add,
        &&Sub, &&Mul, &&Div, &&Pow, &&AddConst, &&SubConst, &&MulConst, &&DivConst, &&PowConst,
        &&AddSlot, &&SubSlot, &&MulSlot, &&DivSlot, &&PowSlot, &&Square, &&Cube, &&Fourth,
        PLOVEX_FOR_EACH_FUNCTION(PLOVEX_FUNCTION_ADDRESS) };
    static_assert(std::size(kHandlers) == kOpCount,
        "every instruction needs its handler: a new row of kFunctions needs one more entry in "
        "PLOVEX_FOR_EACH_FUNCTION");
    goto* kHandlers[static_cast<int>(ip->op)];
#else
    for (;;) {
        switch (ip->op) {
#endif

    PLOVEX_HANDLER(Return)
    return top;
    PLOVEX_HANDLER(ReturnNaN)
    return std::numeric_limits<float>::quiet_NaN();
    PLOVEX_HANDLER(PushConst)
    *sp++ = top;
    top = ip->constant;
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PushSlot)
    *sp++ = top;
    top = variables[ip->slot];
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Add)
    top = Add(*--sp, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Sub)
    top = Subtract(*--sp, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Mul)
    top = Multiply(*--sp, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Div)
    top = Divide(*--sp, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Pow)
    top = Power(*--sp, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(AddConst)
    top = Add(top, ip->constant);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(SubConst)
    top = Subtract(top, ip->constant);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(MulConst)
    top = Multiply(top, ip->constant);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(DivConst)
    top = Divide(top, ip->constant);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PowConst)
    top = Power(top, ip->constant);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(AddSlot)
    top = Add(top, variables[ip->slot]);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(SubSlot)
    top = Subtract(top, variables[ip->slot]);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(MulSlot)
    top = Multiply(top, variables[ip->slot]);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(DivSlot)
    top = Divide(top, variables[ip->slot]);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PowSlot)
    top = Power(top, variables[ip->slot]);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Square)
    top = Multiply(top, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Cube)
    top = Multiply(static_cast<double>(top) * top, top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Fourth)
    top = Multiply(static_cast<double>(top) * top, static_cast<double>(top) * top);
    PLOVEX_NEXT;

#ifdef PLOVEX_THREADED_DISPATCH
    PLOVEX_FOR_EACH_FUNCTION(PLOVEX_FUNCTION_HANDLER)
#else
        default:
            top = ToFloat(kFunctions[static_cast<std::size_t>(ip->op)
                - static_cast<std::size_t>(Op::Function)]
                              .apply(top));
            PLOVEX_NEXT;
        }
    }
#endif
}

#ifdef PLOVEX_THREADED_DISPATCH
#pragma GCC diagnostic pop
#undef PLOVEX_FUNCTION_ADDRESS
#undef PLOVEX_FUNCTION_HANDLER
#endif
#undef PLOVEX_HANDLER
#undef PLOVEX_NEXT
#undef PLOVEX_FOR_EACH_FUNCTION
#undef PLOVEX_THREADED_DISPATCH

namespace {

// Stacks and slot copies up to this size live in the frame of the run.
constexpr std::size_t kLocalSize = 64;

} // namespace

void Program::AttachNative(std::shared_ptr<const void> code, NativeEntry entry)
{
    m_nativeCode = std::move(code);
    m_native = entry;
}

// Run's body, inlined into Evaluate too: a sample of a rendering then costs one call, to the
// machine code or the interpreter, rather than two.
[[gnu::always_inline]] inline float Program::RunInFrame(const float* variables) const
{
    if (m_depth > kLocalSize)
        return RunOnHeap(variables);
    float stack[kLocalSize];
    return m_native ? m_native(variables, stack) : Execute(m_code.data(), variables, stack);
}

float Program::Run(const float* variables) const
{
    return RunInFrame(variables);
}

// Out of line, as are the other rare cases below, so that the common ones keep small frames.
[[gnu::noinline]] float Program::RunOnHeap(const float* variables) const
{
    std::vector<float> stack(m_depth);
    return m_native ? m_native(variables, stack.data())
                    : Execute(m_code.data(), variables, stack.data());
}

float Program::Run(float x, float y) const
{
    if (m_slotCount > kSlotY + 1)
        return ToFloat(EvaluateOverNaNSlots(false, x, y));
    const float variables[] = { x, y };
    return Run(variables);
}

double Program::Evaluate(bool derivative, const float* variables) const
{
    if (!derivative)
        return RunInFrame(variables);
    if (m_slotCount > kSlotY + 1)
        return DifferenceQuotientOverSlots(variables);
    // The array need hold no slot the program does not read.
    const float x = m_slotCount > kSlotX ? variables[kSlotX] : 0.0f;
    const float y = m_slotCount > kSlotY ? variables[kSlotY] : 0.0f;
    return Evaluate(derivative, x, y);
}

double Program::Evaluate(bool derivative, float x, float y) const
{
    if (m_slotCount > kSlotY + 1)
        return EvaluateOverNaNSlots(derivative, x, y);
    if (derivative)
        return DifferenceQuotientAt(x, y);
    const float variables[] = { x, y };
    return RunInFrame(variables);
}

// Apart from the plain value, whose frame then stays small.
[[gnu::noinline]] double Program::DifferenceQuotientAt(float x, float y) const
{
    return DifferenceQuotient(
        [&](float at) {
            const float variables[] = { at, y };
            return RunInFrame(variables);
        },
        x);
}

// The quotient moves x alone: a copy of the slots with x replaced.
[[gnu::noinline]] double Program::DifferenceQuotientOverSlots(const float* variables) const
{
    float local[kLocalSize];
    std::vector<float> heap(m_slotCount > kLocalSize ? m_slotCount : 0);
    float* shifted = heap.empty() ? local : heap.data();
    std::copy_n(variables, m_slotCount, shifted);
    return DifferenceQuotient(
        [&](float at) {
            shifted[kSlotX] = at;
            return Run(shifted);
        },
        variables[kSlotX]);
}

[[gnu::noinline]] double Program::EvaluateOverNaNSlots(bool derivative, float x, float y) const
{
    std::vector<float> variables(m_slotCount, std::numeric_limits<float>::quiet_NaN());
    variables[kSlotX] = x;
    variables[kSlotY] = y;
    return Evaluate(derivative, variables.data());
}

} // namespace plovex
