#include "engine/Parser.h"

#include "engine/PostfixText.h"
#include "engine/TokenList.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

std::string Kinds(const TokenList& list)
{
    std::string kinds;
    list.ForEach([&kinds](const Token& token) { kinds += token.kind; });
    return kinds;
}

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
        { "2x", false, "(2.000000)x*" }, // operands side by side multiply
        { "x 2", false, "x(2.000000)*" }, // operands side by side multiply
        { "()", false, "" },
        { "2.5.1", false, "(2.500000)" },
        { "x*y", true, "xy*" },
        { "2sin(x)", false, "(2.000000)xs*" }, // a name ends the number, then multiplies
        { "1e5", false, "(100000.000000)" }, // a number's exponent
        { "sin(x)+2*x^2", false, "xs(2.000000)x(2.000000)^*+" },
        { "sin(x", false, "xs" }, // open groups close at the end of the text
        { "x+(x", false, "xx+" },
        { "((x)", false, "x" },
        { "0.1", false, "(0.100000)" },
        { "3.14159265", false, "(3.141593)" },
        { "16777217", false, "(16777216.000000)" }, // the float's value, not the digits typed
        { "0.123456789", false, "(0.123457)" },
        { "99999999999999999999", false, "(100000002004087734272.000000)" },
        { "1"
          "000000000000000000000000000000000000000",
            false, "(inf)" }, // 1e39 overflows
        { "12.", false, "(12.000000)" },
        { "007", false, "(7.000000)" },
        { "x y", true, "xy*" }, // operands side by side multiply
        { "y", true, "y" },
        { "   ", false, "" },
        { "((((", false, "" },
        { "x*(x", false, "xx*" },
        { "sin(cos(x", false, "xcs" },
        { "2*(3+(x", false, "(2.000000)(3.000000)x+*" },
        { "x-y-1", true, "xy-(1.000000)-" },
        { "x/2/3", false, "x(2.000000)/(3.000000)/" },
        { "1-2*3^4", false, "(1.000000)(2.000000)(3.000000)(4.000000)^*-" },
        { "x^2*3", false, "x(2.000000)^(3.000000)*" },
        { "sin x+1", false, "xs(1.000000)+" },
        { "sin(x+1)", false, "x(1.000000)+s" },
        { "tan cot sec cosec x", false, "xSCTt" },
        { "asin acos atan x", false, "xbAa" },
        { "ln log abs sqrt floor x", false, "xfrmLl" },
        { "x++", false, "x++" },
        { "+", false, "+" },
        { "sqrt(0-1)", false, "(0.000000)(1.000000)-r" },
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

// Implied multiplication, exponents and pi: each example with the postfix text it reads as.
TEST(Parser, ReadsOperandsSideBySideExponentsAndPi)
{
    const PostfixCase cases[] = {
        { "2 3", false, "(2.000000)(3.000000)*" },
        { "x2", false, "x(2.000000)*" },
        { "2(x+1)", false, "(2.000000)x(1.000000)+*" },
        { "(x+1)(x-1)", false, "x(1.000000)+x(1.000000)-*" },
        { "x(x+1)", false, "xx(1.000000)+*" },
        { "x sin x", false, "xxs*" },
        { "(x)sin x", false, "xxs*" },
        { "2x^2", false, "(2.000000)x(2.000000)^*" }, // the precedence of "*"
        { "1/2x", false, "(1.000000)(2.000000)/x*" },
        { "x^2x", false, "x(2.000000)^x*" },
        { "-2x", false, "(2.000000)x*-" },
        { "sin 2x", false, "(2.000000)sx*" }, // a function takes the operand next to it
        { "2x y", true, "(2.000000)x*y*" },
        { "(x)(y)", true, "xy*" },
        { "2.5e-3", false, "(0.002500)" },
        { "1e+2", false, "(100.000000)" },
        { "x^2-1e-2", false, "x(2.000000)^(0.010000)-" },
        { "1e39", false, "(inf)" },
        { "2e(x)", false, "(2.000000)xe*" }, // "e" without a digit after it is the function
        { "2e x", false, "(2.000000)xe*" },
        { "pi", false, "(3.141593)" },
        { "x*pi", false, "x(3.141593)*" },
        { "2pi", false, "(2.000000)(3.141593)*" },
        { "pi x", false, "(3.141593)x*" },
        { "pix", false, "(3.141593)x*" },
        { "sin pi", false, "(3.141593)s" },
        { "e(x)", false, "xe" },
        { "sin cos(x)", false, "xcs" },
    };
    for (const PostfixCase& c : cases) {
        SCOPED_TRACE(c.expression);
        TokenList queue;
        TokenList operators;
        std::string postfix;
        const ParseResult result = Parse(c.expression, c.implicit, queue, operators, postfix);
        EXPECT_TRUE(result.Ok()) << result.message;
        EXPECT_EQ(postfix, c.postfix);
    }
}

