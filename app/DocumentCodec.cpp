#include "app/DocumentCodec.h"

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
    return { false, {}, std::move(error) };
}

} // namespace

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
    return { true, std::string(reinterpret_cast<const char*>(data + offset), length), {} };
}

} // namespace plovex
