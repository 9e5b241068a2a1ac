#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plovex {

// A graph document file holds the expression alone, as a length-prefixed string:
//   L < 255            one byte L
//   L < 0xFFFE         0xFF, then L as a little-endian 16-bit word
//   otherwise          0xFF, 0xFFFF, then L as a little-endian 32-bit count
// followed by the L characters, with no terminator.
std::vector<std::uint8_t> EncodeDocument(std::string_view expression);

struct [[nodiscard]] DecodedDocument {
    bool ok = false;
    std::string expression;
    std::string error; // why the bytes are not a document, when !ok
};

// Never reads past the bytes or trusts a length before checking it against them. Bytes
// after the expression are ignored.
DecodedDocument DecodeDocument(const std::uint8_t* data, std::size_t size);

inline DecodedDocument DecodeDocument(const std::vector<std::uint8_t>& bytes)
{
    return DecodeDocument(bytes.data(), bytes.size());
}

} // namespace plovex
