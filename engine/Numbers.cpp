#include "engine/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace plovex {
namespace {

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Length of the longest decimal number at the start of text, with or without a sign
// (0 when there is none): digits, an optional point and digits, an optional exponent.
std::size_t DecimalPrefixLength(std::string_view text, bool allowLeadingPoint)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.' && (digits > 0 || allowLeadingPoint)) {
        std::size_t fraction = 0;
        while (i + 1 + fraction < text.size() && IsDigit(text[i + 1 + fraction]))
            ++fraction;
        if (digits + fraction > 0) {
            i += 1 + fraction;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        std::size_t exponentDigits = 0;
        while (j + exponentDigits < text.size() && IsDigit(text[j + exponentDigits]))
            ++exponentDigits;
        if (exponentDigits > 0)
            i = j + exponentDigits;
    }
    return i;
}

// Converts a whole unsigned decimal number. from_chars leaves the value alone when the
// result lies outside the double range; the conversion then gives what strtod gives, an
// infinity for numbers too large and zero for numbers too small.
double ConvertUnsigned(std::string_view number)
{
    double value = 0.0;
    const auto result = std::from_chars(
        number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (result.ec != std::errc::result_out_of_range)
        return value;
    // The decimal exponent of the leading significant digit tells which end was passed.
    long magnitude = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.')
            afterPoint = true;
        else if (number[i] != '0')
            significant = true;
        else if (!significant && afterPoint)
            --magnitude;
        if (significant && !afterPoint && number[i] != '.')
            ++magnitude;
    }
    long exponent = 0;
    if (i < number.size()) {
        std::size_t j = i + 1;
        const bool negative = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '+' || number[j] == '-'))
            ++j;
        for (; j < number.size() && exponent < 1000000; ++j)
            exponent = exponent * 10 + (number[j] - '0');
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// A number box shows 100000 and 0.0001 as they are, and 1e+20 or 1e-12 with an exponent
// rather than a row of zeros.
constexpr std::size_t kMaxPlainFieldLength = 12;

template <typename Number, typename... Format> std::string ToChars(Number value, Format... format)
{
    if (std::isnan(value))
        return "nan";
    // Large enough for the fixed form of the largest double.
    std::array<char, 400> buffer;
    const auto result
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

double BufferToNumber(std::string_view text)
{
    if (text.empty() || !IsDigit(text.front()))
        return 0.0;
    return ConvertUnsigned(text.substr(0, DecimalPrefixLength(text, false)));
}

std::optional<float> ParseDecimal(std::string_view text)
{
    const auto isBlank = [](char ch) { return ch == ' ' || ch == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    const std::size_t length = DecimalPrefixLength(text, true);
    if (length == 0 || length != text.size())
        return std::nullopt;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const double magnitude = ConvertUnsigned(text);
    return ToFloat(negative ? -magnitude : magnitude);
}

std::string FormatFixed(double value)
{
    return ToChars(value, std::chars_format::fixed, 6);
}

std::string FormatExact(double value)
{
    return ToChars(value, std::chars_format::general, 17);
}

std::string FormatField(float value)
{
    // An infinity shows as the shortest decimal that reads back as one, so the box stays
    // readable; a NaN has no such text.
    if (std::isinf(value))
        return value > 0 ? "1e+39" : "-1e+39";
    std::string fixed = ToChars(value, std::chars_format::fixed);
    return fixed.size() <= kMaxPlainFieldLength ? fixed : ToChars(value);
}

} // namespace plovex
