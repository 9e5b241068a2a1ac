#include "engine/Program.h"

#include "engine/Evaluator.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/TokenList.h"

#include <cmath>
#include <limits>

namespace plovex {

// Operand sources of a binary operator: the stack, an immediate constant, x or y. Each
// operator comes in the four forms so that "x 2 ^" or "t x *" run as one instruction.
enum class Program::Op : std::uint8_t {
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
    Square, // a ^ 2: the square of a float is exact in double, so it equals pow
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
};

namespace {

using Op = Program::Op;

bool IsBinary(char kind)
{
    return kind == '+' || kind == '-' || kind == '*' || kind == '/' || kind == '^';
}

Op BinaryOp(char kind)
{
    switch (kind) {
    case '+':
        return Op::Add;
    case '-':
        return Op::Sub;
    case '*':
        return Op::Mul;
    case '/':
        return Op::Div;
    default:
        return Op::Pow;
    }
}

Op WithOperand(Op stackForm, Op operandForm)
{
    const int form = operandForm == Op::PushConst ? 1 : operandForm == Op::PushX ? 2 : 3;
    const int distance = static_cast<int>(Op::AddConst) - static_cast<int>(Op::Add);
    return static_cast<Op>(static_cast<int>(stackForm) + form * distance);
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
    m_code.push_back({ op, operand });
}

Program Program::Compile(const TokenList& queue)
{
    Program program;
    std::size_t depth = 1; // the seed
    queue.ForEach([&](const Token& token) {
        if (program.m_malformed)
            return;
        auto& code = program.m_code;
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
            if (IsBinary(token.kind)) {
                if (depth < 2) {
                    program.m_malformed = true;
                    return;
                }
                --depth;
                const Instruction* last = code.empty() ? nullptr : &code.back();
                const Instruction* before = code.size() < 2 ? nullptr : &code[code.size() - 2];
                const bool lastIsLeaf = last
                    && (last->op == Op::PushConst || last->op == Op::PushX
                        || last->op == Op::PushY);
                // Two constants fold at compile time with the same rounding.
                if (last && before && last->op == Op::PushConst && before->op == Op::PushConst
                    && depth >= 2) {
                    const float folded = ApplyOperator(token.kind, before->operand, last->operand);
                    code.pop_back();
                    code.back().operand = folded;
                } else if (token.kind == '^' && last && last->op == Op::PushConst
                    && last->operand == 2.0f) {
                    code.back() = { Op::Square, 0.0f };
                } else if (lastIsLeaf) {
                    code.back() = { WithOperand(BinaryOp(token.kind), last->op), last->operand };
                } else {
                    program.Emit(BinaryOp(token.kind));
                }
                return;
            }
            if (FindFunction(token.kind)) {
                if (!code.empty() && code.back().op == Op::PushConst && depth >= 2) {
                    code.back().operand
                        = ToFloat(FindFunction(token.kind)->apply(code.back().operand));
                } else {
                    program.Emit(FunctionOp(token.kind));
                }
            }
            return;
        }
        ++depth;
        program.m_depth = std::max(program.m_depth, depth);
    });
    return program;
}

float Program::RunWithStack(float x, float y, float* stack) const
{
    // The top of the stack lives in `top`; stack[0 .. sp) holds the values beneath it.
    std::size_t sp = 0;
    float top = 0.0f; // the seed
    const auto push = [&](float value) {
        stack[sp++] = top;
        top = value;
    };
    const auto pop = [&] { return stack[--sp]; };
    const auto binary = [](Op op, float a, float b) -> float {
        const double l = a;
        const double r = b;
        switch (op) {
        case Op::Add:
            return ToFloat(l + r);
        case Op::Sub:
            return ToFloat(-(r - l));
        case Op::Mul:
            return ToFloat(l * r);
        case Op::Div:
            return ToFloat(l / r);
        default:
            return ToFloat(std::pow(l, r));
        }
    };
    const auto base = [](Op op, Op first) {
        return static_cast<Op>(
            static_cast<int>(Op::Add) + static_cast<int>(op) - static_cast<int>(first));
    };
    for (const Instruction& in : m_code) {
        switch (in.op) {
        case Op::PushConst:
            push(in.operand);
            break;
        case Op::PushX:
            push(x);
            break;
        case Op::PushY:
            push(y);
            break;
        case Op::Add:
            top = ToFloat(static_cast<double>(pop()) + top);
            break;
        case Op::Sub:
            top = ToFloat(-(static_cast<double>(top) - pop()));
            break;
        case Op::Mul:
            top = ToFloat(static_cast<double>(pop()) * top);
            break;
        case Op::Div:
            top = ToFloat(static_cast<double>(pop()) / top);
            break;
        case Op::Pow:
            top = ToFloat(std::pow(static_cast<double>(pop()), static_cast<double>(top)));
            break;
        case Op::AddConst:
            top = ToFloat(static_cast<double>(top) + in.operand);
            break;
        case Op::SubConst:
            top = ToFloat(-(static_cast<double>(in.operand) - top));
            break;
        case Op::MulConst:
            top = ToFloat(static_cast<double>(top) * in.operand);
            break;
        case Op::DivConst:
            top = ToFloat(static_cast<double>(top) / in.operand);
            break;
        case Op::PowConst:
            top = ToFloat(std::pow(static_cast<double>(top), static_cast<double>(in.operand)));
            break;
        case Op::AddX:
        case Op::SubX:
        case Op::MulX:
        case Op::DivX:
        case Op::PowX:
            top = binary(base(in.op, Op::AddX), top, x);
            break;
        case Op::AddY:
        case Op::SubY:
        case Op::MulY:
        case Op::DivY:
        case Op::PowY:
            top = binary(base(in.op, Op::AddY), top, y);
            break;
        case Op::Square:
            top = ToFloat(static_cast<double>(top) * top);
            break;
        case Op::Sin:
            top = ToFloat(std::sin(static_cast<double>(top)));
            break;
        case Op::Cos:
            top = ToFloat(std::cos(static_cast<double>(top)));
            break;
        case Op::Tan:
            top = ToFloat(std::tan(static_cast<double>(top)));
            break;
        case Op::Cosec:
            top = ToFloat(1.0 / std::sin(static_cast<double>(top)));
            break;
        case Op::Sec:
            top = ToFloat(1.0 / std::cos(static_cast<double>(top)));
            break;
        case Op::Cot:
            top = ToFloat(1.0 / std::tan(static_cast<double>(top)));
            break;
        case Op::Asin:
            top = ToFloat(std::asin(static_cast<double>(top)));
            break;
        case Op::Acos:
            top = ToFloat(std::acos(static_cast<double>(top)));
            break;
        case Op::Atan:
            top = ToFloat(std::atan(static_cast<double>(top)));
            break;
        case Op::Exp:
            top = ToFloat(std::exp(static_cast<double>(top)));
            break;
        case Op::Ln:
            top = ToFloat(std::log(static_cast<double>(top)));
            break;
        case Op::Log:
            top = ToFloat(std::log10(static_cast<double>(top)));
            break;
        case Op::Abs:
            top = std::fabs(top);
            break;
        case Op::Sqrt:
            top = ToFloat(std::sqrt(static_cast<double>(top)));
            break;
        case Op::Floor:
            top = std::floor(top);
            break;
        }
    }
    return top;
}

float Program::Run(float x, float y) const
{
    if (m_malformed)
        return std::numeric_limits<float>::quiet_NaN();
    constexpr std::size_t kLocalDepth = 64;
    if (m_depth <= kLocalDepth) {
        float stack[kLocalDepth];
        return RunWithStack(x, y, stack);
    }
    std::vector<float> stack(m_depth);
    return RunWithStack(x, y, stack.data());
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
