// Runs random postfix queues as machine code and in the interpreter, which must agree bit for
// bit (a NaN with any NaN) in plain and derivative mode. The bytes make the queue directly, so
// that every constant a float can hold and every shape of stack is reached, not only what the
// parser builds: the first eight are x and y, each further byte a token; a number token takes
// the next four bytes as its value, a variable token beyond x and y the next byte as its slot.

#include "engine/Functions.h"
#include "engine/Numbers.h"
#include "engine/Program.h"
#include "engine/Token.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace plovex {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Number tokens and variables come up most, so that operators find operands; 'v' is
// kSlotOperand, a variable read from a slot of its own.
constexpr std::string_view kKinds = "000xxyyvv+-*/^sctSCTabAelLmrf(?";
constexpr std::size_t kSlots = 8;

bool Same(double a, double b)
{
    return (std::isnan(a) && std::isnan(b))
        || std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

float FloatAt(const std::uint8_t* bytes)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, bytes, sizeof bits);
    return std::bit_cast<float>(bits);
}

void Fail(const TokenList& queue, float x, float y, bool derivative, double expected, double actual)
{
    std::string tokens;
    queue.ForEach([&](const Token& token) {
        if (token.kind == '0')
            tokens += "(" + FormatExact(token.value) + ")";
        else if (token.kind == kSlotOperand)
            tokens += "{" + std::to_string(token.slot) + "}";
        else
            tokens += token.kind;
    });
    std::fprintf(stderr, "%s at x %s y %s%s: interpreter %s, native %s\n", tokens.c_str(),
        FormatExact(x).c_str(), FormatExact(y).c_str(), derivative ? " (derivative)" : "",
        FormatExact(expected).c_str(), FormatExact(actual).c_str());
    std::abort();
}

} // namespace
} // namespace plovex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace plovex;
    if (size < 8)
        return 0;
    const float givenX = FloatAt(data);
    const float givenY = FloatAt(data + 4);
    TokenList queue;
    for (std::size_t i = 8; i < size; ++i) {
        const char kind = kKinds[data[i] % kKinds.size()];
        if (kind == '0' && i + 4 < size) {
            queue.Append({ '0', FloatAt(data + i + 1) });
            i += 4;
        } else if (kind == kSlotOperand && i + 1 < size) {
            queue.Append({ kSlotOperand, 0.0f, static_cast<std::uint16_t>(data[i + 1] % kSlots) });
            i += 1;
        } else if (kind != '0' && kind != kSlotOperand) {
            queue.Append({ kind });
        }
    }
    const Program interpreted = Program::Compile(queue);
    const Program native = CompileProgram(queue);
    if (!native.IsNative()) {
        std::fprintf(stderr, "no native code: %s\n", NativeCodeStatus().c_str());
        std::abort();
    }
    const float points[][2] = { { givenX, givenY }, { 0.0f, -0.0f }, { -0.0f, 1e-40f },
        { 1.5f, -2.5f }, { kInf, kNaN }, { kNaN, -kInf }, { 3.4028235e38f, 1e-30f } };
    for (const auto& point : points) {
        // The slots beyond y hold the other points' coordinates.
        float variables[kSlots];
        for (std::size_t slot = 0; slot < kSlots; ++slot)
            variables[slot] = slot < 2 ? point[slot] : points[slot % std::size(points)][slot % 2];
        for (const bool derivative : { false, true }) {
            const double expected = interpreted.Evaluate(derivative, variables);
            const double actual = native.Evaluate(derivative, variables);
            if (!Same(expected, actual))
                Fail(queue, point[0], point[1], derivative, expected, actual);
        }
    }
    return 0;
}
