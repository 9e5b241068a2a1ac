#include "engine/Program.h"

#include "engine/Evaluator.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/TokenList.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace plovex {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Points where rounding, signs and special values tend to show a difference.
const float kPoints[] = {
    0.0f,
    -0.0f,
    1.0f,
    -1.0f,
    0.5f,
    2.0f,
    -2.5f,
    3.0f,
    0.1f,
    -7.25f,
    100.0f,
    0.01f,
    1.5707964f,
    3.1415927f,
    1e-30f,
    -1e-30f,
    1e-40f, // subnormal
    1e30f,
    -1e30f,
    3.4028235e38f,
    kInf,
    -kInf,
    kNaN,
};

struct Mismatch {
    bool found = false;
    std::string where;
};

// Same bits, or both NaN (the sign and payload of a NaN carry no meaning).
bool SameResult(double expected, double actual)
{
    if (std::isnan(expected) && std::isnan(actual))
        return true;
    return std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual);
}

Mismatch CompareEverywhere(const TokenList& queue)
{
    const Program program = Program::Compile(queue);
    for (const bool derivative : { false, true }) {
        for (const float x : kPoints) {
            for (const float y : { 0.0f, -0.0f, 1.0f, -3.0f, 1e30f, kInf, kNaN, x }) {
                const double expected = Evaluate(queue, derivative, x, y);
                const double actual = program.Evaluate(derivative, x, y);
                if (!SameResult(expected, actual)) {
                    return { true,
                        "derivative " + std::to_string(derivative) + " x " + FormatExact(x) + " y "
                            + FormatExact(y) + ": expected " + FormatExact(expected) + ", got "
                            + FormatExact(actual) };
                }
            }
        }
    }
    return {};
}

void ExpectSameAsEvaluate(const std::string& expression, bool implicit)
{
    SCOPED_TRACE(expression + (implicit ? " (implicit)" : ""));
    TokenList queue;
    TokenList operators;
    std::string postfix;
    // A failed parse leaves a partial queue that is evaluated all the same.
    (void)Parse(expression, implicit, queue, operators, postfix);
    const Mismatch mismatch = CompareEverywhere(queue);
    EXPECT_FALSE(mismatch.found) << mismatch.where;
}

TEST(Program, MatchesEvaluateOnChosenExpressions)
{
    const char* const expressions[] = {
        "",
        "x",
        "-x",
        "x-x",
        "x++", // an operator short of operands
        "+",
        "x+",
        "2 3", // operands side by side: the top one is the value
        "2x",
        "x 2",
        "x^2",
        "x^2^3",
        "x^3",
        "y^4",
        "(x+1)^3*(x-1)^4",
        "2^x",
        "x^0.5",
        "x^-2",
        "(x)^2",
        "sin(x)^2",
        "2+3", // folded at compile time
        "2+3*x",
        "x*(2+3)",
        "sin(2)*x",
        "cosec(0)+x",
        "1/0",
        "0/0*x",
        "sqrt(-1)",
        "ln 0",
        "((x",
        "sin(x",
        "x+(x",
        "x*y",
        "y^2+x^2-100",
        "sin(x*y/(x+y))",
        "tan(x*y)",
        "x^2+5*x+6",
        "1/((x^2+1)^1.5)",
        "3*x^4-2*x^3+x^2-7*x+sin(x)*cos(x)/(1+x^2)",
        "sin cos tan cosec sec cot asin acos atan e ln log abs sqrt floor x",
        "floor(x)*abs(x)-sqrt(abs(x))",
        "99999999999999999999999999999999999999999*x", // an infinite constant
        "0.00000000000000000000000000000000000000000001*x",
        "2sin(x)",
        "1e5",
        "log10(x)",
        "exp(x)",
        ")x",
        "x*y/0",
    };
    for (const char* expression : expressions) {
        ExpectSameAsEvaluate(expression, false);
        ExpectSameAsEvaluate(expression, true);
    }
}