struct ErrorCase {
    const char* expression;
    bool implicit;
    ParseError error;
    const char* message;
    const char* queue; // the postfix text of what the queue holds after the error
    const char* operators; // the kinds left on the operator stack, bottom first
};

TEST(Parser, ErrorsStopAtTheFailingCharacterAndKeepWhatWasBuilt)
{
    const ErrorCase cases[] = {
        { ".5", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol '.'.", "",
            "(" },
        { "SIN(x)", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol 'S'.",
            "", "(" },
        { "x*y", false, ParseError::VariableYNotAllowed,
            "Parse Error: Variable 'y' allowed only in implicit functions.", "x", "(*" },
        { "y", false, ParseError::VariableYNotAllowed,
            "Parse Error: Variable 'y' allowed only in implicit functions.", "", "(" },
        { ")", false, ParseError::UnmatchedParentheses, "Parse Error: Unmatched parentheses.", "",
            "(" },
        { "(x))", false, ParseError::UnmatchedParentheses, "Parse Error: Unmatched parentheses.",
            "x", "(" },
        { "x+1)", false, ParseError::UnmatchedParentheses, "Parse Error: Unmatched parentheses.",
            "x(1.000000)", "(+" }, // the number is emitted by the ")" that fails
        { "exp(x)", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'p'.", "xe",
            "(*" }, // e(x), then p starts a name after the operand: an implied "*"
        { "max(x,1)", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'ma'.", "", "(" },
        { "log10(x)", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'log10'.", "", "(" }, // digits continue a name
        { "sin2e5+x", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'sin2e5'.", "", "(" }, // digits continue a name
        { "x+foo", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'foo'.", "x",
            "(+" }, // a name at the end is looked up, not dropped
        { "2inf+", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'inf'.", "(2.000000)",
            "(*" }, // a name no longer takes over a number's buffer
        { "2nan", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'nan'.", "(2.000000)",
            "(*" }, // a name no longer takes over a number's buffer
        { "sinn(x)", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'sinn'.", "", "(" },
        { "foo x", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'foo'.", "", "(" }, // a blank ends the name
        { "Sin(x)", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol 'S'.",
            "", "(" },
        { "x\t", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol '\t'.",
            "x", "(" },
        { "2A", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol 'A'.",
            "(2.000000)", "(" },
        { "x,1", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol ','.",
            "x", "(" },
        { "sin .5", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol '.'.",
            "", "(s" },
        { "x+(2*X", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol 'X'.",
            "x(2.000000)", "(+(*" },
        { "x\n", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol '\n'.",
            "x", "(" },
        { "e^x", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'e' has no argument.", "", "(e" },
        { "sin+1", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'sin' has no argument.", "", "(s" },
        { "x+sin", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'sin' has no argument.", "x", "(+s" },
        { "(sin )", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'sin' has no argument.", "", "((s" },
        { "sin)", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'sin' has no argument.", "", "(s" },
        { "1e", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'e' has no argument.", "(1.000000)", "(*e" },
        { "1e+", false, ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'e' has no argument.", "(1.000000)", "(*e" },
        { "2E5", false, ParseError::UnrecognisedSymbol, "Parse Error: Unrecognised symbol 'E'.",
            "(2.000000)", "(" },
        { "x*pi2", false, ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'pi2'.", "x", "(*" },
        { "x y", false, ParseError::VariableYNotAllowed,
            "Parse Error: Variable 'y' allowed only in implicit functions.", "x", "(*" },
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.expression);
        TokenList queue;
        TokenList operators;
        std::string postfix = "from the last parse";
        const ParseResult result = Parse(c.expression, c.implicit, queue, operators, postfix);
        EXPECT_FALSE(result.Ok());
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(PostfixText(queue), c.queue);
        EXPECT_EQ(Kinds(operators), c.operators);
        EXPECT_EQ(postfix, "from the last parse");
    }
}

// What each kind of function lets an expression name, and parameters: x and y keep their
// tokens, t and parameters read their slots and show in braces.
TEST(Parser, NamesTheKindAllowsAndTheParameters)
{
    using Names = ExpressionNames;
    const std::vector<std::string> ak2 { "a", "k2" };
    const struct {
        const char* expression;
        Names names;
        ParseError error;
        const char* text; // the postfix text, or the message of an error
        const char* detail;
    } cases[] = {
        { "x", Names::Explicit(), ParseError::None, "x", "" },
        { "x*y", Names::Implicit(), ParseError::None, "xy*", "" },
        { "y", Names::Explicit(), ParseError::VariableYNotAllowed,
            "Parse Error: Variable 'y' allowed only in implicit functions.", "" },
        { "t", Names::Explicit(), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 't'.", "t" },
        { "x+t", Names::Implicit(), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 't'.", "t" },
        { "t", Names::Explicit({ "t" }), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 't'.", "t" }, // never a parameter
        { "t", Names::Curve(), ParseError::None, "{t}", "" },
        { "t-sin t", Names::Curve(), ParseError::None, "{t}{t}s-", "" },
        { "tan t", Names::Curve(), ParseError::None, "{t}t", "" }, // tan's code is 't'
        { "2t", Names::Curve(), ParseError::None, "(2.000000){t}*", "" },
        { "x", Names::Curve(), ParseError::VariableNotInCurve,
            "Parse Error: Variable 'x' not allowed in parametric and polar functions, which use "
            "t.",
            "x" },
        { "t+y", Names::Curve(), ParseError::VariableNotInCurve,
            "Parse Error: Variable 'y' not allowed in parametric and polar functions, which use "
            "t.",
            "y" },
        { "a*x", Names::Explicit(ak2), ParseError::None, "{a}x*", "" },
        { "2a", Names::Explicit(ak2), ParseError::None, "(2.000000){a}*", "" },
        { "a(x+1)", Names::Explicit(ak2), ParseError::None, "{a}x(1.000000)+*", "" },
        { "a sin x", Names::Explicit(ak2), ParseError::None, "{a}xs*", "" },
        { "ax", Names::Explicit(ak2), ParseError::None, "{a}x*", "" },
        { "k2 x^2", Names::Explicit(ak2), ParseError::None, "{k2}x(2.000000)^*", "" },
        { "sin a", Names::Explicit(ak2), ParseError::None, "{a}s", "" },
        { "a^a", Names::Implicit(ak2), ParseError::None, "{a}{a}^", "" },
        { "a t", Names::Curve(ak2), ParseError::None, "{a}{t}*", "" },
        { "at", Names::Curve(ak2), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'at'.", "at" }, // one name, as log10 is
        { "k", Names::Explicit(ak2), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'k'.", "k" },
        { "x+b", Names::Explicit(ak2), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'b'.", "b" },
        { "a", Names::Explicit(), ParseError::UnrecognisedFunction,
            "Parse Error: Unrecognised function 'a'.", "a" },
        { "pi", Names::Explicit({ "pi" }), ParseError::None, "(3.141593)", "" },
        { "sin", Names::Explicit({ "sin" }), ParseError::FunctionWithoutArgument,
            "Parse Error: Function 'sin' has no argument.", "sin" },
        { "a", Names::Explicit({ "a", "a" }), ParseError::None, "{a}", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        TokenList queue;
        TokenList operators;
        std::string postfix;
        const ParseResult result = Parse(c.expression, c.names, queue, operators, postfix);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.Ok() ? postfix : result.message, c.text);
        EXPECT_EQ(result.detail, c.detail);
    }
}

// Each name reads its own slot: x 0, y 1, t 2, the parameters from 3 in their order.
TEST(Parser, SlotsFollowTheParametersOrder)
{
    const ExpressionNames names = ExpressionNames::Curve({ "b", "a", "c1" });
    TokenList queue;
    TokenList operators;
    std::string postfix;
    ASSERT_TRUE(Parse("c1 a b t", names, queue, operators, postfix).Ok());
    std::string slots;
    queue.ForEach([&slots](const Token& token) {
        if (token.kind == kSlotOperand)
            slots += std::to_string(token.slot) + " ";
    });
    EXPECT_EQ(slots, "5 4 3 2 ");
    EXPECT_EQ(postfix, "{c1}{a}*{b}*{t}*");
    EXPECT_EQ(names.SlotCount(), 6u);
}

TEST(Parser, ShowsAWholeCharacterOutsideAscii)
{
    const struct {
        const char* expression;
        const char* message;
        const char* queue;
    } cases[] = {
        { "x+\u03c0", "Parse Error: Unrecognised symbol '\u03c0'.", "x" }, // two bytes
        { "\u00e9", "Parse Error: Unrecognised symbol '\u00e9'.", "" },
        { "2\u20ac", "Parse Error: Unrecognised symbol '\u20ac'.", "(2.000000)" }, // three bytes
        { "x\U0001F600x", "Parse Error: Unrecognised symbol '\U0001F600'.", "x" }, // four bytes
        // A text that is no UTF-8 shows each byte as its Latin-1 character: the message holds
        // the one byte, which reads back the same way (the byte E9 as \u00e9).
        { "x\xff", "Parse Error: Unrecognised symbol '\xff'.", "x" },
        { "x+\xe9", "Parse Error: Unrecognised symbol '\xe9'.", "x" },
        { "\x80x", "Parse Error: Unrecognised symbol '\x80'.", "" },
        { "x\xc3", "Parse Error: Unrecognised symbol '\xc3'.", "x" }, // cut off at the end
        { "\xe2\x82x", "Parse Error: Unrecognised symbol '\xe2'.", "" },
        { "\xc0\xaf", "Parse Error: Unrecognised symbol '\xc0'.", "" }, // overlong "/"
        { "\xe0\x80\xaf", "Parse Error: Unrecognised symbol '\xe0'.", "" }, // overlong "/"
        { "\xed\xa0\x80", "Parse Error: Unrecognised symbol '\xed'.", "" }, // a surrogate
        { "\xf0\x80\x80\xaf", "Parse Error: Unrecognised symbol '\xf0'.", "" },
        { "\xf4\x90\x80\x80", "Parse Error: Unrecognised symbol '\xf4'.", "" }, // > U+10FFFF
        // A UTF-8 character in a text that is not UTF-8 as a whole shows as its bytes do.
        { "\u00e9\xe9", "Parse Error: Unrecognised symbol '\xc3'.", "" },
        { "\xed\x9f\xbf", "Parse Error: Unrecognised symbol '\uD7FF'.", "" },
        { "\xf4\x8f\xbf\xbf", "Parse Error: Unrecognised symbol '\U0010FFFF'.", "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        TokenList queue;
        TokenList operators;
        std::string postfix = "before";
        const ParseResult result = Parse(c.expression, false, queue, operators, postfix);
        EXPECT_EQ(result.error, ParseError::UnrecognisedSymbol);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(PostfixText(queue), c.queue);
        EXPECT_EQ(postfix, "before");
    }
}

TEST(Parser, EmptyExpressionGivesEmptyListsAndText)
{
    TokenList queue;
    TokenList operators;
    std::string postfix = "x(2.000000)^";
    const ParseResult result = Parse("", false, queue, operators, postfix);
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(postfix, "");
    EXPECT_TRUE(queue.IsEmpty());
    EXPECT_TRUE(operators.IsEmpty());
    EXPECT_EQ(queue.BlockCount(), 0u);
    EXPECT_EQ(operators.BlockCount(), 0u);
}

TEST(Parser, ClearsBothListsBeforeParsing)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    for (int i = 0; i < 35; ++i)
        queue.Append({ 'x', 0.0f });
    operators.Append({ '+', 0.0f });
    (void)Parse("x+1", false, queue, operators, postfix);
    EXPECT_EQ(postfix, "x(1.000000)+");
    EXPECT_EQ(queue.Count(), 3u);
    EXPECT_EQ(queue.BlockCount(), 1u); // storage is allocated afresh by each parse
    EXPECT_TRUE(operators.IsEmpty());
    EXPECT_EQ(operators.BlockCount(), 0u);

    // A failed parse clears too, and a later good parse starts from nothing.
    const ParseResult failed = Parse("(x))", false, queue, operators, postfix);
    EXPECT_FALSE(failed.Ok());
    EXPECT_EQ(postfix, "x(1.000000)+");
    EXPECT_EQ(Kinds(queue), "x");
    (void)Parse("x*x", false, queue, operators, postfix);
    EXPECT_EQ(postfix, "xx*");
}

TEST(Parser, LongExpressionsUseMoreBlocks)
{
    std::string expression = "x";
    for (int i = 0; i < 12; ++i)
        expression += "+x";
    TokenList queue;
    TokenList operators;
    std::string postfix;
    ASSERT_TRUE(Parse(expression, false, queue, operators, postfix).Ok());
    EXPECT_EQ(queue.Count(), 25u);
    EXPECT_EQ(queue.BlockCount(), 3u);
    EXPECT_EQ(postfix, "xx+x+x+x+x+x+x+x+x+x+x+x+");
}

} // namespace
} // namespace plovex
