#include "document/DocumentCodec.h"
#include "document/GraphFunction.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace plovex {
namespace {

using Bytes = std::vector<std::uint8_t>;

StoredFunction Curve(CurveKind kind, std::string x, std::string y = {}, ParameterRange range = {},
    Rgb colour = { 0, 0, 255 }, bool shown = true)
{
    StoredFunction function;
    function.kind = kind;
    function.expression = std::move(x);
    function.yExpression = std::move(y);
    function.range = range;
    function.colour = colour;
    function.shown = shown;
    return function;
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes bytes;
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// The default view's fields in version 4: scales and quality 10, the flags, the colour and
// two zero offsets.
Bytes Fields(std::uint8_t flags, Rgb colour = { 0, 0, 255 })
{
    return { 'P', 'X', 'G', 'S', 0x04, 0x20, 0x00, 0x00, 0x20, 0x41, 0x00, 0x00, 0x20, 0x41, 0x00,
        0x00, 0x20, 0x41, flags, colour.red, colour.green, colour.blue, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0, 0, 0 };
}

// 0 to 6.2831855 (0x40C90FDB).
const Bytes kDefaultRange { 0x00, 0x00, 0x00, 0x00, 0xDB, 0x0F, 0xC9, 0x40 };

// A curve makes the file version 4, each curve's range (and a parametric curve's Y(t)) after
// its expression; the files of the other kinds stay as they were.
TEST(CurveDocument, WritesVersionFourOnlyForCurves)
{
    const GraphView view;
    const struct {
        const char* name;
        std::vector<StoredFunction> functions;
        Bytes bytes;
    } cases[] = {
        { "polar alone", { Curve(CurveKind::Polar, "t/2") },
            Join({ { 0x03, 't', '/', '2' }, Fields(0x08), kDefaultRange }) },
        { "parametric alone, hidden, a range downwards",
            { Curve(CurveKind::Parametric, "t", "1", { 1.0f, -2.0f }, { 1, 2, 3 }, false) },
            Join({ { 0x01, 't' }, Fields(0x06, { 1, 2, 3 }),
                { 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0xC0, 0x01, '1' } }) },
        { "explicit first, then a parametric curve",
            { { "x" }, Curve(CurveKind::Parametric, "cos t", "", {}, { 213, 94, 0 }) },
            Join({ { 0x01, 'x' }, Fields(0x00), { 0x01, 0x00, 0x00, 0x00, 0x04, 213, 94, 0, 0x05 },
                Bytes { 'c', 'o', 's', ' ', 't' }, kDefaultRange, { 0x00 } }) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EncodeDocument(c.functions, view), c.bytes);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.stored, StoredSettings::Read);
        EXPECT_EQ(decoded.functions, c.functions);
    }
}

// Every kind, range and expression reads back as written, beside the other kinds and with a
// moved view.
TEST(CurveDocument, RoundTripsEveryKind)
{
    const float huge = std::numeric_limits<float>::max();
    const struct {
        const char* name;
        std::vector<StoredFunction> functions;
        GraphView view;
    } cases[] = {
        { "all four kinds",
            { { "x^2" }, { "x*y-1", CurveKind::Implicit, { 213, 94, 0 } },
                Curve(CurveKind::Parametric, "t-sin t", "1-cos t", {}, { 0, 158, 115 }),
                Curve(CurveKind::Polar, "cos(5t)", "", { -3.5f, 3.5f }, { 0, 0, 0 }, false) },
            {} },
        { "moved view", { Curve(CurveKind::Polar, "t", "", { -0.0f, 0.0f }) },
            { 2.0f, -1.0f, 0.5f, 12.5, -3e30 } },
        { "extreme range, long Y, bytes of any kind",
            { Curve(CurveKind::Parametric, std::string("t\0\xFF", 3), std::string(300, 't'),
                { huge, -huge }) },
            {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(EncodeDocument(c.functions, c.view));
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.stored, StoredSettings::Read);
        EXPECT_EQ(decoded.functions, c.functions);
        EXPECT_TRUE(static_cast<const GraphView&>(decoded.settings) == c.view);
        EXPECT_EQ(decoded.expression, c.functions[0].expression);
    }
}

// Bytes no version 4 writer makes open the first expression alone, explicit, with the
// default settings, and say so.
TEST(CurveDocument, ADamagedCurveOpensTheFirstExpressionAlone)
{
    const Bytes head { 0x03, 't', '/', '2' };
    const Bytes good = Join({ head, Fields(0x08), kDefaultRange });
    const auto with = [&](std::size_t at, std::uint8_t value) {
        Bytes bytes = good;
        bytes[at] = value;
        return bytes;
    };
    // The flags lie at 4 + 6 + 12, the range from 4 + 38.
    constexpr std::size_t kFlags = 22;
    constexpr std::size_t kRange = 42;
    Bytes version3 = good;
    version3[8] = 0x03;
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        { "two kinds", with(kFlags, 0x09) },
        { "unknown flag", with(kFlags, 0x18) },
        { "a curve in version 3", version3 },
        { "infinite start", Join({ head, Fields(0x08), { 0, 0, 0x80, 0x7F }, { 0, 0, 0, 0 } }) },
        { "NaN end", with(kRange + 7, 0x7F) },
        { "cut inside the range", Bytes(good.begin(), good.end() - 1) },
        { "one byte too many", Join({ good, { 0x00 } }) },
        { "parametric without its Y(t)", with(kFlags, 0x04) },
        { "Y(t) longer than the file", Join({ head, Fields(0x04), kDefaultRange, { 0x02, 'y' } }) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        ASSERT_TRUE(decoded.ok) << DocumentErrorText(decoded.error);
        EXPECT_EQ(decoded.stored, StoredSettings::Damaged);
        EXPECT_EQ(decoded.functions, (std::vector<StoredFunction> { { "t/2" } }));
        EXPECT_TRUE(decoded.settings == GraphSettings {});
    }
}

} // namespace
} // namespace plovex

