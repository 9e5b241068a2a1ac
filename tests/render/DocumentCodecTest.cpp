#include "document/DocumentCodec.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace plovex {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The prefix an expression of `length` characters gets, and the characters after it.
TEST(DocumentCodec, EncodesTheLengthPrefix)
{
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        { 0, Bytes({ 0x00 }) },
        { 1, Bytes({ 0x01 }) },
        { 254, Bytes({ 0xFE }) },
        { 255, Bytes({ 0xFF, 0xFF, 0x00 }) },
        { 256, Bytes({ 0xFF, 0x00, 0x01 }) },
        { 300, Bytes({ 0xFF, 0x2C, 0x01 }) },
        { 65533, Bytes({ 0xFF, 0xFD, 0xFF }) },
        // 0xFFFE and up no longer fit the word: 0xFFFF announces a 32-bit count.
        { 65534, Bytes({ 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 }) },
        { 65535, Bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00 }) },
        { 70000, Bytes({ 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 }) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string expression(c.length, 'x');
        for (std::size_t i = 0; i < c.length; i += 7)
            expression[i] = static_cast<char>('0' + i % 10);
        const Bytes bytes = EncodeDocument(expression);
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_EQ(
            Bytes(bytes.begin(), bytes.begin() + static_cast<long>(c.prefix.size())), c.prefix);
        EXPECT_EQ(std::string(bytes.begin() + static_cast<long>(c.prefix.size()), bytes.end()),
            expression);

        const DecodedDocument decoded = DecodeDocument(bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.expression, expression);
    }
}

TEST(DocumentCodec, WritesTheCharactersAsTheyAre)
{
    EXPECT_EQ(
        EncodeDocument("x^2+5*x+6"), Bytes({ 0x09, 'x', '^', '2', '+', '5', '*', 'x', '+', '6' }));
    // Eight-bit characters travel unchanged; no terminator, no conversion.
    const std::string withNul("\xE9\0\xFF"
                              "x",
        4);
    EXPECT_EQ(EncodeDocument(withNul), Bytes({ 0x04, 0xE9, 0x00, 0xFF, 'x' }));
    const DecodedDocument decoded = DecodeDocument(Bytes({ 0x04, 0xE9, 0x00, 0xFF, 'x' }));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.expression, withNul);
}

TEST(DocumentCodec, ReadsEveryPrefixFormEvenWhereAShorterOneWouldDo)
{
    struct Case {
        const char* name;
        Bytes bytes;
        std::string expression;
    };
    const Case cases[] = {
        { "empty", Bytes({ 0x00 }), "" }, { "byte", Bytes({ 0x03, 'a', 'b', 'c' }), "abc" },
        { "word for a short text", Bytes({ 0xFF, 0x03, 0x00, 'a', 'b', 'c' }), "abc" },
        { "count for a short text", Bytes({ 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 'a', 'b' }),
            "ab" },
        { "empty in the long form", Bytes({ 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00 }), "" },
        { "bytes after the text", Bytes({ 0x01, 'x', 'y', 'z' }), "x" }, // ignored, as before
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.expression, c.expression);
    }
}

