#include "engine/Evaluator.h"

#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"
#include "engine/ValueStack.h"

#include <cmath>
#include <limits>

namespace plovex {
namespace {

float EvaluatePlain(const TokenList& queue, float x, float y)
{
    ValueStack stack;
    stack.Push(0.0f);
    bool malformed = false;
    queue.ForEach([&](const Token& token) {
        if (malformed)
            return;
        switch (token.kind) {
        case '0':
            stack.Push(token.value);
            return;
        case 'x':
            stack.Push(x);
            return;
        case 'y':
            stack.Push(y);
            return;
        default:
            break;
        }
        if (IsOperator(token.kind)) {
            if (stack.Count() < 2) {
                malformed = true;
                return;
            }
            const float b = stack.Pop();
            const float a = stack.Pop();
            stack.Push(ApplyOperator(token.kind, a, b));
        } else if (const Function* function = FindFunction(token.kind)) {
            stack.Push(ToFloat(function->apply(stack.Pop())));
        }
    });
    return malformed ? std::numeric_limits<float>::quiet_NaN() : stack.Pop();
}

} // namespace

float ApplyOperator(char kind, float a, float b)
{
    const double left = a;
    const double right = b;
    switch (kind) {
    case '+':
        return ToFloat(left + right);
    case '-':
        // Negated reversed difference: equal operands give -0 ("x-x" at any x).
        return ToFloat(-(right - left));
    case '*':
        return ToFloat(left * right);
    case '/':
        return ToFloat(left / right);
    case '^':
        return ToFloat(std::pow(left, right));
    default:
        return std::numeric_limits<float>::quiet_NaN();
    }
}

double Evaluate(const TokenList& queue, bool derivative, float x, float y, bool subCall)
{
    if (!subCall && derivative) {
        const float shifted = ToFloat(static_cast<double>(x) + kStepH);
        const float a = static_cast<float>(Evaluate(queue, derivative, shifted, y, true));
        const double b = Evaluate(queue, derivative, x, y, true);
        return (a - b) / kStepH;
    }
    return EvaluatePlain(queue, x, y);
}

} // namespace plovex
