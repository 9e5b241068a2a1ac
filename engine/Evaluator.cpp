#include "engine/Evaluator.h"

#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Operators.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"
#include "engine/ValueStack.h"

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

double Evaluate(const TokenList& queue, bool derivative, float x, float y, bool subCall)
{
    if (!subCall && derivative)
        return DifferenceQuotient([&](float at) { return EvaluatePlain(queue, at, y); }, x);
    return EvaluatePlain(queue, x, y);
}

} // namespace plovex
