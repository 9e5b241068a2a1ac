// Decodes arbitrary bytes as a graph document, settings trailer, function list and parameters
// included, and round-trips expressions, settings, function lists of every kind (parametric and
// polar curves with their ranges) and parameters through the file format, including lengths
// that need the two longer length prefixes.

#include "document/DocumentCodec.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace plovex {
namespace {

void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void RoundTrip(std::string_view expression, const GraphSettings& settings = {})
{
    const std::vector<std::uint8_t> bytes = EncodeDocument(expression, settings);
    const DecodedDocument decoded = DecodeDocument(bytes);
    if (!decoded.ok || decoded.expression != expression)
        Fail("an encoded expression does not decode to itself");
    if (decoded.stored != StoredSettings::Read || !(decoded.settings == settings))
        Fail("encoded settings do not decode to themselves");
    // A cut trailer still gives the expression, with the settings marked damaged.
    const DecodedDocument cutTrailer = DecodeDocument(bytes.data(), bytes.size() - 1);
    if (!cutTrailer.ok || cutTrailer.expression != expression
        || cutTrailer.stored != StoredSettings::Damaged
        || !(cutTrailer.settings == GraphSettings {}))
        Fail("a document with a cut trailer lost its expression or kept its settings");
    // A file cut inside the expression or its length must be refused, never read past.
    const std::vector<std::uint8_t> bare = EncodeDocument(expression);
    const DecodedDocument truncated = DecodeDocument(bare.data(), bare.size() - 1);
    if (truncated.ok || truncated.error.refusal == DocumentRefusal::None)
        Fail("a truncated document was accepted, or refused without a reason");
}

// The functions and parameters of a decoded document written again read back as themselves;
// a list that was not read is the first function alone, as a new graph has it, and parameters
// that were not read are none.
void RoundTripFunctions(const DecodedDocument& decoded)
{
    if (decoded.storedParameters != StoredSettings::Read && !decoded.parameters.empty())
        Fail("parameters that were not read are not none");
    if (decoded.stored != StoredSettings::Read
        && decoded.storedParameters != StoredSettings::Absent)
        Fail("parameters were looked for behind a damaged trailer");
    for (std::size_t i = 0; i < decoded.parameters.size(); ++i) {
        if (!CheckParameter(decoded.parameters[i], decoded.parameters, i).Ok())
            Fail("a parameter was read that no window or option accepts");
    }
    if (decoded.functions.empty() || decoded.functions.front().expression != decoded.expression)
        Fail("a decoded document lost its first function");
    if (decoded.stored != StoredSettings::Read
        && !(decoded.functions == std::vector<StoredFunction> { { decoded.expression } }))
        Fail("functions that were not read are not the first expression alone");
    const GraphSettings& settings = decoded.settings;
    const DecodedDocument again
        = DecodeDocument(EncodeDocument(decoded.functions, settings, decoded.parameters));
    if (!again.ok || !(again.functions == decoded.functions) || !(again.settings == settings)
        || !(again.parameters == decoded.parameters))
        Fail("encoded functions or parameters do not decode to themselves");
}

// Parameters made from the input, four bytes of it a float at a time: a value, a range and a
// step where they make a parameter the graph accepts. Written behind `functions` they read back
// as themselves; cut anywhere after their mark they are damaged and the functions stay.
void RoundTripParameters(std::string_view bytes, const std::vector<StoredFunction>& functions)
{
    std::vector<Parameter> parameters;
    for (std::size_t at = 0; at + 16 <= bytes.size() && parameters.size() < 8; at += 16) {
        float numbers[4];
        for (int i = 0; i < 4; ++i) {
            std::uint32_t word = 0;
            for (int b = 0; b < 4; ++b)
                word |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 4 * i + b]))
                    << (8 * b);
            numbers[i] = std::bit_cast<float>(word);
        }
        Parameter parameter { FreeParameterName(parameters), numbers[0], numbers[1], numbers[2],
            numbers[3] };
        if (CheckParameter(parameter, parameters, parameters.size()).Ok())
            parameters.push_back(parameter);
    }
    if (parameters.empty())
        return;
    const GraphView view;
    const std::vector<std::uint8_t> encoded = EncodeDocument(functions, view, parameters);
    const DecodedDocument decoded = DecodeDocument(encoded);
    if (!decoded.ok || decoded.storedParameters != StoredSettings::Read
        || !(decoded.parameters == parameters) || !(decoded.functions == functions))
        Fail("parameters do not decode to themselves");
    const std::size_t part = EncodeDocument(functions, view).size() + 4;
    const std::size_t cut = part + bytes.size() % (encoded.size() - part);
    const DecodedDocument damaged = DecodeDocument(encoded.data(), cut);
    if (!damaged.ok || damaged.storedParameters != StoredSettings::Damaged
        || !damaged.parameters.empty() || !(damaged.functions == functions))
        Fail("cut parameters are not damaged, or took the functions with them");
}

