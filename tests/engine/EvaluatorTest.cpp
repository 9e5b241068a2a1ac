#include "engine/Evaluator.h"

#include "engine/Parser.h"
#include "engine/PostfixText.h"
#include "engine/TokenList.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace plovex {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal including the sign of zero; any NaN equals any NaN.
::testing::AssertionResult Same(double actual, double expected)
{
    const bool same = std::isnan(expected)
        ? std::isnan(actual)
        : actual == expected && std::signbit(actual) == std::signbit(expected);
    if (same)
        return ::testing::AssertionSuccess();
    char text[80];
    std::snprintf(text, sizeof text, "%.17g, expected %.17g", actual, expected);
    return ::testing::AssertionFailure() << text;
}

// The postfix queue of an expression, y allowed.
class Queue {
public:
    explicit Queue(const std::string& expression)
    {
        TokenList operators;
        std::string postfix;
        const ParseResult result = Parse(expression, true, m_queue, operators, postfix);
        EXPECT_TRUE(result.Ok()) << expression << ": " << result.message;
    }

    operator const TokenList&() const { return m_queue; }

private:
    TokenList m_queue;
};

struct ValueCase {
    const char* expression;
    float x;
    float y;
    double expected;
};

TEST(Evaluator, PlainValues)
{
    const ValueCase cases[] = {
        { "", 5.0f, 0.0f, 0.0 }, // the seed
        { "x", 2.5f, 0.0f, 2.5 },
        { "y", 0.0f, -7.0f, -7.0 },
        { "-x", 3.0f, 0.0f, -3.0 },
        { "-x", 0.0f, 0.0f, -0.0 },
        { "x-x", 5.0f, 0.0f, -0.0 },
        { "x-x", 0.0f, 0.0f, -0.0 },
        { "x-x", -2.0f, 0.0f, -0.0 },
        { "x-3", 10.0f, 0.0f, 7.0 }, // a - b, not b - a
        { "x/3", 6.0f, 0.0f, 2.0 },
        { "3/x", 6.0f, 0.0f, 0.5 },
        { "2^3", 0.0f, 0.0f, 8.0 },
        { "3^2", 0.0f, 0.0f, 9.0 },
        { "x^3", 2.0f, 0.0f, 8.0 },
        { "x^2^3", 2.0f, 0.0f, 64.0 },
        { "2 3", 0.0f, 0.0f, 6.0 }, // operands side by side multiply
        { "2x", 7.0f, 0.0f, 14.0 }, // operands side by side multiply
        { "x 2", 7.0f, 0.0f, 14.0 }, // operands side by side multiply
        { "x^2", 3.0f, 0.0f, 9.0 },
        { "3*x^2+2*x-1", 2.0f, 0.0f, 15.0 },
        { "x*y", 3.0f, -4.0f, -12.0 },
        { "x-y", 1.0f, 1.0f, -0.0 },
        { "0.1+0.2", 0.0f, 0.0f, 0.300000011920928955078125 }, // float sums, rounded once
        { "1/3", 0.0f, 0.0f, 0.3333333432674407958984375 },
        { "2^0.5", 0.0f, 0.0f, 1.41421353816986083984375 },
        { "cosec 0.001", 0.0f, 0.0f, 1000.0001220703125 }, // 1 / sin in double, one rounding
        { "cot 0.001", 0.0f, 0.0f, 999.9996337890625 },
        { "16777216+1", 0.0f, 0.0f, 16777216.0 },
        { "2pi", 0.0f, 0.0f, 6.283185482025146484375 }, // "2inf+" is now an unknown name
        { "sin x", 1.0f, 0.0f, 0.8414709568023681640625 },
        { "cos x", 1.0f, 0.0f, 0.540302276611328125 },
        { "tan x", 1.0f, 0.0f, 1.55740773677825927734375 },
        { "cosec x", 1.0f, 0.0f, 1.18839514255523681640625 },
        { "sec x", 1.0f, 0.0f, 1.85081577301025390625 },
        { "cot x", 1.0f, 0.0f, 0.642092645168304443359375 },
        { "asin x", 0.5f, 0.0f, 0.52359879016876220703125 },
        { "acos x", 0.5f, 0.0f, 1.0471975803375244140625 },
        { "atan x", 1.0f, 0.0f, 0.785398185253143310546875 },
        { "e x", 1.0f, 0.0f, 2.71828174591064453125 },
        { "ln x", 2.0f, 0.0f, 0.693147182464599609375 },
        { "log x", 2.0f, 0.0f, 0.3010300099849700927734375 },
        { "abs x", -2.5f, 0.0f, 2.5 },
        { "abs x", -0.0f, 0.0f, 0.0 },
        { "sqrt x", 2.0f, 0.0f, 1.41421353816986083984375 },
        { "floor x", -2.5f, 0.0f, -3.0 },
        { "floor x", 2.5f, 0.0f, 2.0 },
        { "2x^2", 3.0f, 0.0f, 18.0 },
        { "1/2x", 4.0f, 0.0f, 2.0 },
        { "(x+1)(x-1)", 3.0f, 0.0f, 8.0 },
        { "x y", 3.0f, -4.0f, -12.0 },
        { "x^2-1e-2", 0.5f, 0.0f, 0.23999999463558197021484375 },
        { "2.5e-3", 0.0f, 0.0f, 0.0024999999441206455230712890625 },
        { "x*pi", 1.0f, 0.0f, 3.1415927410125732421875 },
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const Queue queue(c.expression);
        EXPECT_TRUE(Same(Evaluate(queue, false, c.x, c.y), c.expected));
    }
}

