// Parses arbitrary bytes with the implicit flag off and on, then evaluates what the parse left
// in the postfix queue through the reference walk, the compiled program in the interpreter and
// the same program as machine code, which must all agree bit for bit.

#include "engine/Evaluator.h"
#include "engine/Parser.h"
#include "engine/PostfixText.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "native/NativeCode.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace plovex {
namespace {

constexpr float kPoints[] = { 0.0f, -0.0f, 1.5f, -2.5f, 1e-40f, 1e30f,
    std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN() };

void Fail(std::string_view text, const std::string& what)
{
    std::fprintf(
        stderr, "%s: \"%.*s\"\n", what.c_str(), static_cast<int>(text.size()), text.data());
    std::abort();
}

bool Same(double a, double b)
{
    return (std::isnan(a) && std::isnan(b))
        || std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void Check(std::string_view text, bool implicit, std::string& okPostfix)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(text, implicit, queue, operators, postfix);
    if (result.Ok() == !result.message.empty())
        Fail(text, "an error without a message, or a message without an error");
    if (result.Ok()) {
        if (postfix != PostfixText(queue))
            Fail(text, "the postfix text is not the queue's");
        // Allowing y changes nothing for a text that parses without it.
        if (implicit && !okPostfix.empty() && postfix != okPostfix)
            Fail(text, "the implicit flag changed the postfix text");
        if (!implicit)
            okPostfix = postfix;
    }
    const Program program = Program::Compile(queue);
    const Program native = CompileProgram(queue);
    for (const bool derivative : { false, true }) {
        for (const float x : kPoints) {
            const float y = implicit ? -x : 0.0f;
            const double expected = Evaluate(queue, derivative, x, y);
            if (!Same(expected, program.Evaluate(derivative, x, y)))
                Fail(text, "the compiled program differs from the reference evaluation");
            if (!Same(expected, native.Evaluate(derivative, x, y)))
                Fail(text, "the machine code differs from the reference evaluation");
        }
    }
}

} // namespace
} // namespace plovex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string okPostfix;
    plovex::Check(text, false, okPostfix);
    plovex::Check(text, true, okPostfix);
    return 0;
}