// The input cut into functions at its zero bytes, each taking its kind, shown flag, colour
// and a curve's range from the byte after the cut; a parametric curve's Y(t) is the piece
// before it.
void RoundTripPieces(std::string_view bytes)
{
    std::vector<StoredFunction> functions;
    std::size_t start = 0;
    std::string previous;
    for (std::size_t at = 0; at <= bytes.size(); ++at) {
        if (at < bytes.size() && bytes[at] != '\0')
            continue;
        const auto flags = static_cast<std::uint8_t>(at + 1 < bytes.size() ? bytes[at + 1] : 0);
        StoredFunction function;
        function.expression = bytes.substr(start, at - start);
        function.kind = static_cast<CurveKind>(flags % 4);
        function.colour
            = { flags, static_cast<std::uint8_t>(flags * 3), static_cast<std::uint8_t>(at) };
        function.shown = (flags & 4) == 0;
        if (SweepsParameter(function.kind))
            function.range = { static_cast<float>(flags) - 100.5f, -0.0f };
        if (function.kind == CurveKind::Parametric)
            function.yExpression = previous;
        previous = function.expression;
        functions.push_back(std::move(function));
        start = at + 1;
    }
    const GraphView view { 2.0f, -0.0f, 1e30f };
    const DecodedDocument decoded = DecodeDocument(EncodeDocument(functions, view));
    if (!decoded.ok || decoded.stored != StoredSettings::Read || !(decoded.functions == functions)
        || !(static_cast<const GraphView&>(decoded.settings) == view))
        Fail("a function list does not decode to itself");
    RoundTripParameters(bytes, functions);
}

} // namespace
} // namespace plovex

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace plovex;
    const DecodedDocument decoded = DecodeDocument(data, size);
    if (decoded.ok) {
        if (decoded.expression.size() > size)
            Fail("the expression is longer than the file");
        if (decoded.stored != StoredSettings::Read && !(decoded.settings == GraphSettings {}))
            Fail("settings that were not read are not the defaults");
        RoundTrip(decoded.expression, decoded.settings);
        RoundTripFunctions(decoded);
    } else if (decoded.error.refusal == DocumentRefusal::None) {
        Fail("a document was refused without a reason");
    }

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RoundTrip(bytes);
    RoundTripPieces(bytes);
    // The input repeated to a length near one of the boundaries of the length prefix forms
    // (picked by the first two bytes), so that all three forms and their edges are met.
    const std::size_t boundary = data && size >= 2 ? (data[0] >> 6 == 1 ? 0xFF
                                         : data[0] >> 6 == 2            ? 0xFFFE
                                                                        : 0)
                                                   : 0;
    if (boundary != 0 && size <= 64) {
        const std::size_t length = boundary - 2 + data[1] % 5;
        std::string repeated;
        while (repeated.size() < length)
            repeated.append(bytes);
        repeated.resize(length);
        RoundTrip(repeated);
    }
    return 0;
}