TEST(Evaluator, InfinitiesAndNaNFlowThrough)
{
    const ValueCase cases[] = {
        { "cosec x", 0.0f, 0.0f, kInf },
        { "ln x", 0.0f, 0.0f, -kInf },
        { "sqrt(-1)", 0.0f, 0.0f, kNaN },
        { "1/x", 0.0f, 0.0f, kInf },
        { "1/x", -0.0f, 0.0f, -kInf },
        { "-1/x", 0.0f, 0.0f, -kInf }, // 0 - (1 / 0)
        { "x/x", 0.0f, 0.0f, kNaN },
        { "1/x-1/x", 0.0f, 0.0f, kNaN },
        { "1/x*0", 0.0f, 0.0f, kNaN },
        { "1/(1/x)", 0.0f, 0.0f, 0.0 },
        { "atan(1/x)", 0.0f, 0.0f, 1.57079637050628662109375 },
        { "e(1/x)", -0.0f, 0.0f, 0.0 },
        { "10^39", 0.0f, 0.0f, kInf }, // beyond the float range when pushed
        { "0-10^39", 0.0f, 0.0f, -kInf },
        { "x*x", 3e38f, 0.0f, kInf },
        { "10^(0-46)", 0.0f, 0.0f, 0.0 },
        { "asin x", 2.0f, 0.0f, kNaN },
        { "acos x", -1.5f, 0.0f, kNaN },
        { "ln x", -1.0f, 0.0f, kNaN },
        { "sqrt(x)+1", -4.0f, 0.0f, kNaN },
        { "floor(sqrt x)", -1.0f, 0.0f, kNaN },
        { "abs(0-1/x)", 0.0f, 0.0f, kInf },
        { "(0-8)^(1/3)", 0.0f, 0.0f, kNaN },
        { "x", std::numeric_limits<float>::infinity(), 0.0f, kInf },
        { "sin x", std::numeric_limits<float>::infinity(), 0.0f, kNaN },
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const Queue queue(c.expression);
        EXPECT_TRUE(Same(Evaluate(queue, false, c.x, c.y), c.expected));
    }
}

