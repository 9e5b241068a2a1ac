#pragma once

#include "document/GraphSettings.h"
#include "document/Parameter.h"
#include "document/StoredFunction.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plovex {

// The most a graph document file may hold, prefix and settings included. Far beyond any
// expression anyone types, small enough that the expression box can show it whole and that a
// wrong file (or a device that never ends) is never read into memory without bound.
inline constexpr std::size_t kMaxDocumentBytes = 1024 * 1024;

// A graph document file starts with the first function's expression as a length-prefixed
// string:
//   L < 255            one byte L
//   L < 0xFFFE         0xFF, then L as a little-endian 16-bit word
//   otherwise          0xFF, 0xFFFF, then L as a little-endian 32-bit count
// followed by the L characters, with no terminator. A reader that wants only the expression
// stops there; the graph settings follow it in a trailer:
//   "PXGS"             4 bytes, the trailer's mark
//   version            1 byte, 1 to 4 (a later version only appends fields)
//   n                  1 byte, the number of bytes of fields that follow: 13 in version 1,
//                      16 in version 2, 32 in versions 3 and 4
//   x scale, y scale, quality   each a little-endian 32-bit IEEE float
//   flags              1 byte: bit 0 the first function is implicit; from version 2 bit 1 it
//                      is hidden; in version 4 bit 2 it is parametric, bit 3 polar (one kind
//                      bit at most); the other bits are 0
// Version 2 goes on, within n:
//   colour             3 bytes, the first function's red, green and blue (blue when n < 16)
// Version 3 goes on, within n:
//   x offset, y offset each a little-endian 64-bit IEEE double: the view's pan in pixels
// After the n bytes, in version 4, a parametric or polar first function's curve part:
//   t start, t end     each a little-endian 32-bit IEEE float, both finite
//   Y(t)               a parametric curve's second expression, length-prefixed
// and when the graph has more functions, to the end of the file, the others in order:
//   count              4 bytes, little-endian, 1 or more
//   per function       flags (as the first function's), colour (3 bytes), the expression as a
//                      length-prefixed string, as the first one's, and its curve part
// A reader of version 1 reads the settings of a one-function version 2 file; with more
// functions it finds the trailer damaged.
// A graph with parameters goes on after all of that, to the end of the file:
//   "PXGP"             4 bytes, the parameters' mark
//   version            1 byte, 1
//   count              4 bytes, little-endian, 1 or more
//   per parameter      its name as a length-prefixed string, then its value, minimum, maximum
//                      and step, each a little-endian 32-bit IEEE float
// The mark cannot be taken for a function count: so many functions would not fit in a file.
// A graph of one shown function in the first palette colour whose view was never moved is
// written as version 1, byte for byte; a graph with a parametric or polar curve takes version
// 4, any other moved view version 3, any other graph version 2. A file without the trailer has
// the default settings. A graph without parameters has no parameter part, so it is written
// exactly as before parameters existed.
std::vector<std::uint8_t> EncodeDocument(std::string_view expression);
std::vector<std::uint8_t> EncodeDocument(
    std::string_view expression, const GraphSettings& settings);
// `functions` holds one function at least; `parameters` are ones CheckParameter accepts.
std::vector<std::uint8_t> EncodeDocument(const std::vector<StoredFunction>& functions,
    const GraphView& view, const std::vector<Parameter>& parameters = {});

enum class StoredSettings {
    Absent, // a file of the expression alone: the defaults
    Read,
    // Bytes after the expression that are no trailer this reader knows: the first function
    // alone, explicit and shown in the first colour, with the default view.
    Damaged,
};

// Why bytes are no graph document, as a value: the window words it in the user's language,
// the command line in English (DocumentErrorText).
enum class DocumentRefusal {
    None,
    Empty,
    // The file ends inside the expression's length prefix.
    LengthCut,
    // The prefix claims more bytes than follow it.
    ExpressionCut,
};

struct DocumentError {
    DocumentRefusal refusal = DocumentRefusal::None;
    // With ExpressionCut: the length the prefix claims and the bytes that follow it.
    std::uint32_t claimed = 0;
    std::size_t held = 0;

    bool operator==(const DocumentError&) const = default;
};

// "The file is empty.", "The file claims an expression of 5 characters but holds only 2." ...
std::string DocumentErrorText(const DocumentError& error);

struct [[nodiscard]] DecodedDocument {
    bool ok = false;
    std::string expression; // the first function's
    DocumentError error; // why the bytes are not a document, when !ok
    GraphSettings settings;
    StoredSettings stored = StoredSettings::Absent;
    // Every function, the first one first; one at least when ok.
    std::vector<StoredFunction> functions;
    // The parameters, read only from a trailer that was: Damaged when their part is no part
    // this reader knows (cut, a refused name, range or value, a name given twice, bytes after
    // it), and then the graph has none.
    std::vector<Parameter> parameters {};
    StoredSettings storedParameters = StoredSettings::Absent;
};

// Never reads past the bytes or trusts a length before checking it against them. A damaged
// trailer still gives the expression.
DecodedDocument DecodeDocument(const std::uint8_t* data, std::size_t size);

inline DecodedDocument DecodeDocument(const std::vector<std::uint8_t>& bytes)
{
    return DecodeDocument(bytes.data(), bytes.size());
}

} // namespace plovex
