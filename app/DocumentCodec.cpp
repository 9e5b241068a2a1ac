#include "app/DocumentCodec.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <iterator>
#include <optional>

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

DecodedDocument Failure(std::string error)
{
    return { false, {}, std::move(error), {}, StoredSettings::Absent };
}

constexpr std::uint8_t kTrailerMark[] = { 'P', 'X', 'G', 'S' };
constexpr std::uint8_t kTrailerVersion = 1;
constexpr std::size_t kTrailerHead = sizeof kTrailerMark + 2;
constexpr std::uint8_t kVersion1Fields = 13;
constexpr std::uint8_t kImplicitFlag = 0x01;

float ReadFloat(const std::uint8_t* data)
{
    return std::bit_cast<float>(ReadLittleEndian(data, 4));
}

// The settings in the bytes after the expression, or nothing when they are no trailer.
std::optional<GraphSettings> DecodeTrailer(const std::uint8_t* data, std::size_t size)
{
    if (size < kTrailerHead || !std::equal(std::begin(kTrailerMark), std::end(kTrailerMark), data))
        return std::nullopt;
    const std::uint8_t version = data[4];
    const std::uint8_t fields = data[5];
    if (version < kTrailerVersion || fields < kVersion1Fields || size - kTrailerHead != fields)
        return std::nullopt;
    const std::uint8_t* field = data + kTrailerHead;
    const std::uint8_t flags = field[12];
    if (version == kTrailerVersion && (flags & ~kImplicitFlag) != 0)
        return std::nullopt;
    const GraphSettings settings { ReadFloat(field), ReadFloat(field + 4), ReadFloat(field + 8),
        (flags & kImplicitFlag) != 0 };
    // No box takes a NaN, so no saved graph has one.
    if (std::isnan(settings.xScale) || std::isnan(settings.yScale) || std::isnan(settings.quality))
        return std::nullopt;
    return settings;
}

} // namespace

std::vector<std::uint8_t> EncodeDocument(std::string_view expression, const GraphSettings& settings)
{
    std::vector<std::uint8_t> bytes = EncodeDocument(expression);
    bytes.insert(bytes.end(), std::begin(kTrailerMark), std::end(kTrailerMark));
    bytes.push_back(kTrailerVersion);
    bytes.push_back(kVersion1Fields);
    for (const float value : { settings.xScale, settings.yScale, settings.quality })
        AppendLittleEndian(bytes, std::bit_cast<std::uint32_t>(value), 4);
    bytes.push_back(settings.implicit ? kImplicitFlag : 0);
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

DecodedDocument DecodeDocument(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return Failure("The file is empty.");
    std::size_t offset = 1;
    std::uint32_t length = data[0];
    if (length == 0xFF) {
        if (size < offset + 2)
            return Failure("The file ends inside the length of the expression.");
        length = ReadLittleEndian(data + offset, 2);
        offset += 2;
        if (length == 0xFFFF) {
            if (size < offset + 4)
                return Failure("The file ends inside the length of the expression.");
            length = ReadLittleEndian(data + offset, 4);
            offset += 4;
        }
    }
    if (size - offset < length) {
        return Failure("The file claims an expression of " + std::to_string(length)
            + " characters but holds only " + std::to_string(size - offset) + ".");
    }
    DecodedDocument document { true,
        std::string(reinterpret_cast<const char*>(data + offset), length), {}, {},
        StoredSettings::Absent };
    offset += length;
    if (offset < size) {
        const std::optional<GraphSettings> settings = DecodeTrailer(data + offset, size - offset);
        document.stored = settings ? StoredSettings::Read : StoredSettings::Damaged;
        document.settings = settings.value_or(GraphSettings {});
    }
    return document;
}

} // namespace plovex