// Each row of the function table runs as its own instruction: a handler out of step with the
// table would compute a neighbour's function, which the table's own formula shows here.
TEST(Program, RunsEachFunctionOfTheTable)
{
    for (const Function& function : kFunctions) {
        const std::string expression = std::string(function.name) + "(x)";
        SCOPED_TRACE(expression);
        TokenList queue;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(Parse(expression, false, queue, operators, postfix).Ok());
        const Program program = Program::Compile(queue);
        for (const float x : kPoints) {
            const float expected = ToFloat(function.apply(x));
            EXPECT_TRUE(SameResult(expected, program.Evaluate(false, x, 0.0f)))
                << "x " << FormatExact(x) << ": expected " << FormatExact(expected);
        }
    }
}

TEST(Program, MatchesEvaluateOnDeepStacks)
{
    // Deeper than any fixed local stack: every x waits for the operators at the end.
    for (const int depth : { 10, 63, 64, 65, 200, 1000 }) {
        std::string nested;
        std::string tail;
        for (int i = 0; i < depth; ++i) {
            nested += "x+(";
            tail += ")";
        }
        ExpectSameAsEvaluate(nested + "y" + tail, true);
        std::string operands;
        for (int i = 0; i < depth; ++i)
            operands += "x ";
        ExpectSameAsEvaluate(operands + "+", false);
    }
}

// Expression texts made of the parser's whole alphabet: every function, the operators,
// numbers of all sizes, x, y, blanks, groups (balanced or not) and some bad characters.
class ExpressionGenerator {
    static constexpr const char* kFunctions[] = { "sin", "cos", "tan", "cosec", "sec", "cot",
        "asin", "acos", "atan", "e", "ln", "log", "abs", "sqrt", "floor" };
    static constexpr const char* kNumbers[]
        = { "0", "1", "2", "3", "0.5", "10", "1.5", "2.5.1", "12.", "100", "0.01", "1e5", "7",
              "1000000", "0.0000001", "99999999999999999999999999999999999999999", "3.14159265" };
    static constexpr const char* kOperators[] = { "+", "-", "*", "/", "^" };

public:
    explicit ExpressionGenerator(std::uint32_t seed)
        : m_random(seed)
    { }

    // Half of the texts are well formed, half are any sequence of the alphabet's pieces.
    std::string Next() { return Uniform(0, 1) ? Grammatical(3) : Soup(); }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    std::string Grammatical(int depth)
    {
        std::string text = Operand(depth);
        const int more = Uniform(0, 3);
        for (int i = 0; i < more; ++i) {
            text += kOperators[Uniform(0, std::size(kOperators) - 1)];
            text += Operand(depth);
        }
        return text;
    }

    std::string Operand(int depth)
    {
        std::string text;
        switch (depth > 0 ? Uniform(0, 5) : Uniform(0, 2)) {
        case 0:
            return "x";
        case 1:
            return "y";
        case 2:
            return kNumbers[Uniform(0, std::size(kNumbers) - 1)];
        case 3:
            text += '(';
            text += Grammatical(depth - 1);
            text += ')';
            return text;
        case 4:
            text += kFunctions[Uniform(0, std::size(kFunctions) - 1)];
            text += '(';
            text += Grammatical(depth - 1);
            text += ')';
            return text;
        default:
            text += kFunctions[Uniform(0, std::size(kFunctions) - 1)];
            text += ' ';
            text += Operand(depth - 1);
            return text;
        }
    }

    std::string Soup()
    {
        std::string text;
        const int pieces = Uniform(1, 24);
        int open = 0;
        for (int i = 0; i < pieces; ++i)
            text += Piece(open);
        if (Uniform(0, 3) != 0)
            text.append(static_cast<std::size_t>(open), ')');
        return text;
    }

