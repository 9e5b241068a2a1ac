#include "engine/Evaluator.h"

#include "engine/ExpressionNames.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Operators.h"
#include "engine/Precedence.h"
#include "engine/TokenList.h"
#include "engine/ValueStack.h"

#include <limits>

namespace plovex {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// x comes apart from the array so that the difference quotient can move it without a copy;
// slots from `count` on read as NaN.
float EvaluatePlain(const TokenList& queue, float x, const float* variables, std::size_t count)
{
    const auto slot = [&](std::size_t index) { return index < count ? variables[index] : kNaN; };
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
            stack.Push(slot(kSlotY));
            return;
        case kSlotOperand:
            stack.Push(slot(token.slot));
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
    return malformed ? kNaN : stack.Pop();
}

double Evaluate(const TokenList& queue, bool derivative, const float* variables, std::size_t count,
    bool subCall)
{
    if (!subCall && derivative) {
        return DifferenceQuotient(
            [&](float at) { return EvaluatePlain(queue, at, variables, count); },
            variables[kSlotX]);
    }
    return EvaluatePlain(queue, variables[kSlotX], variables, count);
}

} // namespace

double Evaluate(const TokenList& queue, bool derivative, const float* variables, bool subCall)
{
    constexpr std::size_t kEverySlot = std::numeric_limits<std::size_t>::max();
    return Evaluate(queue, derivative, variables, kEverySlot, subCall);
}

double Evaluate(const TokenList& queue, bool derivative, float x, float y, bool subCall)
{
    const float variables[] = { x, y };
    return Evaluate(queue, derivative, variables, std::size(variables), subCall);
}

} // namespace plovex
