#include "engine/Parser.h"

#include "engine/TokenList.h"

#include <gtest/gtest.h>

namespace plovex {
namespace {

struct PostfixCase {
    const char* expression;
    bool implicit;
    const char* postfix;
};

TEST(Parser, PostfixTexts)
{
    const PostfixCase cases[] = {
        { "", false, "" },
        { "x", false, "x" },
        { "3*x^2+2*x-1", false, "(3.000000)x(2.000000)^*(2.000000)x*+(1.000000)-" },
        { "sin(x)", false, "xs" },
        { "sin x", false, "xs" },
        { "sinx", false, "xs" },
        { "sin x^2", false, "xs(2.000000)^" },
        { "sin(x)^2", false, "xs(2.000000)^" },
        { "cos sin x", false, "xsc" },
        { "abs(x-1)/2", false, "x(1.000000)-m(2.000000)/" },
        { "e x", false, "xe" },
        { "x^2^3", false, "x(2.000000)^(3.000000)^" },
        { "-x", false, "x-" },
        { "x+-2", false, "x+(2.000000)-" },
        { "2x", false, "(2.000000)x" },
        { "x 2", false, "x(2.000000)" },
        { "()", false, "" },
        { "2.5.1", false, "(2.500000)" },
        { "x*y", true, "xy*" },
        { "x+foo", false, "x+" },
        { "2sin(x)", false, "(0.000000)xs" }, // the name takes over the shared buffer
        { "1e5", false, "(0.000000)" },
        { "sin(x)+2*x^2", false, "xs(2.000000)x(2.000000)^*+" },
        { "sin(x", false, "xs" }, // open groups close at the end of the text
        { "x+(x", false, "xx+" },
        { "((x)", false, "x" },
        { "0.1", false, "(0.100000)" },
        { "3.14159265", false, "(3.141593)" },
    };
    for (const PostfixCase& c : cases) {
        SCOPED_TRACE(c.expression);
        TokenList queue;
        TokenList operators;
        std::string postfix = "unchanged";
        const ParseResult result = Parse(c.expression, c.implicit, queue, operators, postfix);
        EXPECT_TRUE(result.Ok()) << result.message;
        EXPECT_EQ(postfix, c.postfix);
        EXPECT_TRUE(operators.IsEmpty());
    }
}

} // namespace
} // namespace plovex
