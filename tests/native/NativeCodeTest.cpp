#include "native/NativeCode.h"

#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Token.h"
#include "engine/TokenList.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace plovex {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Zeros of both signs, infinities, NaNs, the largest and smallest floats, subnormals, and
// ordinary numbers where rounding shows.
const float kSpecial[] = { 0.0f, -0.0f, 1.0f, -1.0f, 0.5f, 2.0f, -3.0f, 3.0f, 0.1f, -7.25f,
    1.5707964f, 3.1415927f, kNaN, -kNaN, kInf, -kInf, 3.4028235e38f, -3.4028235e38f, 1e30f, -1e30f,
    1e-30f, 1.17549435e-38f, 1e-40f, -1e-40f, 1.4e-45f };

// The same bits, or both NaN (a NaN's sign and payload carry no meaning).
bool SameBits(double expected, double actual)
{
    return (std::isnan(expected) && std::isnan(actual))
        || std::bit_cast<std::uint64_t>(expected) == std::bit_cast<std::uint64_t>(actual);
}

// The postfix queue the parser builds, in implicit mode; a failed parse leaves what it built.
std::vector<Token> Parsed(const std::string& expression)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    (void)Parse(expression, true, queue, operators, postfix);
    std::vector<Token> tokens;
    queue.ForEach([&](const Token& token) { tokens.push_back(token); });
    return tokens;
}

// Machine code against the interpreter; with PLOVEX_JIT=0 there is no machine code to compare.
class NativeCode : public testing::Test {
protected:
    void SetUp() override
    {
        const char* jit = std::getenv("PLOVEX_JIT");
        if (jit && std::string_view(jit) == "0")
            GTEST_SKIP() << "PLOVEX_JIT=0 selects the interpreter";
    }
};

// The program compiled to machine code, which this test needs: every comparison below would
// otherwise set the interpreter against itself.
Program Native(const TokenList& queue)
{
    Program program = CompileProgram(queue);
    EXPECT_TRUE(program.IsNative()) << NativeCodeStatus();
    return program;
}

// The first point where machine code and interpreter differ, or nothing.
std::string FirstDifference(const std::vector<Token>& tokens,
    const std::vector<std::pair<float, float>>& at, bool derivative = false)
{
    TokenList queue;
    for (const Token& token : tokens)
        queue.Append(token);
    const Program native = Native(queue);
    const Program interpreted = Program::Compile(queue);
    for (const auto& [x, y] : at) {
        const double expected = interpreted.Evaluate(derivative, x, y);
        const double actual = native.Evaluate(derivative, x, y);
        if (!SameBits(expected, actual))
            return "x " + FormatExact(x) + " y " + FormatExact(y) + ": interpreter "
                + FormatExact(expected) + ", native " + FormatExact(actual);
    }
    return {};
}

std::vector<std::pair<float, float>> EverySpecialPair()
{
    std::vector<std::pair<float, float>> pairs;
    for (const float x : kSpecial) {
        for (const float y : kSpecial)
            pairs.emplace_back(x, y);
    }
    return pairs;
}

// Where the operands of a binary operator lie decides the code: variables read from memory,
// constants from the code's pool, values computed into registers, and values a call moved to
// the stack. x*1 and y^1 compute x and y exactly, in a register and through a call.
struct OperandShape {
    const char* name;
    std::vector<Token> (*tokens)(char op, float a, float b);
    bool constantLeft;
    bool constantRight;
};

const OperandShape kOperandShapes[] = {
    { "x y op",
        [](char op, float, float) {
            return std::vector<Token> { { 'x' }, { 'y' }, { op } };
        },
        false, false },
    { "a y op",
        [](char op, float a, float) {
            return std::vector<Token> { { '0', a }, { 'y' }, { op } };
        },
        true, false },
    { "x b op",
        [](char op, float, float b) {
            return std::vector<Token> { { 'x' }, { '0', b }, { op } };
        },
        false, true },
    { "x*1 y*1 op",
        [](char op, float, float) {
            return std::vector<Token> { { 'x' }, { '0', 1.0f }, { '*' }, { 'y' }, { '0', 1.0f },
                { '*' }, { op } };
        },
        false, false },
    { "x*1 y^1 op",
        [](char op, float, float) {
            return std::vector<Token> { { 'x' }, { '0', 1.0f }, { '*' }, { 'y' }, { '0', 1.0f },
                { '^' }, { op } };
        },
        false, false },
    { "y^1 b op",
        [](char op, float, float b) {
            return std::vector<Token> { { 'y' }, { '0', 1.0f }, { '^' }, { '0', b }, { op } };
        },
        false, true },
};

