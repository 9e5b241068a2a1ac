// Parses arbitrary bytes under each kind's names, with and without parameters, then evaluates
// what the parse left in the postfix queue through the reference walk, the compiled program in
// the interpreter and the same program as machine code, which must all agree bit for bit; a
// parameter must evaluate exactly as a number token holding its value.

#include "engine/Evaluator.h"
#include "engine/ExpressionNames.h"
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
#include <vector>

namespace plovex {
namespace {

constexpr float kPoints[] = { 0.0f, -0.0f, 1.5f, -2.5f, 1e-40f, 1e30f,
    std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN() };

// The values of the parameters a and k2, slots 3 and 4.
constexpr float kParameterValues[] = { 2.0f, -0.5f };

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

// The parse's postfix text, or nothing after an error; the queue evaluated either way.
std::string Check(std::string_view text, const ExpressionNames& names)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    const ParseResult result = Parse(text, names, queue, operators, postfix);
    if (result.Ok() == !result.message.empty())
        Fail(text, "an error without a message, or a message without an error");
    if (result.Ok() && postfix != PostfixText(queue, names))
        Fail(text, "the postfix text is not the queue's");
    // The same queue with every parameter replaced by a number token holding its value.
    TokenList withNumbers;
    queue.ForEach([&](const Token& token) {
        const bool parameter = token.kind == kSlotOperand && token.slot >= kFirstParameterSlot;
        withNumbers.Append(
            parameter ? Token { '0', kParameterValues[token.slot - kFirstParameterSlot] } : token);
    });
    const Program program = Program::Compile(queue);
    const Program native = CompileProgram(queue);
    const Program numbers = Program::Compile(withNumbers);
    for (const bool derivative : { false, true }) {
        for (const float x : kPoints) {
            const float variables[] = { x, -x, x * 0.5f, kParameterValues[0], kParameterValues[1] };
            const double expected = Evaluate(queue, derivative, variables);
            if (!Same(expected, program.Evaluate(derivative, variables)))
                Fail(text, "the compiled program differs from the reference evaluation");
            if (!Same(expected, native.Evaluate(derivative, variables)))
                Fail(text, "the machine code differs from the reference evaluation");
            if (!Same(Evaluate(queue, derivative, x, -x), program.Evaluate(derivative, x, -x)))
                Fail(text, "the compiled program differs at x and y alone");
            if (!Same(expected, Evaluate(withNumbers, derivative, variables))
                || !Same(expected, numbers.Evaluate(derivative, variables)))
                Fail(text, "a parameter differs from the number it holds");
        }
    }
    return result.Ok() ? postfix : std::string();
}

} // namespace
} // namespace plovex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using plovex::ExpressionNames;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> parameters { "a", "k2" };
    const std::string explicitPostfix = plovex::Check(text, ExpressionNames::Explicit());
    // Allowing more names changes nothing for a text that parses without them.
    for (const ExpressionNames& more : { ExpressionNames::Implicit(),
             ExpressionNames::Explicit(parameters), ExpressionNames::Implicit(parameters) }) {
        const std::string postfix = plovex::Check(text, more);
        if (!explicitPostfix.empty() && postfix != explicitPostfix)
            plovex::Fail(text, "more names changed the postfix text");
    }
    plovex::Check(text, ExpressionNames::Curve());
    plovex::Check(text, ExpressionNames::Curve(parameters));
    return 0;
}
