#include "document/DocumentCodec.h"

#include "engine/ExpressionNames.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace plovex {
namespace {

void AppendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t ReadLittleEndian(const std::uint8_t* data, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | data[i];
    return value;
}

DecodedDocument Failure(DocumentError error)
{
    return { false, {}, error, {}, StoredSettings::Absent, {} };
}

constexpr std::uint8_t kTrailerMark[] = { 'P', 'X', 'G', 'S' };
constexpr std::uint8_t kParametersMark[] = { 'P', 'X', 'G', 'P' };
constexpr std::uint8_t kParametersVersion = 1;
// The mark, the version and the count.
constexpr std::size_t kParametersHead = sizeof kParametersMark + 1 + 4;
// Per parameter: a name's one-byte prefix at least, and four floats.
constexpr std::size_t kParameterBytes = 1 + 4 * 4;
constexpr std::uint8_t kVersion1 = 1;
constexpr std::uint8_t kVersion2 = 2;
constexpr std::uint8_t kVersion3 = 3;
constexpr std::uint8_t kVersion4 = 4;
constexpr std::size_t kTrailerHead = sizeof kTrailerMark + 2;
constexpr std::uint8_t kVersion1Fields = 13;
constexpr std::uint8_t kVersion2Fields = 16;
constexpr std::uint8_t kVersion3Fields = 32;
constexpr std::uint8_t kImplicitFlag = 0x01;
constexpr std::uint8_t kHiddenFlag = 0x02;
constexpr std::uint8_t kParametricFlag = 0x04;
constexpr std::uint8_t kPolarFlag = 0x08;
constexpr std::uint8_t kKindFlags = kImplicitFlag | kParametricFlag | kPolarFlag;
// A further function's flags and colour, before its expression's prefix.
constexpr std::size_t kFunctionHead = 4;

float ReadFloat(const std::uint8_t* data)
{
    return std::bit_cast<float>(ReadLittleEndian(data, 4));
}

double ReadDouble(const std::uint8_t* data)
{
    const std::uint64_t low = ReadLittleEndian(data, 4);
    const std::uint64_t high = ReadLittleEndian(data + 4, 4);
    return std::bit_cast<double>(high << 32 | low);
}

void AppendDouble(std::vector<std::uint8_t>& bytes, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(bits), 4);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(bits >> 32), 4);
}

std::uint8_t KindFlag(CurveKind kind)
{
    switch (kind) {
    case CurveKind::Implicit:
        return kImplicitFlag;
    case CurveKind::Parametric:
        return kParametricFlag;
    case CurveKind::Polar:
        return kPolarFlag;
    case CurveKind::Explicit:
        break;
    }
    return 0;
}

std::uint8_t Flags(const StoredFunction& function)
{
    return static_cast<std::uint8_t>(KindFlag(function.kind) | (function.shown ? 0 : kHiddenFlag));
}

// The kind a function's flags give; nothing when they name more than one.
std::optional<CurveKind> KindOf(std::uint8_t flags)
{
    switch (flags & kKindFlags) {
    case 0:
        return CurveKind::Explicit;
    case kImplicitFlag:
        return CurveKind::Implicit;
    case kParametricFlag:
        return CurveKind::Parametric;
    case kPolarFlag:
        return CurveKind::Polar;
    default:
        return std::nullopt;
    }
}

// The flags a trailer of `version` may hold; a later version may use more.
bool KnownFlags(std::uint8_t version, std::uint8_t flags)
{
    const std::uint8_t known = version == kVersion1 ? kImplicitFlag
        : version <= kVersion3                      ? kImplicitFlag | kHiddenFlag
                                                    : kKindFlags | kHiddenFlag;
    return version > kVersion4 || (flags & ~known) == 0;
}

void AppendColour(std::vector<std::uint8_t>& bytes, Rgb colour)
{
    bytes.insert(bytes.end(), { colour.red, colour.green, colour.blue });
}

// Reads the length-prefixed expression at `offset` and moves `offset` past it; false, with the
// reason in `error`, when it does not fit in the `size` bytes.
bool ReadExpression(const std::uint8_t* data, std::size_t size, std::size_t& offset,
    std::string& expression, DocumentError* error = nullptr)
{
    const auto fail = [error](const DocumentError& why) {
        if (error)
            *error = why;
        return false;
    };
    if (offset >= size)
        return fail({ DocumentRefusal::Empty });
    std::uint32_t length = data[offset++];
    if (length == 0xFF) {
        if (size - offset < 2)
            return fail({ DocumentRefusal::LengthCut });
        length = ReadLittleEndian(data + offset, 2);
        offset += 2;
        if (length == 0xFFFF) {
            if (size - offset < 4)
                return fail({ DocumentRefusal::LengthCut });
            length = ReadLittleEndian(data + offset, 4);
            offset += 4;
        }
    }
    if (size - offset < length)
        return fail({ DocumentRefusal::ExpressionCut, length, size - offset });
    expression.assign(reinterpret_cast<const char*>(data + offset), length);
    offset += length;
    return true;
}