TEST_F(NativeCode, EachOperatorOnSpecialValues)
{
    for (const char op : { '+', '-', '*', '/', '^' }) {
        for (const OperandShape& shape : kOperandShapes) {
            SCOPED_TRACE(std::string(shape.name) + " with op " + op);
            if (!shape.constantLeft && !shape.constantRight) {
                const std::string difference
                    = FirstDifference(shape.tokens(op, 0.0f, 0.0f), EverySpecialPair());
                EXPECT_EQ(difference, "");
                continue;
            }
            // A constant operand is compiled into the code: one program per value.
            for (const float constant : kSpecial) {
                std::vector<std::pair<float, float>> at;
                for (const float value : kSpecial)
                    at.emplace_back(shape.constantLeft ? 0.0f : value, value);
                const std::string difference
                    = FirstDifference(shape.tokens(op, constant, constant), at);
                EXPECT_EQ(difference, "") << "constant " << FormatExact(constant);
            }
        }
    }
}

TEST_F(NativeCode, EachFunctionOnSpecialValues)
{
    for (const Function& function : kFunctions) {
        const char f = function.code;
        const struct {
            const char* name;
            std::vector<Token> tokens;
        } shapes[] = {
            { "x f", { { 'x' }, { f } } },
            { "x*1 f", { { 'x' }, { '0', 1.0f }, { '*' }, { f } } },
            // y*1 waits in a register while f is called, and is added from where it went.
            { "y*1 x f +", { { 'y' }, { '0', 1.0f }, { '*' }, { 'x' }, { f }, { '+' } } },
            { "x f f", { { 'x' }, { f }, { f } } },
            // y is read after the call.
            { "x f y +", { { 'x' }, { f }, { 'y' }, { '+' } } },
            // The seed + x replaces the seed and waits beneath the call ("x++(cosec x").
            { "x + x f +", { { 'x' }, { '+' }, { 'x' }, { f }, { '+' } } },
        };
        for (const auto& shape : shapes) {
            SCOPED_TRACE(std::string(function.name) + ": " + shape.name);
            EXPECT_EQ(FirstDifference(shape.tokens, EverySpecialPair()), "");
        }
    }
}

// x^2, x^3 and x^4 compile to products, which must round as the interpreter's do: the cube
// and fourth power round in double first, and overflow and subnormals show it.
TEST_F(NativeCode, SmallPowersOnSpecialValues)
{
    std::vector<std::pair<float, float>> at;
    for (const float x : kSpecial)
        at.emplace_back(x, 0.0f);
    // Near the edges of overflow and of the subnormals, and ordinary values with every bit set.
    for (const float edge : { 1.0f, 6.98e12f, 4.29e9f, 1.8446744e19f, 2.3e-13f, 1e-10f })
        for (int step = -50; step <= 50; ++step)
            at.emplace_back(edge * (1.0f + static_cast<float>(step) * 0.0021f), 0.0f);
    for (float x = -20.0f; x < 20.0f; x += 0.0137f)
        at.emplace_back(x, 0.0f);
    for (const char* expression : { "x^2", "x^3", "x^4", "(x*1)^3", "(x*1)^4", "x^2^3", "x^-2",
             "x^0.5", "(x+y)^3*(x-1)^4" }) {
        SCOPED_TRACE(expression);
        EXPECT_EQ(FirstDifference(Parsed(expression), at), "");
    }
}