TEST(Evaluator, AnOperatorWithOneValueEndsWithNaN)
{
    const char* const expressions[]
        = { "x++", "+", "*", "-", "/", "^", "x+++1", "x**", "sin(x)//", "x--" };
    for (const char* expression : expressions) {
        SCOPED_TRACE(expression);
        const Queue queue(expression);
        EXPECT_TRUE(std::isnan(Evaluate(queue, false, 2.0f, 0.0f)));
        EXPECT_TRUE(std::isnan(Evaluate(queue, true, 2.0f, 0.0f)));
    }
    // One operator short of malformed: the seed feeds it.
    EXPECT_TRUE(Same(Evaluate(Queue("x+"), false, 2.0f, 0.0f), 2.0));
    EXPECT_TRUE(Same(Evaluate(Queue("x-"), false, 2.0f, 0.0f), -2.0));
}

TEST(Evaluator, SkipsKindsItDoesNotKnow)
{
    TokenList queue;
    queue.Append({ '0', 4.0f });
    queue.Append({ '(', 0.0f });
    queue.Append({ ')', 0.0f });
    queue.Append({ '?', 0.0f });
    queue.Append({ 'r', 0.0f });
    EXPECT_TRUE(Same(Evaluate(queue, false, 0.0f, 0.0f), 2.0));
}

struct DerivativeCase {
    const char* expression;
    float x;
    double expected;
};

TEST(Evaluator, DerivativeModeReturnsTheDifferenceQuotient)
{
    const DerivativeCase cases[] = {
        { "5", 3.0f, 0.0 },
        { "", 3.0f, 0.0 },
        { "x", 0.0f, 1.0 },
        { "x", 1.0f, 0.99999906867740451 }, // x + h is rounded to float first
        { "x^2", 1.0f, 2.0099997969716741 }, // not rounded to float
        { "x^2", 0.0f, 0.0099999999708961698 },
        { "sqrt x", 0.0f, 10.000000372529039 },
        { "sqrt x", -1.0f, kNaN },
        { "1/x", -0.01f, kInf }, // -0.01 + h is 0: 1/0 - 1/(-0.01)
        { "x++", 1.0f, kNaN },
    };
    for (const DerivativeCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const Queue queue(c.expression);
        EXPECT_TRUE(Same(Evaluate(queue, true, c.x, 0.0f), c.expected));
        EXPECT_TRUE(Same(Evaluate(queue, true, c.x, 0.0f, false), c.expected));
    }
}

TEST(Evaluator, InnerCallsEvaluatePlainly)
{
    const Queue queue("x^2+y");
    EXPECT_TRUE(Same(Evaluate(queue, true, 3.0f, 1.0f, true), 10.0));
    EXPECT_TRUE(Same(Evaluate(queue, false, 3.0f, 1.0f, true), 10.0));
    // y is passed unchanged to both inner calls, so it cancels.
    EXPECT_TRUE(Same(Evaluate(Queue("y"), true, 3.0f, 1.0f), 0.0));
}

TEST(Evaluator, RepeatsAndLeavesTheQueueAlone)
{
    const Queue parsed("sin(x)*cos(x)/(1+x^2)");
    const TokenList& queue = parsed;
    const std::string before = PostfixText(queue);
    const double first = Evaluate(queue, false, 0.75f, 0.0f);
    const double firstDerivative = Evaluate(queue, true, 0.75f, 0.0f);
    EXPECT_EQ(Evaluate(queue, false, 0.75f, 0.0f), first);
    EXPECT_EQ(Evaluate(queue, true, 0.75f, 0.0f), firstDerivative);
    EXPECT_EQ(PostfixText(queue), before);
    EXPECT_EQ(queue.Count(), 11u);
}

TEST(Evaluator, DeepStacksSpanSeveralBlocks)
{
    // 1+(1+(1+...)) holds 25 values at once before the additions unwind.
    std::string expression;
    for (int i = 0; i < 24; ++i)
        expression += "1+(";
    expression += "x";
    const Queue queue(expression);
    EXPECT_TRUE(Same(Evaluate(queue, false, 0.5f, 0.0f), 24.5));
}

} // namespace
} // namespace plovex