TEST(DocumentCodec, RejectsTruncatedAndLyingFiles)
{
    struct Case {
        const char* name;
        Bytes bytes;
        std::string error;
    };
    const Case cases[] = {
        { "no bytes", Bytes(), "The file is empty." },
        { "byte prefix, text cut", Bytes({ 0x05, 'a', 'b' }),
            "The file claims an expression of 5 characters but holds only 2." },
        { "only the marker", Bytes({ 0xFF }),
            "The file ends inside the length of the expression." },
        { "half a word", Bytes({ 0xFF, 0x2C }),
            "The file ends inside the length of the expression." },
        { "word, text cut", Bytes({ 0xFF, 0x2C, 0x01, 'a' }),
            "The file claims an expression of 300 characters but holds only 1." },
        { "count cut", Bytes({ 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00 }),
            "The file ends inside the length of the expression." },
        // A count of four billion must be refused before anything is allocated for it.
        { "count lies", Bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a' }),
            "The file claims an expression of 4294967295 characters but holds only 1." },
        { "count one too many", Bytes({ 0xFF, 0xFF, 0xFF, 0x03, 0x00, 0x00, 0x00, 'a', 'b' }),
            "The file claims an expression of 3 characters but holds only 2." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        EXPECT_FALSE(decoded.ok);
        EXPECT_EQ(DocumentErrorText(decoded.error), c.error);
        EXPECT_EQ(decoded.expression, "");
    }
}

TEST(DocumentCodec, EveryTruncationOfAValidFileIsRefused)
{
    for (const std::size_t length : { 0u, 10u, 254u, 255u, 300u, 65534u }) {
        const Bytes whole = EncodeDocument(std::string(length, '1'));
        for (std::size_t cut = 0; cut < whole.size(); cut += cut < 16 ? 1 : 97) {
            SCOPED_TRACE(std::to_string(length) + " cut at " + std::to_string(cut));
            EXPECT_FALSE(DecodeDocument(whole.data(), cut).ok);
        }
    }
}

// The settings trailer: what a file without one reads as, what a new file holds, and that a
// damaged trailer still gives the expression, with the defaults.
TEST(DocumentCodec, ReadsTheSettingsTrailer)
{
    const auto join = [](std::initializer_list<Bytes> parts) {
        Bytes bytes;
        for (const Bytes& part : parts) {
            for (const std::uint8_t byte : part)
                bytes.push_back(byte);
        }
        return bytes;
    };
    const auto file = [&](const Bytes& trailer) { return join({ Bytes { 0x01, 'x' }, trailer }); };
    const auto trailer = [&](const Bytes& head, const Bytes& fields) {
        return join({ Bytes { 'P', 'X', 'G', 'S' }, head, fields });
    };
    // 2.5, -1, 0.5 and implicit.
    const Bytes fields { 0x00, 0x00, 0x20, 0x40, 0x00, 0x00, 0x80, 0xBF, 0x00, 0x00, 0x00, 0x3F,
        0x01 };
    Bytes longer = fields;
    longer.push_back(0x7F);
    Bytes unknownFlag = fields;
    unknownFlag.back() = 0x03;
    Bytes nan = fields;
    nan[3] = 0x7F;
    nan[2] = 0xC0;
    const GraphSettings defaults;
    const GraphSettings stored { 2.5f, -1.0f, 0.5f, true };
    const struct {
        const char* name;
        Bytes bytes;
        StoredSettings state;
        GraphSettings settings;
    } cases[] = {
        { "none", file({}), StoredSettings::Absent, defaults },
        { "version 1", file(trailer({ 0x01, 0x0D }, fields)), StoredSettings::Read, stored },
        // A later version appends fields and may use more flags; the first ones still read.
        { "version 2", file(trailer({ 0x02, 0x0E }, longer)), StoredSettings::Read, stored },
        { "stray bytes", file({ 'y', 'z' }), StoredSettings::Damaged, defaults },
        { "cut", file(trailer({ 0x01, 0x0D }, Bytes(fields.begin(), fields.end() - 1))),
            StoredSettings::Damaged, defaults },
        { "one byte too many", file(trailer({ 0x01, 0x0D }, longer)), StoredSettings::Damaged,
            defaults },
        { "too few fields", file(trailer({ 0x01, 0x0C }, Bytes(fields.begin(), fields.end() - 1))),
            StoredSettings::Damaged, defaults },
        { "version 0", file(trailer({ 0x00, 0x0D }, fields)), StoredSettings::Damaged, defaults },
        { "unknown flag", file(trailer({ 0x01, 0x0D }, unknownFlag)), StoredSettings::Damaged,
            defaults },
        { "NaN scale", file(trailer({ 0x01, 0x0D }, nan)), StoredSettings::Damaged, defaults },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.expression, "x");
        EXPECT_EQ(decoded.stored, c.state);
        EXPECT_TRUE(decoded.settings == c.settings);
    }
    EXPECT_EQ(EncodeDocument("x", stored), file(trailer({ 0x01, 0x0D }, fields)));
}

} // namespace
} // namespace plovex