TEST_F(NativeCode, ChosenExpressionsEverywhere)
{
    const char* const expressions[] = {
        "", // the seed alone
        "x",
        "-x",
        "x-x", // -0
        "x++", // an operator short of operands: NaN
        "x++(cosec x", // the seed replaced by a sum that waits beneath a call
        "+",
        "2 3", // the top value is the result, the rest is left behind
        "2x",
        "x y",
        "2+3",
        "sin(2)*x",
        "1/0",
        "0/0*x",
        "cosec(0)+x",
        "x*y",
        "sin(x*y/(x+y))",
        "tan(x*y)",
        "x^2+y^2-100",
        "x^2+5*x+6",
        "1/((x^2+1)^1.5)",
        "3*x^4-2*x^3+x^2-7*x+sin(x)*cos(x)/(1+x^2)",
        "sin cos tan cosec sec cot asin acos atan e ln log abs sqrt floor x",
        "floor(x)*abs(y)-sqrt(abs(x))/e(y)",
        "x^y^x",
        "y^x-x^y",
        "99999999999999999999999999999999999999999*x", // an infinite constant
        "0.00000000000000000000000000000000000000000001*y", // a subnormal constant
        "x-(y-(x-(y-x)))",
        "(x/y)/(y/x)",
    };
    for (const char* expression : expressions) {
        SCOPED_TRACE(expression);
        EXPECT_EQ(FirstDifference(Parsed(expression), EverySpecialPair()), "");
    }
}

// t and the parameters are read from their slots of the variable array as x and y are, pushed
// or folded into an operator, near and far: a slot's offset takes one byte up to slot 31.
TEST_F(NativeCode, ReadsEveryVariableFromItsSlot)
{
    const auto slot = [](int number) {
        return Token { kSlotOperand, 0.0f, static_cast<std::uint16_t>(number) };
    };
    const struct {
        const char* name;
        std::vector<Token> tokens;
    } programs[] = {
        { "{2}", { slot(2) } },
        { "x {2} * {3} +", { { 'x' }, slot(2), { '*' }, slot(3), { '+' } } },
        { "{3} {4} ^ {5} s -", { slot(3), slot(4), { '^' }, slot(5), { 's' }, { '-' } } },
        { "y {31} / {32} -", { { 'y' }, slot(31), { '/' }, slot(32), { '-' } } },
        { "{65535} x 1 * {40000} ^ *",
            { slot(65535), { 'x' }, { '0', 1.0f }, { '*' }, slot(40000), { '^' }, { '*' } } },
    };
    std::vector<float> variables(65536);
    for (const auto& program : programs) {
        SCOPED_TRACE(program.name);
        TokenList queue;
        for (const Token& token : program.tokens)
            queue.Append(token);
        const Program native = Native(queue);
        const Program interpreted = Program::Compile(queue);
        for (std::size_t round = 0; round < std::size(kSpecial); ++round) {
            for (std::size_t i = 0; i < variables.size(); ++i)
                variables[i] = kSpecial[(i * 7 + round) % std::size(kSpecial)];
            for (const bool derivative : { false, true }) {
                const double expected = interpreted.Evaluate(derivative, variables.data());
                const double actual = native.Evaluate(derivative, variables.data());
                EXPECT_TRUE(SameBits(expected, actual))
                    << "round " << round << (derivative ? " derivative" : "") << ": interpreter "
                    << FormatExact(expected) << ", native " << FormatExact(actual);
            }
        }
    }
}

// Derivative mode evaluates twice through the same code, at x + h rounded to float and at x.
TEST_F(NativeCode, DerivativeMode)
{
    std::vector<std::pair<float, float>> at = EverySpecialPair();
    for (float x = -10.0f; x < 10.0f; x += 0.37f)
        at.emplace_back(x, x / 3.0f);
    for (const char* expression : { "x", "x^2", "7", "sin(x)/x", "x^x", "1/x", "e(x)*ln(x)",
             "sqrt(x)-floor(x)", "x*y+y^3", "tan(x*y)" }) {
        SCOPED_TRACE(expression);
        EXPECT_EQ(FirstDifference(Parsed(expression), at, true), "");
    }
}