namespace plovex {
namespace {

// Each kind parses its expressions with the names it allows: t in a curve, x (and y) in the
// others; a name the kind does not allow is an error naming the expression it is in, and
// every expression is parsed even after another failed.
TEST(CurveParse, EachKindAllowsItsOwnNames)
{
    const struct {
        const char* name;
        CurveKind kind;
        const char* first;
        const char* second;
        std::vector<std::string> errors; // "label|message"
        const char* postfix;
    } cases[] = {
        { "parametric", CurveKind::Parametric, "t-sin t", "1-cos(t)", {},
            "{t}{t}s-, (1.000000){t}c-" },
        { "y in a parametric curve's Y", CurveKind::Parametric, "t", "y",
            { "y(t)|Parse Error: Variable 'y' not allowed in parametric and polar functions, "
              "which use t." },
            "{t}, " },
        { "both expressions fail", CurveKind::Parametric, "t)", "x",
            { "x(t)|Parse Error: Unmatched parentheses.",
                "y(t)|Parse Error: Variable 'x' not allowed in parametric and polar functions, "
                "which use t." },
            ", " },
        { "polar", CurveKind::Polar, "x", "",
            { "r(t)|Parse Error: Variable 'x' not allowed in parametric and polar functions, "
              "which use t." },
            "" },
        { "t stays unknown in an explicit function", CurveKind::Explicit, "t", "",
            { "|Parse Error: Unrecognised function 't'." }, "" },
        { "and in an implicit one", CurveKind::Implicit, "x*t", "",
            { "|Parse Error: Unrecognised function 't'." }, "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoredFunction stored;
        stored.kind = c.kind;
        stored.expression = c.first;
        stored.yExpression = c.second;
        GraphFunction function(stored);
        const FunctionParse parse = function.Parse();
        std::vector<std::string> errors;
        for (const ExpressionError& error : parse.errors)
            errors.push_back(
                std::string(ExpressionLabel(c.kind, error.part)) + "|" + error.result.message);
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(parse.Ok(), c.errors.empty());
        EXPECT_EQ(function.PostfixText(), c.postfix);
    }
}

} // namespace
} // namespace plovex