namespace plovex {
namespace {

// Every function's bytes, kind, colour and shown flag, in order; one shown blue function is
// written as version 1 writes it.
TEST(DocumentCodec, RoundTripsFunctions)
{
    const GraphView view { 2.5f, -1.0f, 0.5f };
    const struct {
        const char* name;
        std::vector<StoredFunction> functions;
        std::uint8_t version;
    } cases[] = {
        { "one blue", { { "x^2" } }, 1 },
        { "one implicit blue", { { "x*y", CurveKind::Implicit } }, 1 },
        { "one hidden", { { "x^2", CurveKind::Explicit, { 0, 0, 255 }, false } }, 2 },
        { "one red", { { "x^2", CurveKind::Explicit, { 170, 0, 0 } } }, 2 },
        { "three",
            { { "sin(x)" }, { "x-x^3/6", CurveKind::Explicit, { 213, 94, 0 }, false },
                { std::string("x\0\xFFy", 4), CurveKind::Implicit, { 0, 158, 115 } } },
            2 },
        { "long second", { { "" }, { std::string(70000, '1'), CurveKind::Explicit, { 1, 2, 3 } } },
            2 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = EncodeDocument(c.functions, view);
        const std::size_t trailer = EncodeDocument(c.functions[0].expression).size();
        ASSERT_GT(bytes.size(), trailer + 5);
        EXPECT_EQ(bytes[trailer + 4], c.version);
        if (c.version == 1) {
            EXPECT_EQ(bytes,
                EncodeDocument(c.functions[0].expression,
                    GraphSettings { view, c.functions[0].kind == CurveKind::Implicit }));
        }
        const DecodedDocument decoded = DecodeDocument(bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.stored, StoredSettings::Read);
        EXPECT_EQ(decoded.functions, c.functions);
        EXPECT_EQ(decoded.expression, c.functions[0].expression);
        EXPECT_TRUE(decoded.settings
            == (GraphSettings { view, c.functions[0].kind == CurveKind::Implicit }));
    }
}

// A damaged function list opens the first function alone with the default settings.
TEST(DocumentCodec, ADamagedFunctionListKeepsTheFirstFunctionAlone)
{
    const std::vector<StoredFunction> functions { { "x", CurveKind::Implicit },
        { "y", CurveKind::Explicit, { 1, 2, 3 } } };
    const Bytes good = EncodeDocument(functions, GraphView { 2.0f, 3.0f, 4.0f });
    // "x", "PXGS", version, n, 16 bytes of fields: the count starts at 24.
    constexpr std::size_t kCount = 24;
    const auto changed = [&](std::size_t at, std::uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        return bytes;
    };
    Bytes longer = good;
    longer.push_back(0);
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        { "cut", Bytes(good.begin(), good.end() - 1) },
        { "one byte too many", longer },
        { "count zero", changed(kCount, 0) },
        { "count too big", changed(kCount, 2) },
        { "huge count", changed(kCount + 3, 0x80) },
        { "unknown flag", changed(kCount + 4, 0x04) },
        { "unknown first flag", changed(20, 0x05) },
        { "cut inside the count", Bytes(good.begin(), good.begin() + kCount + 2) },
        { "length beyond the end", changed(kCount + 8, 9) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.stored, StoredSettings::Damaged);
        EXPECT_EQ(decoded.functions, (std::vector<StoredFunction> { { "x" } }));
        EXPECT_TRUE(decoded.settings == GraphSettings {});
    }
}

} // namespace
} // namespace plovex