void AppendFloat(std::vector<std::uint8_t>& bytes, float value)
{
    AppendLittleEndian(bytes, std::bit_cast<std::uint32_t>(value), 4);
}

// What a parametric or polar curve stores beyond the other kinds: the range of t, start and
// end as floats, and a parametric curve's Y(t) as a length-prefixed string.
void AppendCurve(std::vector<std::uint8_t>& bytes, const StoredFunction& function)
{
    if (!SweepsParameter(function.kind))
        return;
    AppendFloat(bytes, function.range.start);
    AppendFloat(bytes, function.range.end);
    if (function.kind == CurveKind::Parametric) {
        const std::vector<std::uint8_t> y = EncodeDocument(function.yExpression);
        bytes.insert(bytes.end(), y.begin(), y.end());
    }
}

// False when the bytes at `offset` hold no curve part for `function`'s kind: cut short, or a
// range that is not two finite floats, which no window or option accepts.
bool ReadCurve(
    const std::uint8_t* data, std::size_t size, std::size_t& offset, StoredFunction& function)
{
    if (!SweepsParameter(function.kind))
        return true;
    if (size - offset < 8)
        return false;
    function.range = { ReadFloat(data + offset), ReadFloat(data + offset + 4) };
    offset += 8;
    if (!std::isfinite(function.range.start) || !std::isfinite(function.range.end))
        return false;
    return function.kind != CurveKind::Parametric
        || ReadExpression(data, size, offset, function.yExpression);
}

// Whether the graph's parameters start at `offset`.
bool AtParameters(const std::uint8_t* data, std::size_t size, std::size_t offset)
{
    return size - offset >= sizeof kParametersMark
        && std::equal(std::begin(kParametersMark), std::end(kParametersMark), data + offset);
}

// What the bytes after the first expression hold, or nothing when they are no trailer.
struct Trailer {
    GraphSettings settings;
    std::vector<StoredFunction> functions; // the first one's expression still to be set
    // Where the settings and functions end: the end of the bytes, or the parameters' mark.
    std::size_t end = 0;
};

std::optional<Trailer> DecodeTrailer(const std::uint8_t* data, std::size_t size)
{
    if (size < kTrailerHead || !std::equal(std::begin(kTrailerMark), std::end(kTrailerMark), data))
        return std::nullopt;
    const std::uint8_t version = data[4];
    const std::uint8_t fields = data[5];
    // From version 2 on, the other functions may follow the fields.
    const bool listed = version >= kVersion2;
    if (version < kVersion1 || fields < kVersion1Fields || size - kTrailerHead < fields
        || (!listed && size - kTrailerHead != fields
            && !AtParameters(data, size, kTrailerHead + fields)))
        return std::nullopt;
    const std::uint8_t* field = data + kTrailerHead;
    const std::uint8_t flags = field[12];
    const std::optional<CurveKind> firstKind = KindOf(flags);
    if (!KnownFlags(version, flags) || !firstKind)
        return std::nullopt;
    Trailer trailer;
    trailer.settings = { { ReadFloat(field), ReadFloat(field + 4), ReadFloat(field + 8) },
        *firstKind == CurveKind::Implicit };
    // No box takes a NaN, so no saved graph has one.
    const GraphSettings& settings = trailer.settings;
    if (std::isnan(settings.xScale) || std::isnan(settings.yScale) || std::isnan(settings.quality))
        return std::nullopt;
    if (version >= kVersion3 && fields >= kVersion3Fields) {
        trailer.settings.xOffset = ReadDouble(field + kVersion2Fields);
        trailer.settings.yOffset = ReadDouble(field + kVersion2Fields + 8);
        // Panning never leaves the finite numbers.
        if (!std::isfinite(settings.xOffset) || !std::isfinite(settings.yOffset))
            return std::nullopt;
    }
    StoredFunction first;
    first.kind = *firstKind;
    if (listed) {
        first.shown = (flags & kHiddenFlag) == 0;
        if (fields >= kVersion2Fields)
            first.colour = { field[13], field[14], field[15] };
    }
    // A curve's range and second expression come after the fields.
    std::size_t offset = kTrailerHead + fields;
    if (!ReadCurve(data, size, offset, first))
        return std::nullopt;
    trailer.functions.push_back(std::move(first));

    trailer.end = offset;
    if (offset == size || AtParameters(data, size, offset))
        return trailer;
    if (size - offset < 4)
        return std::nullopt;
    const std::uint32_t count = ReadLittleEndian(data + offset, 4);
    offset += 4;
    // Each function takes its head and a prefix byte at least: a count the bytes cannot hold
    // is refused before anything is made for it.
    if (count == 0 || count > (size - offset) / (kFunctionHead + 1))
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (size - offset < kFunctionHead)
            return std::nullopt;
        const std::uint8_t functionFlags = data[offset];
        const std::optional<CurveKind> kind = KindOf(functionFlags);
        if (!KnownFlags(version, functionFlags) || !kind)
            return std::nullopt;
        StoredFunction function;
        function.kind = *kind;
        function.shown = (functionFlags & kHiddenFlag) == 0;
        function.colour = { data[offset + 1], data[offset + 2], data[offset + 3] };
        offset += kFunctionHead;
        if (!ReadExpression(data, size, offset, function.expression)
            || !ReadCurve(data, size, offset, function))
            return std::nullopt;
        trailer.functions.push_back(std::move(function));
    }
    if (offset != size && !AtParameters(data, size, offset))
        return std::nullopt;
    trailer.end = offset;
    return trailer;
}

