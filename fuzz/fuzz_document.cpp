// Decodes arbitrary bytes as a graph document, settings trailer and function list included,
// and round-trips expressions, settings and function lists of every kind (parametric and polar
// curves with their ranges) through the file format, including lengths that need the two
// longer length prefixes.

#include "document/DocumentCodec.h"

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
    if (truncated.ok || truncated.error.empty())
        Fail("a truncated document was accepted, or refused without a reason");
}

// The functions of a decoded document written again read back as themselves; a list that
// was not read is the first function alone, as a new graph has it.
void RoundTripFunctions(const DecodedDocument& decoded)
{
    if (decoded.functions.empty() || decoded.functions.front().expression != decoded.expression)
        Fail("a decoded document lost its first function");
    if (decoded.stored != StoredSettings::Read
        && !(decoded.functions == std::vector<StoredFunction> { { decoded.expression } }))
        Fail("functions that were not read are not the first expression alone");
    const GraphSettings& settings = decoded.settings;
    const DecodedDocument again = DecodeDocument(EncodeDocument(decoded.functions, settings));
    if (!again.ok || !(again.functions == decoded.functions) || !(again.settings == settings))
        Fail("encoded functions do not decode to themselves");
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
    } else if (decoded.error.empty()) {
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