    std::string Piece(int& open)
    {
        static const char* const kOdd[]
            = { " ", "  ", "foo", "sinn", "(", ")", ".", "Q", "\t", ",", "2sin", "log10", "exp" };
        switch (Uniform(0, 9)) {
        case 0:
        case 1:
            return "x";
        case 2:
            return "y";
        case 3:
        case 4:
            return kNumbers[Uniform(0, std::size(kNumbers) - 1)];
        case 5:
        case 6:
            return kOperators[Uniform(0, std::size(kOperators) - 1)];
        case 7: {
            ++open;
            const char* function = kFunctions[Uniform(0, std::size(kFunctions) - 1)];
            return std::string(Uniform(0, 1) ? function : "") + "(";
        }
        case 8:
            if (open > 0) {
                --open;
                return ")";
            }
            return "x";
        default:
            return Uniform(0, 3) == 0 ? kOdd[Uniform(0, std::size(kOdd) - 1)]
                                      : kFunctions[Uniform(0, std::size(kFunctions) - 1)];
        }
    }

    std::mt19937 m_random;
};

TEST(Program, MatchesEvaluateOnGeneratedExpressions)
{
    ExpressionGenerator generator(20240611);
    for (int i = 0; i < 6000; ++i) {
        const std::string expression = generator.Next();
        ExpectSameAsEvaluate(expression, i % 2 == 0);
        if (HasFailure())
            return; // one counterexample says enough
    }
}

TEST(Program, MatchesEvaluateAlongASweep)
{
    // Ordinary values, as a plot meets them: the maths functions at many arguments.
    const char* const expressions[] = { "sin(x)*cos(x)", "x*sin(x)", "tan(x)^2-sec(x)",
        "atan(x)/asin(x/100)+acos(x/100)", "e(x/10)-ln(abs(x))+log(x^2)", "sqrt(x)-floor(x/3)",
        "cot(x)*cosec(x)", "(x/7)^3-(x/3)^4+x^3*x^4" };
    for (const char* expression : expressions) {
        SCOPED_TRACE(expression);
        TokenList queue;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(Parse(expression, false, queue, operators, postfix).Ok());
        const Program program = Program::Compile(queue);
        int mismatches = 0;
        for (float px = -305.0f; px < 305.0f; px = static_cast<float>(px + 0.1)) {
            const float x = static_cast<float>(px / 10.0);
            for (const bool derivative : { false, true }) {
                if (!SameResult(Evaluate(queue, derivative, x, 0.0f),
                        program.Evaluate(derivative, x, 0.0f)))
                    ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

// What attached code is given: set before each run, as code made for the program would know it.
std::size_t g_attachedDepth = 0;

float FillTheStackAndSubtract(const float* variables, float* stack)
{
    for (std::size_t i = 0; i < g_attachedDepth; ++i)
        stack[i] = 0.0f;
    return variables[0] - variables[1];
}

// The seam a code generator uses: Run hands the attached code x and y in that order and a stack
// of StackDepth() floats, which it may fill to the end (the sanitizers see any overrun), and every
// copy of the program runs the same code.
TEST(Program, RunsAttachedCodeWithItsVariablesAndAStackOfItsDepth)
{
    for (const int nesting : { 0, 62, 63, 64, 1000 }) {
        std::string expression = "y";
        for (int i = 0; i < nesting; ++i)
            expression = "x+(" + expression + ")";
        SCOPED_TRACE(expression.substr(0, 12) + "... nested " + std::to_string(nesting));
        TokenList queue;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(Parse(expression, true, queue, operators, postfix).Ok());
        Program program = Program::Compile(queue);
        EXPECT_EQ(program.StackDepth(), static_cast<std::size_t>(nesting) + 2);
        EXPECT_FALSE(program.IsNative());
        program.AttachNative(nullptr, FillTheStackAndSubtract);
        const Program copy = program;
        g_attachedDepth = program.StackDepth();
        EXPECT_TRUE(copy.IsNative());
        EXPECT_EQ(copy.Run(5.0f, 1.5f), 3.5f);
        EXPECT_EQ(copy.Evaluate(false, 5.0f, 1.5f), 3.5);
        // The difference quotient of x - y: both runs go to the attached code.
        EXPECT_EQ(copy.Evaluate(true, 0.0f, 0.0f), 1.0);
    }
}

} // namespace
} // namespace plovex