// The graph's parameters from their mark to the end of the bytes; nothing when they are not
// a part this reader knows or hold a parameter no window or option accepts.
std::optional<std::vector<Parameter>> DecodeParameters(const std::uint8_t* data, std::size_t size)
{
    if (size < kParametersHead || !AtParameters(data, size, 0)
        || data[sizeof kParametersMark] != kParametersVersion)
        return std::nullopt;
    const std::uint32_t count = ReadLittleEndian(data + sizeof kParametersMark + 1, 4);
    std::size_t offset = kParametersHead;
    // A count the bytes cannot hold is refused before anything is made for it.
    if (count == 0 || count > kMaxParameters || count > (size - offset) / kParameterBytes)
        return std::nullopt;
    std::vector<Parameter> parameters;
    for (std::uint32_t i = 0; i < count; ++i) {
        Parameter parameter;
        if (!ReadExpression(data, size, offset, parameter.name) || size - offset < 16)
            return std::nullopt;
        parameter.value = ReadFloat(data + offset);
        parameter.minimum = ReadFloat(data + offset + 4);
        parameter.maximum = ReadFloat(data + offset + 8);
        parameter.step = ReadFloat(data + offset + 12);
        offset += 16;
        if (!CheckParameter(parameter, parameters, parameters.size()).Ok())
            return std::nullopt;
        parameters.push_back(std::move(parameter));
    }
    if (offset != size)
        return std::nullopt;
    return parameters;
}

void AppendParameters(std::vector<std::uint8_t>& bytes, const std::vector<Parameter>& parameters)
{
    if (parameters.empty())
        return;
    bytes.insert(bytes.end(), std::begin(kParametersMark), std::end(kParametersMark));
    bytes.push_back(kParametersVersion);
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(parameters.size()), 4);
    for (const Parameter& parameter : parameters) {
        const std::vector<std::uint8_t> name = EncodeDocument(parameter.name);
        bytes.insert(bytes.end(), name.begin(), name.end());
        for (const float value :
            { parameter.value, parameter.minimum, parameter.maximum, parameter.step })
            AppendFloat(bytes, value);
    }
}

void AppendSettings(std::vector<std::uint8_t>& bytes, std::uint8_t version, std::uint8_t fields,
    const GraphView& view, std::uint8_t flags)
{
    bytes.insert(bytes.end(), std::begin(kTrailerMark), std::end(kTrailerMark));
    bytes.push_back(version);
    bytes.push_back(fields);
    for (const float value : { view.xScale, view.yScale, view.quality })
        AppendFloat(bytes, value);
    bytes.push_back(flags);
}

