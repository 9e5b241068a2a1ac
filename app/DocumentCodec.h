#pragma once

#include "app/GraphSettings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plovex {

// The most a graph document file may hold, prefix and settings included. Far beyond any
// expression anyone types, small enough that the expression box can show it whole and that a
// wrong file (or a device that never ends) is never read into memory without bound.
inline constexpr std::size_t kMaxDocumentBytes = 1024 * 1024;

// A graph document file starts with the expression as a length-prefixed string:
//   L < 255            one byte L
//   L < 0xFFFE         0xFF, then L as a little-endian 16-bit word
//   otherwise          0xFF, 0xFFFF, then L as a little-endian 32-bit count
// followed by the L characters, with no terminator. A reader that wants only the expression
// stops there; the graph settings follow it in a trailer:
//   "PXGS"             4 bytes, the trailer's mark
//   version            1 byte, 1 (a later version only appends fields)
//   n                  1 byte, the number of bytes of fields that follow (13 in version 1)
//   x scale, y scale, quality   each a little-endian 32-bit IEEE float
//   flags              1 byte: bit 0 the implicit flag; the other bits are 0 in version 1
// A file without the trailer has the default settings.
std::vector<std::uint8_t> EncodeDocument(std::string_view expression);
std::vector<std::uint8_t> EncodeDocument(
    std::string_view expression, const GraphSettings& settings);

enum class StoredSettings {
    Absent, // a file of the expression alone: the defaults
    Read,
    Damaged, // bytes after the expression that are no trailer this reader knows: the defaults
};

struct [[nodiscard]] DecodedDocument {
    bool ok = false;
    std::string expression;
    std::string error; // why the bytes are not a document, when !ok
    GraphSettings settings;
    StoredSettings stored = StoredSettings::Absent;
};

// Never reads past the bytes or trusts a length before checking it against them. A damaged
// trailer still gives the expression.
DecodedDocument DecodeDocument(const std::uint8_t* data, std::size_t size);

inline DecodedDocument DecodeDocument(const std::vector<std::uint8_t>& bytes)
{
    return DecodeDocument(bytes.data(), bytes.size());
}

} // namespace plovex
