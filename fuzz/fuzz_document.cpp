// Decodes arbitrary bytes as a graph document, settings trailer included, and round-trips
// expressions and settings through the file format, including lengths that need the two
// longer length prefixes.

#include "document/DocumentCodec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

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
    } else if (decoded.error.empty()) {
        Fail("a document was refused without a reason");
    }

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    RoundTrip(bytes);
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