std::vector<std::uint8_t> EncodeFunctions(
    const std::vector<StoredFunction>& functions, const GraphView& view)
{
    const StoredFunction& first = functions.front();
    const bool moved = view.HasOffset();
    const bool curves = std::any_of(functions.begin(), functions.end(),
        [](const StoredFunction& function) { return SweepsParameter(function.kind); });
    if (functions.size() == 1 && first.shown && first.colour == kFunctionPalette[0] && !moved
        && !curves)
        return EncodeDocument(
            first.expression, GraphSettings { view, first.kind == CurveKind::Implicit });
    std::vector<std::uint8_t> bytes = EncodeDocument(first.expression);
    // Version 4 always holds the offsets, zero for a view never moved.
    const std::uint8_t version = curves ? kVersion4 : moved ? kVersion3 : kVersion2;
    AppendSettings(bytes, version, version >= kVersion3 ? kVersion3Fields : kVersion2Fields, view,
        Flags(first));
    AppendColour(bytes, first.colour);
    if (version >= kVersion3) {
        AppendDouble(bytes, view.xOffset);
        AppendDouble(bytes, view.yOffset);
    }
    AppendCurve(bytes, first);
    // A graph of one function ends here, and a reader of version 1 still reads its settings.
    if (functions.size() == 1)
        return bytes;
    AppendLittleEndian(bytes, static_cast<std::uint32_t>(functions.size() - 1), 4);
    for (std::size_t i = 1; i < functions.size(); ++i) {
        bytes.push_back(Flags(functions[i]));
        AppendColour(bytes, functions[i].colour);
        const std::vector<std::uint8_t> expression = EncodeDocument(functions[i].expression);
        bytes.insert(bytes.end(), expression.begin(), expression.end());
        AppendCurve(bytes, functions[i]);
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> EncodeDocument(std::string_view expression, const GraphSettings& settings)
{
    if (settings.HasOffset()) {
        StoredFunction function;
        function.expression = expression;
        function.kind = settings.implicit ? CurveKind::Implicit : CurveKind::Explicit;
        return EncodeDocument({ function }, settings);
    }
    std::vector<std::uint8_t> bytes = EncodeDocument(expression);
    AppendSettings(bytes, kVersion1, kVersion1Fields, settings,
        settings.implicit ? kImplicitFlag : std::uint8_t { 0 });
    return bytes;
}

std::vector<std::uint8_t> EncodeDocument(const std::vector<StoredFunction>& functions,
    const GraphView& view, const std::vector<Parameter>& parameters)
{
    std::vector<std::uint8_t> bytes = EncodeFunctions(functions, view);
    AppendParameters(bytes, parameters);
    return bytes;
}

std::vector<std::uint8_t> EncodeDocument(std::string_view expression)
{
    const auto length = static_cast<std::uint32_t>(expression.size());
    std::vector<std::uint8_t> bytes;
    bytes.reserve(expression.size() + 7);
    if (length < 0xFF) {
        bytes.push_back(static_cast<std::uint8_t>(length));
    } else {
        bytes.push_back(0xFF);
        if (length < 0xFFFE) {
            AppendLittleEndian(bytes, length, 2);
        } else {
            AppendLittleEndian(bytes, 0xFFFF, 2);
            AppendLittleEndian(bytes, length, 4);
        }
    }
    bytes.insert(bytes.end(), expression.begin(), expression.end());
    return bytes;
}

std::string DocumentErrorText(const DocumentError& error)
{
    switch (error.refusal) {
    case DocumentRefusal::None:
        break;
    case DocumentRefusal::Empty:
        return "The file is empty.";
    case DocumentRefusal::LengthCut:
        return "The file ends inside the length of the expression.";
    case DocumentRefusal::ExpressionCut:
        return "The file claims an expression of " + std::to_string(error.claimed)
            + " characters but holds only " + std::to_string(error.held) + ".";
    }
    return {};
}

DecodedDocument DecodeDocument(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return Failure({ DocumentRefusal::Empty });
    DecodedDocument document { true, {}, {}, {}, StoredSettings::Absent, {} };
    std::size_t offset = 0;
    if (!ReadExpression(data, size, offset, document.expression, &document.error))
        return Failure(document.error);
    std::optional<Trailer> trailer;
    if (offset < size) {
        trailer = DecodeTrailer(data + offset, size - offset);
        document.stored = trailer ? StoredSettings::Read : StoredSettings::Damaged;
    }
    if (trailer) {
        document.settings = trailer->settings;
        document.functions = std::move(trailer->functions);
        const std::size_t parameters = offset + trailer->end;
        if (parameters < size) {
            std::optional<std::vector<Parameter>> read
                = DecodeParameters(data + parameters, size - parameters);
            document.storedParameters = read ? StoredSettings::Read : StoredSettings::Damaged;
            if (read)
                document.parameters = *std::move(read);
        }
    } else {
        document.functions.emplace_back();
    }
    document.functions.front().expression = document.expression;
    return document;
}

} // namespace plovex
