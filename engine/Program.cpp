#include "engine/Program.h"

#include "engine/Evaluator.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace plovex {

// The instruction set. A binary operator comes in four forms by where its right operand
// lies: the stack, or an immediate constant, x or y folded into it, so that "x 2 *" or
// "t x +" run as one instruction. The order is that of the handler table in Execute.
enum class Program::Op : std::uint8_t {
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
    Sin,
    Cos,
    Tan,
    Cosec,
    Sec,
    Cot,
    Asin,
    Acos,
    Atan,
    Exp,
    Ln,
    Log,
    Abs,
    Sqrt,
    Floor,
    Count
};

namespace {

using Op = Program::Op;

constexpr int kForms = static_cast<int>(Op::AddConst) - static_cast<int>(Op::Add);

bool IsLeaf(Op op)
{
    return op == Op::PushConst || op == Op::PushX || op == Op::PushY;
}

// The operator taking its right operand from the stack.
Op StackOperatorOp(char kind)
{
    const int base = kind == '+' ? 0 : kind == '-' ? 1 : kind == '*' ? 2 : kind == '/' ? 3 : 4;
    return static_cast<Op>(static_cast<int>(Op::Add) + base);
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

Op FunctionOp(char code)
{
    switch (code) {
    case 's':
        return Op::Sin;
    case 'c':
        return Op::Cos;
    case 't':
        return Op::Tan;
    case 'S':
        return Op::Cosec;
    case 'C':
        return Op::Sec;
    case 'T':
        return Op::Cot;
    case 'a':
        return Op::Asin;
    case 'A':
        return Op::Acos;
    case 'b':
        return Op::Atan;
    case 'e':
        return Op::Exp;
    case 'l':
        return Op::Ln;
    case 'L':
        return Op::Log;
    case 'm':
        return Op::Abs;
    case 'r':
        return Op::Sqrt;
    default:
        return Op::Floor;
    }
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

// Threaded dispatch: every handler ends with its own jump to the next one, which the branch
// predictor learns per handler rather than through one shared switch. The top of the stack
// lives in `top`; stack[0 .. sp) holds the values beneath it, the seed 0 first.
float Program::Execute(const Instruction* code, float x, float y, float* stack)
{
    static const void* const kHandlers[] = {
        &&Return,
        &&ReturnNaN,
        &&PushConst,
        &&PushX,
        &&PushY,
        &&Add,
        &&Sub,
        &&Mul,
        &&Div,
        &&Pow,
        &&AddConst,
        &&SubConst,
        &&MulConst,
        &&DivConst,
        &&PowConst,
        &&AddX,
        &&SubX,
        &&MulX,
        &&DivX,
        &&PowX,
        &&AddY,
        &&SubY,
        &&MulY,
        &&DivY,
        &&PowY,
        &&Square,
        &&Cube,
        &&Fourth,
        &&Sin,
        &&Cos,
        &&Tan,
        &&Cosec,
        &&Sec,
        &&Cot,
        &&Asin,
        &&Acos,
        &&Atan,
        &&Exp,
        &&Ln,
        &&Log,
        &&Abs,
        &&Sqrt,
        &&Floor,
    };
    static_assert(std::size(kHandlers) == static_cast<std::size_t>(Op::Count));

    // Each operation takes float operands, works in double and rounds once (ToFloat).
    const auto add = [](double a, double b) { return ToFloat(a + b); };
    // Negated reversed difference: equal operands give -0, as the reference does.
    const auto subtract = [](double a, double b) { return ToFloat(-(b - a)); };
    const auto multiply = [](double a, double b) { return ToFloat(a * b); };
    const auto divide = [](double a, double b) { return ToFloat(a / b); };
    const auto power = [](double a, double b) { return ToFloat(std::pow(a, b)); };

    const Instruction* ip = code;
    std::size_t sp = 0;
    float top = 0.0f; // the seed

#define PLOVEX_NEXT goto* kHandlers[static_cast<int>((++ip)->op)]
    goto* kHandlers[static_cast<int>(ip->op)];

Return:
    return top;
ReturnNaN:
    return std::numeric_limits<float>::quiet_NaN();
PushConst:
    stack[sp++] = top;
    top = ip->operand;
    PLOVEX_NEXT;
PushX:
    stack[sp++] = top;
    top = x;
    PLOVEX_NEXT;
PushY:
    stack[sp++] = top;
    top = y;
    PLOVEX_NEXT;
Add:
    top = add(stack[--sp], top);
    PLOVEX_NEXT;
Sub:
    top = subtract(stack[--sp], top);
    PLOVEX_NEXT;
Mul:
    top = multiply(stack[--sp], top);
    PLOVEX_NEXT;
Div:
    top = divide(stack[--sp], top);
    PLOVEX_NEXT;
Pow:
    top = power(stack[--sp], top);
    PLOVEX_NEXT;
AddConst:
    top = add(top, ip->operand);
    PLOVEX_NEXT;
SubConst:
    top = subtract(top, ip->operand);
    PLOVEX_NEXT;
MulConst:
    top = multiply(top, ip->operand);
    PLOVEX_NEXT;
DivConst:
    top = divide(top, ip->operand);
    PLOVEX_NEXT;
PowConst:
    top = power(top, ip->operand);
    PLOVEX_NEXT;
AddX:
    top = add(top, x);
    PLOVEX_NEXT;
SubX:
    top = subtract(top, x);
    PLOVEX_NEXT;
MulX:
    top = multiply(top, x);
    PLOVEX_NEXT;
DivX:
    top = divide(top, x);
    PLOVEX_NEXT;
PowX:
    top = power(top, x);
    PLOVEX_NEXT;
AddY:
    top = add(top, y);
    PLOVEX_NEXT;
SubY:
    top = subtract(top, y);
    PLOVEX_NEXT;
MulY:
    top = multiply(top, y);
    PLOVEX_NEXT;
DivY:
    top = divide(top, y);
    PLOVEX_NEXT;
PowY:
    top = power(top, y);
    PLOVEX_NEXT;
Square:
    top = multiply(top, top);
    PLOVEX_NEXT;
Cube:
    top = multiply(static_cast<double>(top) * top, top);
    PLOVEX_NEXT;
Fourth:
    top = multiply(static_cast<double>(top) * top, static_cast<double>(top) * top);
    PLOVEX_NEXT;
Sin:
    top = ToFloat(std::sin(static_cast<double>(top)));
    PLOVEX_NEXT;
Cos:
    top = ToFloat(std::cos(static_cast<double>(top)));
    PLOVEX_NEXT;
Tan:
    top = ToFloat(std::tan(static_cast<double>(top)));
    PLOVEX_NEXT;
Cosec:
    top = ToFloat(1.0 / std::sin(static_cast<double>(top)));
    PLOVEX_NEXT;
Sec:
    top = ToFloat(1.0 / std::cos(static_cast<double>(top)));
    PLOVEX_NEXT;
Cot:
    top = ToFloat(1.0 / std::tan(static_cast<double>(top)));
    PLOVEX_NEXT;
Asin:
    top = ToFloat(std::asin(static_cast<double>(top)));
    PLOVEX_NEXT;
Acos:
    top = ToFloat(std::acos(static_cast<double>(top)));
    PLOVEX_NEXT;
Atan:
    top = ToFloat(std::atan(static_cast<double>(top)));
    PLOVEX_NEXT;
Exp:
    top = ToFloat(std::exp(static_cast<double>(top)));
    PLOVEX_NEXT;
Ln:
    top = ToFloat(std::log(static_cast<double>(top)));
    PLOVEX_NEXT;
Log:
    top = ToFloat(std::log10(static_cast<double>(top)));
    PLOVEX_NEXT;
Abs:
    top = std::fabs(top);
    PLOVEX_NEXT;
Sqrt:
    top = ToFloat(std::sqrt(static_cast<double>(top)));
    PLOVEX_NEXT;
Floor:
    top = std::floor(top);
    PLOVEX_NEXT;
#undef PLOVEX_NEXT
}

float Program::Run(float x, float y) const
{
    constexpr std::size_t kLocalDepth = 64;
    if (m_depth <= kLocalDepth) {
        float stack[kLocalDepth];
        return Execute(m_code.data(), x, y, stack);
    }
    std::vector<float> stack(m_depth);
    return Execute(m_code.data(), x, y, stack.data());
}

double Program::Evaluate(bool derivative, float x, float y) const
{
    if (derivative) {
        const float a = Run(ToFloat(static_cast<double>(x) + kStepH), y);
        const double b = Run(x, y);
        return (a - b) / kStepH;
    }
    return Run(x, y);
}

} // namespace plovex