// Deeper than the sixteen SSE registers, than the interpreter's local stack of 64, and with
// calls on the way that move every value out of the registers.
TEST_F(NativeCode, DeepStacks)
{
    const std::vector<std::pair<float, float>> at
        = { { 1.5f, -2.0f }, { -0.0f, 0.0f }, { 1e30f, 1e-40f }, { kNaN, 3.0f }, { kInf, -kInf } };
    for (const int depth : { 15, 16, 17, 64, 65, 300, 5000 }) {
        struct Nesting {
            const char* name;
            std::vector<Token> level;
            char close;
        };
        const Nesting nestings[] = {
            // x*k + (x*k + (... y)): every level a computed value waiting in a register.
            { "products", { { 'x' }, { '0', 1.25f }, { '*' } }, '+' },
            { "calls", { { 'x' }, { 's' } }, '*' },
            { "powers", { { 'y' }, { 'x' }, { '^' } }, '-' },
            { "variables", { { 'x' } }, '/' },
        };
        for (const Nesting& nesting : nestings) {
            SCOPED_TRACE(std::string(nesting.name) + " nested " + std::to_string(depth));
            std::vector<Token> tokens;
            for (int i = 0; i < depth; ++i)
                tokens.insert(tokens.end(), nesting.level.begin(), nesting.level.end());
            tokens.push_back({ 'y' });
            tokens.insert(tokens.end(), static_cast<std::size_t>(depth), Token { nesting.close });
            EXPECT_EQ(FirstDifference(tokens, at), "");
        }
    }
}

// Random postfix queues of any length, malformed ones and unknown kinds among them.
class QueueGenerator {
public:
    explicit QueueGenerator(std::uint32_t seed)
        : m_random(seed)
    { }

    std::vector<Token> Next(int length)
    {
        static const char kKinds[] = "xy+-*/^sctSCTabAelLmrf(?";
        std::vector<Token> tokens;
        for (int i = 0; i < length; ++i) {
            const int choice = Uniform(0, 9);
            if (choice < 3)
                tokens.push_back({ '0', Constant() });
            else
                tokens.push_back(
                    { kKinds[static_cast<std::size_t>(Uniform(0, sizeof kKinds - 2))] });
        }
        return tokens;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    float Constant()
    {
        if (Uniform(0, 3) == 0)
            return kSpecial[static_cast<std::size_t>(Uniform(0, std::size(kSpecial) - 1))];
        return std::uniform_real_distribution<float>(-4.0f, 4.0f)(m_random);
    }

    std::mt19937 m_random;
};

TEST_F(NativeCode, RandomQueuesShortAndLong)
{
    QueueGenerator generator(20240917);
    const std::vector<std::pair<float, float>> at = { { 0.5f, 2.0f }, { -0.0f, 0.0f },
        { 3.0f, -1e-40f }, { 1e30f, -7.25f }, { kNaN, 1.0f }, { kInf, 0.1f } };
    for (int i = 0; i < 3000; ++i) {
        const int length = i < 2900 ? 1 + i % 40 : 1000 + 10 * i;
        const std::vector<Token> tokens = generator.Next(length);
        SCOPED_TRACE("queue " + std::to_string(i) + " of " + std::to_string(length) + " tokens");
        ASSERT_EQ(FirstDifference(tokens, at, i % 2 == 1), "");
    }
}

// The renderer runs one program on several threads at once: the code keeps nothing of its own
// between calls.
TEST_F(NativeCode, RunsOnSeveralThreadsAtOnce)
{
    TokenList queue;
    for (const Token& token : Parsed("sin(x*y/(x+y))+(x*1.5+(y*2.5+(x*3.5+(y^2))))^3"))
        queue.Append(token);
    const Program native = Native(queue);
    const Program interpreted = Program::Compile(queue);
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 20000; ++i) {
                const float x = static_cast<float>(i % 200) * 0.1f - 10.0f;
                const float y = static_cast<float>(t) - static_cast<float>(i / 200) * 0.05f;
                if (!SameBits(interpreted.Run(x, y), native.Run(x, y)))
                    ++mismatches[t];
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

} // namespace
} // namespace plovex
