#include "engine/Program.h"

#include "engine/Evaluator.h"
#include "engine/ExpressionNames.h"
#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/PostfixText.h"
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

// The parameters the tests name, reading slots 3 and 4.
const std::vector<std::string> kParameters { "a", "k2" };

// Over the whole array of slots (x, y, t, a, k2), and through the x-and-y form that explicit
// and implicit renderings use, where every other slot reads NaN.
Mismatch CompareEverywhere(const TokenList& queue)
{
    const Program program = Program::Compile(queue);
    const float others[] = { 0.0f, -0.0f, 1.0f, -3.0f, 1e30f, kInf, kNaN };
    constexpr std::size_t kOthers = std::size(others);
    for (const bool derivative : { false, true }) {
        for (const float x : kPoints) {
            for (std::size_t i = 0; i <= kOthers; ++i) {
                const float y = i < kOthers ? others[i] : x;
                const float variables[] = { x, y, others[(i + 1) % kOthers],
                    others[(i + 2) % kOthers], others[(i + 3) % kOthers] };
                const double results[] = { Evaluate(queue, derivative, variables),
                    program.Evaluate(derivative, variables), Evaluate(queue, derivative, x, y),
                    program.Evaluate(derivative, x, y) };
                for (const int pair : { 1, 3 }) {
                    if (SameResult(results[pair - 1], results[pair]))
                        continue;
                    return { true,
                        "derivative " + std::to_string(derivative) + " slot " + std::to_string(i)
                            + " x " + FormatExact(x) + (pair == 3 ? " (x and y only)" : "")
                            + ": expected " + FormatExact(results[pair - 1]) + ", got "
                            + FormatExact(results[pair]) };
                }
            }
        }
    }
    return {};
}

void ExpectSameAsEvaluate(const std::string& expression, const ExpressionNames& names)
{
    SCOPED_TRACE(expression + " (variables " + std::to_string(static_cast<int>(names.variables))
        + ", " + std::to_string(names.parameters.size()) + " parameters)");
    TokenList queue;
    TokenList operators;
    std::string postfix;
    // A failed parse leaves a partial queue that is evaluated all the same.
    (void)Parse(expression, names, queue, operators, postfix);
    const Mismatch mismatch = CompareEverywhere(queue);
    EXPECT_FALSE(mismatch.found) << mismatch.where;
}

