#include "render/Integration.h"

#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace plovex {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

Program Compile(const std::string& expression)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(expression, false, queue, operators, postfix);
    EXPECT_TRUE(result.Ok()) << result.message;
    return Program::Compile(queue);
}

struct IntegralCase {
    const char* expression;
    float lower;
    float upper;
    float expected;
};

TEST(Integration, LeftRiemannSumsWithStepH)
{
    const IntegralCase cases[] = {
        { "1", 0.0f, 1.0f, 1.0099993944168091f }, // 101 samples: shown as 1.009999
        { "x", 0.0f, 1.0f, 0.50499975681304932f }, // shown as 0.505000
        { "1", -1.0f, 1.0f, 2.0099985599517822f }, // 201 samples
        { "x^2", 0.0f, 3.0f, 9.0450372695922852f },
        { "1", 0.0f, 0.01f, 0.01f }, // x + h is not below upper after the first sample
        { "1", 0.0f, 0.02f, 0.019999999552965164f },
        { "x", 0.0f, 0.005f, 0.0f }, // the one sample is at 0
        { "1", 131071.0f, 131073.0f, 1.929998517036438f }, // x moves by 1/64 up here
        { "1", 2.0f, 2.0f, 0.0f },
        { "1", 3.0f, 1.0f, 0.0f },
        { "1", 1.0f, -kInf, 0.0f },
        { "1/x", 0.0f, 0.005f, kInf },
        { "sqrt(x)", -1.0f, 1.0f, std::numeric_limits<float>::quiet_NaN() },
    };
    for (const IntegralCase& c : cases) {
        SCOPED_TRACE(c.expression + (" from " + std::to_string(c.lower)));
        const Integral integral = Integrate(Compile(c.expression), c.lower, c.upper);
        const float sum = integral.sum;
        EXPECT_FALSE(integral.stoppedAt.has_value());
        if (std::isnan(c.expected))
            EXPECT_TRUE(std::isnan(sum));
        else
            EXPECT_EQ(sum, c.expected);
    }
}

TEST(Integration, TheLastOfTheHundredAndOneSamplesIsJustBelowOne)
{
    // floor(x + 0.00000066) is 1 only from the 0.99999934 of the last sample on; 0.0000006
    // leaves every sample below 1.
    EXPECT_EQ(Integrate(Compile("floor(x+0.00000066)"), 0.0f, 1.0f).sum, 0.01f);
    EXPECT_EQ(Integrate(Compile("floor(x+0.0000006)"), 0.0f, 1.0f).sum, 0.0f);
}

TEST(Integration, EndsWhereXStopsIncreasingAndSaysWhere)
{
    const struct {
        float lower;
        float upper;
        float expected;
        std::optional<float> stoppedAt;
    } cases[] = {
        // From 2^18 on x + h rounds back to x: one sample.
        { 262144.0f, 262200.0f, 0.01f, 262144.0f },
        { 1e30f, kInf, 0.01f, 1e30f },
        { -262145.0f, 0.0f, 0.01f, -262145.0f },
        // Just above -2^18 the float steps are fine enough to move on.
        { -262144.0f, -262143.9f, 0.069999992847442627f, std::nullopt },
        // An open upper limit runs up to 2^18 and stops there.
        { 262000.0f, kInf, 92.171279907226562f, 262144.0f },
        { 0.0f, 1e6f, 262144.0f, 262144.0f }, // the float sum stops growing first
        { -kInf, 0.0f, 0.01f, -kInf },
        { -kInf, kInf, 0.01f, -kInf },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.lower) + " to " + std::to_string(c.upper));
        const Integral integral = Integrate(Compile("1"), c.lower, c.upper);
        EXPECT_EQ(integral.sum, c.expected);
        EXPECT_EQ(integral.stoppedAt, c.stoppedAt);
    }
    EXPECT_EQ(Integrate(Compile("x"), -kInf, 0.0f).sum, -kInf);
}

TEST(Integration, NotANumberLimitsGiveZero)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Integrate(Compile("1"), nan, 1.0f).sum, 0.0f);
    EXPECT_EQ(Integrate(Compile("1"), 0.0f, nan).sum, 0.0f);
}

} // namespace
} // namespace plovex
