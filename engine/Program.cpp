#include "engine/Program.h"

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

constexpr int kForms = static_cast<int>(Op::AddConst) - static_cast<int>(Op::Add);

bool IsLeaf(Op op)
{
    return op == Op::PushConst || op == Op::PushX || op == Op::PushY;
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
    const int form = push == Op::PushConst ? 1 : push == Op::PushX ? 2 : 3;
    return static_cast<Op>(static_cast<int>(StackOperatorOp(kind)) + form * kForms);
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

void Program::Emit(Op op, float operand)
{
    m_code.push_back({ operand, op });
}

void Program::EmitOperator(char kind)
{
    const std::size_t size = m_code.size();
    Instruction* last = size >= 1 ? &m_code[size - 1] : nullptr;
    Instruction* before = size >= 2 ? &m_code[size - 2] : nullptr;
    if (last && last->op == Op::PushConst && before && before->op == Op::PushConst) {
        // Two constants fold with the same single rounding.
        before->operand = ApplyOperator(kind, before->operand, last->operand);
        m_code.pop_back();
    } else if (kind == '^' && last && last->op == Op::PushConst && PowerOp(last->operand)) {
        *last = { 0.0f, *PowerOp(last->operand) };
    } else if (last && IsLeaf(last->op)) {
        last->op = LeafOperatorOp(kind, last->op);
    } else {
        Emit(StackOperatorOp(kind));
    }
}

void Program::EmitFunction(char code)
{
    if (!m_code.empty() && m_code.back().op == Op::PushConst)
        m_code.back().operand = ToFloat(FindFunction(code)->apply(m_code.back().operand));
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
            program.Emit(Op::PushX);
            break;
        case 'y':
            program.Emit(Op::PushY);
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
    if (malformed)
        program.m_code.assign(1, { 0.0f, Op::ReturnNaN });
    else
        program.Emit(Op::Return);
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
float Program::Execute(const Instruction* code, float x, float y, float* stack)
{
    const Instruction* ip = code;
    std::size_t sp = 0;
    float top = 0.0f; // the seed

#ifdef PLOVEX_THREADED_DISPATCH
    static const void* const kHandlers[] = { &&Return, &&ReturnNaN, &&PushConst, &&PushX, &&PushY,
        &&Add, &&Sub, &&Mul, &&Div, &&Pow, &&AddConst, &&SubConst, &&MulConst, &&DivConst,
        &&PowConst, &&AddX, &&SubX, &&MulX, &&DivX, &&PowX, &&AddY, &&SubY, &&MulY, &&DivY, &&PowY,
        &&Square, &&Cube, &&Fourth, PLOVEX_FOR_EACH_FUNCTION(PLOVEX_FUNCTION_ADDRESS) };
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
    stack[sp++] = top;
    top = ip->operand;
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PushX)
    stack[sp++] = top;
    top = x;
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PushY)
    stack[sp++] = top;
    top = y;
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Add)
    top = Add(stack[--sp], top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Sub)
    top = Subtract(stack[--sp], top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Mul)
    top = Multiply(stack[--sp], top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Div)
    top = Divide(stack[--sp], top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(Pow)
    top = Power(stack[--sp], top);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(AddConst)
    top = Add(top, ip->operand);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(SubConst)
    top = Subtract(top, ip->operand);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(MulConst)
    top = Multiply(top, ip->operand);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(DivConst)
    top = Divide(top, ip->operand);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PowConst)
    top = Power(top, ip->operand);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(AddX)
    top = Add(top, x);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(SubX)
    top = Subtract(top, x);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(MulX)
    top = Multiply(top, x);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(DivX)
    top = Divide(top, x);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PowX)
    top = Power(top, x);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(AddY)
    top = Add(top, y);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(SubY)
    top = Subtract(top, y);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(MulY)
    top = Multiply(top, y);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(DivY)
    top = Divide(top, y);
    PLOVEX_NEXT;
    PLOVEX_HANDLER(PowY)
    top = Power(top, y);
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

void Program::AttachNative(std::shared_ptr<const void> code, NativeEntry entry)
{
    m_nativeCode = std::move(code);
    m_native = entry;
}

float Program::Run(float x, float y) const
{
    constexpr std::size_t kLocalDepth = 64;
    if (m_depth > kLocalDepth)
        return RunOnHeap(x, y);
    float stack[kLocalDepth];
    const float variables[] = { x, y };
    return m_native ? m_native(variables, stack) : Execute(m_code.data(), x, y, stack);
}

float Program::RunOnHeap(float x, float y) const
{
    std::vector<float> stack(m_depth);
    const float variables[] = { x, y };
    return m_native ? m_native(variables, stack.data())
                    : Execute(m_code.data(), x, y, stack.data());
}

double Program::Evaluate(bool derivative, float x, float y) const
{
    if (derivative)
        return DifferenceQuotient([&](float at) { return Run(at, y); }, x);
    return Run(x, y);
}

} // namespace plovex