void ExpectSameAsEvaluate(const std::string& expression, bool implicit)
{
    ExpectSameAsEvaluate(
        expression, implicit ? ExpressionNames::Implicit() : ExpressionNames::Explicit());
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
        "a*x",
        "x^a",
        "a^x",
        "2a x+k2",
        "t^2-a",
        "sin(a t)/k2",
        "a/0",
        "k2^2^a",
    };
    for (const char* expression : expressions) {
        ExpectSameAsEvaluate(expression, false);
        ExpectSameAsEvaluate(expression, true);
        ExpectSameAsEvaluate(expression, ExpressionNames::Implicit(kParameters));
        ExpectSameAsEvaluate(expression, ExpressionNames::Curve(kParameters));
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
        // Stopped by a bad symbol, the parse leaves every x on the stack and no operator:
        // the run ends with them all beneath the top (operands side by side now multiply).
        ExpectSameAsEvaluate(nested + "a@", ExpressionNames::Explicit(kParameters));
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
    static constexpr const char* kOtherNames[] = { "y", "t", "a", "k2", "pi" };

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
            return kOtherNames[Uniform(0, std::size(kOtherNames) - 1)];
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
            return kOtherNames[Uniform(0, std::size(kOtherNames) - 1)];
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
    const ExpressionNames names[] = { ExpressionNames::Explicit(), ExpressionNames::Implicit(),
        ExpressionNames::Curve(kParameters), ExpressionNames::Implicit(kParameters) };
    for (int i = 0; i < 6000; ++i) {
        const std::string expression = generator.Next();
        ExpectSameAsEvaluate(expression, names[i % std::size(names)]);
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

// Both evaluators of both queues: the expression with a parameter over its slots, and the
// same expression holding the value as a number; every result the same bits.
Mismatch CompareWithNumbers(const TokenList& withParameters, const TokenList& withNumbers,
    const std::vector<float>& parameterValues)
{
    const Program parameters = Program::Compile(withParameters);
    const Program numbers = Program::Compile(withNumbers);
    for (const bool derivative : { false, true }) {
        for (const float x : kPoints) {
            std::vector<float> variables { x, 0.0f, 0.0f };
            variables.insert(variables.end(), parameterValues.begin(), parameterValues.end());
            const double expected = Evaluate(withNumbers, derivative, x, 0.0f);
            const double results[] = { Evaluate(withParameters, derivative, variables.data()),
                parameters.Evaluate(derivative, variables.data()),
                numbers.Evaluate(derivative, x, 0.0f) };
            for (const double result : results) {
                if (!SameResult(expected, result)) {
                    return { true,
                        "derivative " + std::to_string(derivative) + " x " + FormatExact(x)
                            + ": expected " + FormatExact(expected) + ", got "
                            + FormatExact(result) };
                }
            }
        }
    }
    return {};
}

TEST(Program, AParameterEvaluatesAsTheNumberWrittenInItsPlace)
{
    const struct {
        const char* withParameters;
        const char* withNumbers;
        float a;
        float b;
    } cases[] = {
        { "a*x", "2.5*x", 2.5f, 0.0f },
        { "2a x", "2*2.5*x", 2.5f, 0.0f }, // folded into one constant
        { "a(x+1)", "2.5(x+1)", 2.5f, 0.0f },
        { "a sin x", "2.5 sin x", 2.5f, 0.0f },
        { "x^a", "x^2", 2.0f, 0.0f }, // a product where the number is written
        { "x^a", "x^3", 3.0f, 0.0f },
        { "x^a", "x^4", 4.0f, 0.0f },
        { "x^a", "x^0.5", 0.5f, 0.0f },
        { "a^x", "3^x", 3.0f, 0.0f },
        { "x/a", "x/0", 0.0f, 0.0f },
        { "sin(a)*x-b", "sin(0.1)*x-7", 0.1f, 7.0f },
        { "a*b*x", "0.1*0.2*x", 0.1f, 0.2f },
        { "e(a x)/b", "e(0.3 x)/1e30", 0.3f, 1e30f },
        { "(x-a)^2+b", "(x-1.5)^2+0.25", 1.5f, 0.25f },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.withParameters);
        TokenList withParameters;
        TokenList withNumbers;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(Parse(c.withParameters, ExpressionNames::Explicit({ "a", "b" }), withParameters,
            operators, postfix)
                        .Ok());
        ASSERT_TRUE(Parse(c.withNumbers, false, withNumbers, operators, postfix).Ok());
        const Mismatch mismatch = CompareWithNumbers(withParameters, withNumbers, { c.a, c.b });
        EXPECT_FALSE(mismatch.found) << mismatch.where;
    }
}

// Any value, the special ones included: the queue with the parameter's tokens replaced by
// number tokens holding the value.
TEST(Program, AParameterHoldingAnyValueEvaluatesAsThatNumberToken)
{
    const char* const expressions[] = { "x^a", "a^x", "a*x+a", "sin(a)/a", "a-a", "x^a^a",
        "(a+x)^3", "a", "a^2", "floor(a)*cosec a" };
    const float values[] = { 0.0f, -0.0f, 1.0f, -1.0f, 2.0f, 3.0f, 4.0f, 0.5f, -2.5f, 1e-40f, 1e30f,
        -1e30f, kInf, -kInf, kNaN };
    for (const char* expression : expressions) {
        TokenList withParameter;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(
            Parse(expression, ExpressionNames::Explicit({ "a" }), withParameter, operators, postfix)
                .Ok());
        for (const float value : values) {
            SCOPED_TRACE(std::string(expression) + " at a = " + FormatExact(value));
            TokenList withNumber;
            withParameter.ForEach([&](const Token& token) {
                withNumber.Append(token.kind == kSlotOperand ? Token { '0', value } : token);
            });
            const Mismatch mismatch = CompareWithNumbers(withParameter, withNumber, { value });
            EXPECT_FALSE(mismatch.found) << mismatch.where;
        }
    }
}

// More slots than a run copies in its own frame, and the x-and-y form of a program that reads
// more: the slots it is not given read NaN.
TEST(Program, ReadsEverySlotAndNaNForSlotsNotGiven)
{
    std::vector<std::string> names;
    std::vector<float> variables { 0.5f, 0.0f, 0.0f };
    for (int i = 0; i < 70; ++i) {
        names.push_back(std::string("p").append(std::to_string(i)));
        variables.push_back(static_cast<float>(i));
    }
    TokenList queue;
    TokenList operators;
    std::string postfix;
    ASSERT_TRUE(
        Parse("p69*x^2+p1", ExpressionNames::Explicit(names), queue, operators, postfix).Ok());
    const Program program = Program::Compile(queue);
    EXPECT_EQ(program.SlotCount(), 73u);
    for (const bool derivative : { false, true }) {
        SCOPED_TRACE(derivative);
        const double expected
            = derivative ? 69.689752229074059641789062879979610443115234375 : 18.25;
        EXPECT_TRUE(SameResult(expected, Evaluate(queue, derivative, variables.data())));
        EXPECT_TRUE(SameResult(expected, program.Evaluate(derivative, variables.data())));
        EXPECT_TRUE(std::isnan(program.Evaluate(derivative, 0.5f, 0.0f)));
        EXPECT_TRUE(std::isnan(Evaluate(queue, derivative, 0.5f, 0.0f)));
    }
    EXPECT_EQ(program.Run(variables.data()), 18.25f);
    EXPECT_TRUE(std::isnan(program.Run(0.5f, 0.0f)));
}

std::string Listing(const Program& program)
{
    std::string text;
    for (const Program::Instruction& instruction : program.Instructions()) {
        static const char* const kNames[] = { "Return", "ReturnNaN", "PushConst", "PushSlot", "Add",
            "Sub", "Mul", "Div", "Pow", "AddConst", "SubConst", "MulConst", "DivConst", "PowConst",
            "AddSlot", "SubSlot", "MulSlot", "DivSlot", "PowSlot", "Square", "Cube", "Fourth" };
        const auto op = static_cast<std::size_t>(instruction.op);
        if (!text.empty())
            text += ", ";
        if (op >= static_cast<std::size_t>(Program::Op::Function)) {
            text += kFunctions[op - static_cast<std::size_t>(Program::Op::Function)].name;
            continue;
        }
        const std::string_view name = kNames[op];
        text += name;
        if (name.ends_with("Const"))
            text.append(" ").append(FormatExact(instruction.constant));
        else if (name.ends_with("Slot"))
            text.append(" ").append(std::to_string(instruction.slot));
    }
    return text;
}

// The instructions a compiler of programs walks: operands folded into the operator after
// them, constants folded, small powers as products, and what a run needs to hold.
TEST(Program, CompilesToTheDocumentedInstructions)
{
    const struct {
        const char* expression;
        ExpressionNames names;
        const char* listing;
        std::size_t depth;
        std::size_t slots;
    } cases[] = {
        { "", ExpressionNames::Explicit(), "Return", 1, 0 },
        { "x", ExpressionNames::Explicit(), "PushSlot 0, Return", 2, 1 },
        { "x*2+y", ExpressionNames::Implicit(), "PushSlot 0, MulConst 2, AddSlot 1, Return", 3, 2 },
        { "2+3*x", ExpressionNames::Explicit(), "PushConst 2, PushConst 3, MulSlot 0, Add, Return",
            4, 1 },
        { "x^2-x^3/x^4", ExpressionNames::Explicit(),
            "PushSlot 0, Square, PushSlot 0, Cube, PushSlot 0, Fourth, Div, Sub, Return", 5, 1 },
        { "sin(2)*x", ExpressionNames::Explicit(),
            "PushConst 0.9092974066734314, MulSlot 0, Return", 3, 1 }, // counted before folding
        { "2^(0-x)", ExpressionNames::Explicit(),
            "PushConst 2, PushConst 0, SubSlot 0, Pow, Return", 4, 1 },
        { "sqrt(x)", ExpressionNames::Explicit(), "PushSlot 0, sqrt, Return", 2, 1 },
        { "a*t-b", ExpressionNames::Curve({ "a", "b" }), "PushSlot 3, MulSlot 2, SubSlot 4, Return",
            3, 5 },
        { "x++", ExpressionNames::Explicit(), "ReturnNaN", 1, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        TokenList queue;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(Parse(c.expression, c.names, queue, operators, postfix).Ok());
        const Program program = Program::Compile(queue);
        EXPECT_EQ(Listing(program), c.listing);
        EXPECT_EQ(program.StackDepth(), c.depth);
        EXPECT_EQ(program.SlotCount(), c.slots);
        EXPECT_EQ(program.Length(), program.Instructions().size());
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
        const float variables[] = { 5.0f, 1.5f };
        EXPECT_EQ(copy.Run(variables), 3.5f);
        EXPECT_EQ(copy.Evaluate(false, 5.0f, 1.5f), 3.5);
        // The difference quotient of x - y: both runs go to the attached code.
        EXPECT_EQ(copy.Evaluate(true, 0.0f, 0.0f), 1.0);
    }
}

} // namespace
} // namespace plovex
