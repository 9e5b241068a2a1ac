#include "engine/Numbers.h"

#include <bit>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace plovex {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr float kInfF = std::numeric_limits<float>::infinity();

std::uint64_t Bits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A small deterministic generator, so a failure can be reproduced.
class Random {
public:
    std::uint64_t Next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return m_state >> 11 ^ m_state << 29;
    }

private:
    std::uint64_t m_state = 0x853c49e6748fea9bULL;
};

std::string Printf(const char* format, double value)
{
    char text[512];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// Values for comparing with printf: every exponent, ties at the sixth decimal, halves,
// floats widened, and the ends of the ranges.
std::vector<double> SampleValues()
{
    std::vector<double> values = { 0.0, -0.0, 1.0, -1.0, 0.5, 2.5, 0.1, 1e-7, -1e-7, 5e-7, 4.9e-7,
        5.000001e-7, 0.0000005, 0.0000015, 0.0000025, 999999.9999995, 1e15, 1e22, 1e23, 1e300,
        DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, FLT_MAX, FLT_MIN, FLT_TRUE_MIN, 16777217.0,
        9007199254740993.0, 0.99999949999999999, 0.9999995, 1.0000005, 123.4567895 };
    // m / 128 with m odd has seven decimals ending in 5: an exact tie at the sixth.
    for (int m = -1001; m <= 1001; m += 2)
        values.push_back(m / 128.0);
    for (int k = 7; k <= 40; ++k) {
        values.push_back(std::ldexp(1.0, -k));
        values.push_back(std::ldexp(3.0, -k));
        values.push_back(1e6 + std::ldexp(1.0, -k));
        values.push_back(-12345.0 - std::ldexp(5.0, -k));
    }
    Random random;
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random.Next();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
        const float single = std::ldexp(static_cast<float>(random.Next() % 100000000) / 1e4f,
            static_cast<int>(random.Next() % 60) - 30);
        values.push_back(i % 2 ? single : -single);
        values.push_back(static_cast<double>(random.Next() % 2000000001) / 1e6 - 1000.0);
    }
    return values;
}

TEST(Numbers, FormatFixedWritesWhatPrintfWrites)
{
    for (double value : SampleValues()) {
        SCOPED_TRACE(Printf("%.17g", value));
        ASSERT_EQ(FormatFixed(value), Printf("%f", value));
    }
}

TEST(Numbers, FormatExactWritesWhatPrintfWrites)
{
    for (double value : SampleValues()) {
        SCOPED_TRACE(Printf("%a", value));
        const std::string text = FormatExact(value);
        ASSERT_EQ(text, Printf("%.17g", value));
        EXPECT_EQ(Bits(std::strtod(text.c_str(), nullptr)), Bits(value)); // reads back exactly
    }
}

TEST(Numbers, SpecialValuesHaveFixedTexts)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value;
        const char* fixed;
        const char* exact;
    } cases[] = {
        { kInf, "inf", "inf" },
        { -kInf, "-inf", "-inf" },
        { nan, "nan", "nan" },
        { -nan, "nan", "nan" }, // the sign of a NaN means nothing
        { -0.0, "-0.000000", "-0" },
        { -1e-9, "-0.000000", "-1.0000000000000001e-09" },
        { 2.5, "2.500000", "2.5" },
        { 0.999999, "0.999999", "0.99999899999999997" },
        { 0.99999906867740451, "0.999999", "0.99999906867740451" },
        { 2.0099997969716741, "2.010000", "2.0099997969716741" },
        { 1.0, "1.000000", "1" },
        { 1e21, "1000000000000000000000.000000", "1e+21" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixed);
        EXPECT_EQ(FormatFixed(c.value), c.fixed);
        EXPECT_EQ(FormatExact(c.value), c.exact);
    }
}

struct BufferCase {
    const char* buffer;
    double expected;
};

TEST(Numbers, BufferToNumberTakesTheLongestLeadingDecimal)
{
    const BufferCase cases[] = {
        { "2.5.1", 2.5 },
        { "12.", 12.0 },
        { "12.e1", 120.0 },
        { "007", 7.0 },
        { "0", 0.0 },
        { "2.5", 2.5 },
        { "0.1", 0.1 },
        { "2e5", 200000.0 },
        { "2E5", 200000.0 },
        { "2e", 2.0 },
        { "2e5e", 200000.0 },
        { "2e5.5", 200000.0 },
        { "1.5e-3", 0.0015 },
        { "3.14159265358979323846264338327950288", 3.141592653589793 },
        { "sin", 0.0 }, // a buffer that starts with a letter converts to 0
        { "e5", 0.0 },
        { "inf", 0.0 },
        { "nan", 0.0 },
        { "infinity", 0.0 },
        { "", 0.0 },
        { ".5", 0.0 },
        { "1e308", 1e308 },
        { "1e309", kInf }, // overflow gives an infinity, as strtod does
        { "1797693134862315807937289714053034150799341327710", 1.7976931348623158e48 },
        { "1e400", kInf },
        { "99999e99999", kInf },
        { "0.0000001e-330", 0.0 }, // underflow gives 0
        { "1e-400", 0.0 },
        { "1e-99999999999999999999", 0.0 },
        { "0e99999", 0.0 },
        { "4.9406564584124654e-324", 4.9406564584124654e-324 },
        { "2.2250738585072011e-308", 2.2250738585072009e-308 },
        { "1e-310", 1e-310 },
    };
    for (const BufferCase& c : cases) {
        SCOPED_TRACE(c.buffer);
        EXPECT_EQ(BufferToNumber(c.buffer), c.expected);
    }
    std::string huge = "1";
    huge.append(400, '0');
    EXPECT_EQ(BufferToNumber(huge), kInf);
    EXPECT_EQ(BufferToNumber(huge + ".5e-100"), 1e300);
    EXPECT_EQ(BufferToNumber(huge + "e-400"), 1.0);
    EXPECT_EQ(BufferToNumber("0." + std::string(400, '0') + "1e400"), 0.1);
    EXPECT_EQ(BufferToNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// A buffer that starts with a digit reads as strtod reads it in the C locale: compare on
// random buffers of the characters a scan can collect.
TEST(Numbers, BufferToNumberAgreesWithStrtodOnDigitBuffers)
{
    const char alphabet[] = "0123456789012345678900000.....eeeeEsinabc+-";
    Random random;
    for (int i = 0; i < 200000; ++i) {
        std::string buffer(1, static_cast<char>('0' + random.Next() % 10));
        const std::size_t length = random.Next() % 24;
        for (std::size_t j = 0; j < length; ++j)
            buffer += alphabet[random.Next() % (sizeof alphabet - 1)];
        if (random.Next() % 4 == 0) {
            buffer += 'e';
            buffer += std::to_string(static_cast<int>(random.Next() % 800) - 400);
        }
        SCOPED_TRACE(buffer);
        ASSERT_EQ(Bits(BufferToNumber(buffer)), Bits(std::strtod(buffer.c_str(), nullptr)));
    }
}

struct DecimalCase {
    const char* text;
    float expected;
};

TEST(Numbers, ParseDecimalReadsDecimalNumbersWithBlanksAround)
{
    const DecimalCase cases[] = {
        { "2.5", 2.5f },
        { " 2.5 ", 2.5f },
        { "\t-3\t", -3.0f },
        { "+4", 4.0f },
        { "-4", -4.0f },
        { ".5", 0.5f },
        { "-.5", -0.5f },
        { "5.", 5.0f },
        { "1e3", 1000.0f },
        { "1E-2", 0.01f },
        { "1e+2", 100.0f },
        { "-2.5e-1", -0.25f },
        { "0.1", 0.1f },
        { "16777217", 16777216.0f }, // rounded to float
        { "1e40", kInfF }, // beyond the float range
        { "-1e40", -kInfF },
        { "3.4028235e38", 3.4028235e38f },
        { "1e400", kInfF },
        { "1e-50", 0.0f },
        { "1e-45", 1e-45f },
        { "000010", 10.0f },
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<float> value = ParseDecimal(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
    }
    const std::optional<float> negativeZero = ParseDecimal("-0");
    ASSERT_TRUE(negativeZero.has_value());
    EXPECT_EQ(*negativeZero, 0.0f);
    EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(Numbers, ParseDecimalRejectsEverythingElse)
{
    const char* const texts[] = { "", " ", "\t", "inf", "-inf", "infinity", "nan", "NAN", "0x10",
        "0x1p3", "1,5", "2.5.1", "abc", "1e", "1e+", "e5", "--1", "+-1", "+", "-", ".", "-.", "1 2",
        "2 .5", "2x", "1e5x", "x", "1.5f",
        "\xc2\xa0"
        "1" };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseDecimal(text).has_value());
    }
}

TEST(Numbers, ConversionsIgnoreTheLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "the German locale is not available";
    // The C library now reads and writes a decimal comma; these conversions must not.
    const std::string printed = Printf("%.1f", 2.5);
    const double read = std::strtod("2.5", nullptr);
    const double buffer = BufferToNumber("2.5");
    const std::optional<float> typed = ParseDecimal("2.5");
    const std::string fixed = FormatFixed(2.5);
    const std::string exact = FormatExact(0.1);
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(printed, "2,5");
    EXPECT_EQ(read, 2.0);
    EXPECT_EQ(buffer, 2.5);
    EXPECT_EQ(typed, 2.5f);
    EXPECT_EQ(fixed, "2.500000");
    EXPECT_EQ(exact, "0.10000000000000001");
}

TEST(Numbers, StepHIsTheFloatNearestToOneHundredth)
{
    EXPECT_EQ(kStepH, 0.01f);
    EXPECT_EQ(static_cast<double>(kStepH), 0.00999999977648258209228515625);
}

TEST(Numbers, FormatFieldWritesTheShortestText)
{
    EXPECT_EQ(FormatField(10.0f), "10");
    EXPECT_EQ(FormatField(0.1f), "0.1");
    EXPECT_EQ(FormatField(2.5f), "2.5");
    EXPECT_EQ(FormatField(-3.0f), "-3");
    EXPECT_EQ(FormatField(16777216.0f), "16777216");
}

// Plain decimals for what people type; an exponent only where a plain text would run long;
// every text reads back as the same float.
TEST(Numbers, FormatFieldPrefersPlainDecimals)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        { 100000.0f, "100000" }, // was 1e+05
        { 1e6f, "1000000" },
        { 0.0001f, "0.0001" }, // was 1e-04
        { 1e-10f, "0.0000000001" },
        { 1e-11f, "1e-11" },
        { 123456789.0f, "123456792" },
        { 1e20f, "1e+20" },
        { -0.0f, "-0" },
        { 3.4028235e38f, "3.4028235e+38" },
        { std::numeric_limits<float>::infinity(), "1e+39" },
        { -std::numeric_limits<float>::infinity(), "-1e+39" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatField(c.value), c.text);
        const std::optional<float> back = ParseDecimal(FormatField(c.value));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(std::bit_cast<std::uint32_t>(*back), std::bit_cast<std::uint32_t>(c.value));
    }
}

} // namespace
} // namespace plovex
