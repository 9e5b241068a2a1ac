#include "document/DocumentCodec.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes bytes;
    for (const Bytes& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// The parameters follow the whole settings trailer, in their own part; a graph without them is
// written as before.
TEST(ParameterDocument, WritesTheParametersAfterTheFunctions)
{
    const Bytes functions = EncodeDocument({ { "a*x" } }, GraphView {});
    EXPECT_EQ(functions,
        Join({ { 3, 'a', '*', 'x' },
            { 'P', 'X', 'G', 'S', 1, 13, 0, 0, 0x20, 0x41, 0, 0, 0x20, 0x41, 0, 0, 0x20, 0x41,
                0 } }));
    const Parameter a { "a", 2.5f, -5.0f, 5.0f, 0.1f };
    const Parameter k2 { "k2", -0.0f, 0.0f, 1e30f, 3.0f };
    EXPECT_EQ(EncodeDocument({ { "a*x" } }, GraphView {}, { a, k2 }),
        Join({ functions, { 'P', 'X', 'G', 'P', 1, 2, 0, 0, 0 },
            { 1, 'a', 0, 0, 0x20, 0x40, 0, 0, 0xA0, 0xC0, 0, 0, 0xA0, 0x40, 0xCD, 0xCC, 0xCC,
                0x3D },
            { 2, 'k', '2', 0, 0, 0, 0x80, 0, 0, 0, 0, 0xCA, 0xF2, 0x49, 0x71, 0, 0, 0x40,
                0x40 } }));
}

// Every form of the settings trailer carries them, and they come back bit for bit.
TEST(ParameterDocument, RoundTripsBehindEveryTrailer)
{
    StoredFunction hidden { "a" };
    hidden.shown = false;
    StoredFunction polar { "b*t" };
    polar.kind = CurveKind::Polar;
    polar.range = { -1.0f, 2.0f };
    const GraphView moved { 10.0f, 10.0f, 10.0f, 3.5, -2.0 };
    const std::vector<Parameter> parameters { { "a", 0.1f, -1.0f, 1.0f, 0.05f },
        { "b", -0.0f, -5.0f, 5.0f, 0.1f }, { "speed", 123.0f, 0.0f, 1e6f, 1e-3f } };
    const struct {
        const char* name;
        std::vector<StoredFunction> functions;
        GraphView view;
    } cases[] = {
        { "version 1", { { "a*x" } }, {} },
        { "version 2", { hidden }, {} },
        { "version 3", { { "a*x" } }, moved },
        { "version 4", { polar }, {} },
        { "a list", { { "a*x" }, hidden, polar }, moved },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t count = 0; count <= parameters.size(); ++count) {
            const std::vector<Parameter> some(parameters.begin(), parameters.begin() + count);
            const DecodedDocument decoded
                = DecodeDocument(EncodeDocument(c.functions, c.view, some));
            ASSERT_TRUE(decoded.ok);
            EXPECT_EQ(decoded.stored, StoredSettings::Read);
            EXPECT_EQ(decoded.storedParameters,
                count == 0 ? StoredSettings::Absent : StoredSettings::Read);
            EXPECT_EQ(decoded.functions, c.functions);
            EXPECT_TRUE(static_cast<const GraphView&>(decoded.settings) == c.view);
            EXPECT_EQ(decoded.parameters, some);
        }
    }
}

// A damaged parameter part opens the functions and settings without parameters, and says so;
// a part not even marked as one leaves no trailer to read.
TEST(ParameterDocument, ADamagedPartOpensTheFunctionsWithout)
{
    const std::vector<StoredFunction> functions { { "a*x" }, { "b" } };
    const GraphView view { 2.0f, 3.0f, 4.0f };
    const Bytes head = EncodeDocument(functions, view);
    const Bytes mark { 'P', 'X', 'G', 'P' };
    const Bytes one { 1, 0, 0, 0 };
    const Bytes a { 1, 'a', 0, 0, 0x20, 0x40, 0, 0, 0xA0, 0xC0, 0, 0, 0xA0, 0x40, 0xCD, 0xCC, 0xCC,
        0x3D };
    const auto with = [&a](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        Bytes changed = a;
        for (const std::uint8_t byte : bytes)
            changed[at++] = byte;
        return changed;
    };
    const Bytes good = Join({ head, mark, { 1 }, one, a });
    ASSERT_EQ(DecodeDocument(good).storedParameters, StoredSettings::Read);
    const struct {
        const char* name;
        Bytes bytes;
        StoredSettings parameters; // Absent: the trailer itself is damaged
    } cases[] = {
        { "version 2", Join({ head, mark, { 2 }, one, a }), StoredSettings::Damaged },
        { "version 0", Join({ head, mark, { 0 }, one, a }), StoredSettings::Damaged },
        { "no parameter", Join({ head, mark, { 1 }, { 0, 0, 0, 0 } }), StoredSettings::Damaged },
        { "one too many", Join({ head, mark, { 1 }, { 2, 0, 0, 0 }, a }), StoredSettings::Damaged },
        { "a count beyond the bytes", Join({ head, mark, { 1 }, { 0xFF, 0xFF, 0xFF, 0xFF }, a }),
            StoredSettings::Damaged },
        { "a byte after it", Join({ good, { 0 } }), StoredSettings::Damaged },
        { "the name x", Join({ head, mark, { 1 }, one, with(1, { 'x' }) }),
            StoredSettings::Damaged },
        { "the name pi",
            Join({ head, mark, { 1 }, one, { 2, 'p', 'i' }, Bytes(a.begin() + 2, a.end()) }),
            StoredSettings::Damaged },
        { "a name given twice", Join({ head, mark, { 1 }, { 2, 0, 0, 0 }, a, a }),
            StoredSettings::Damaged },
        { "an infinite value", Join({ head, mark, { 1 }, one, with(2, { 0, 0, 0x80, 0x7F }) }),
            StoredSettings::Damaged },
        { "a NaN minimum", Join({ head, mark, { 1 }, one, with(6, { 0, 0, 0xC0, 0x7F }) }),
            StoredSettings::Damaged },
        { "the minimum above the maximum",
            Join({ head, mark, { 1 }, one, with(6, { 0, 0, 0xC0, 0x40 }) }),
            StoredSettings::Damaged },
        { "a step of 0", Join({ head, mark, { 1 }, one, with(14, { 0, 0, 0, 0 }) }),
            StoredSettings::Damaged },
        { "a negative step", Join({ head, mark, { 1 }, one, with(17, { 0xBD }) }),
            StoredSettings::Damaged },
        { "cut in the mark", Join({ head, { 'P', 'X', 'G' } }), StoredSettings::Absent },
        { "another mark", Join({ head, { 'P', 'X', 'G', 'Q', 1 }, one, a }),
            StoredSettings::Absent },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedDocument decoded = DecodeDocument(c.bytes);
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.storedParameters, c.parameters);
        EXPECT_TRUE(decoded.parameters.empty());
        if (c.parameters == StoredSettings::Damaged) {
            EXPECT_EQ(decoded.stored, StoredSettings::Read);
            EXPECT_EQ(decoded.functions, functions);
            EXPECT_TRUE(decoded.settings == GraphSettings(view, false));
        } else {
            EXPECT_EQ(decoded.stored, StoredSettings::Damaged);
            EXPECT_EQ(decoded.functions, std::vector<StoredFunction> { { "a*x" } });
        }
    }
    // Every cut inside the part, after its mark.
    for (std::size_t size = head.size() + mark.size(); size < good.size(); ++size) {
        SCOPED_TRACE(size);
        const DecodedDocument decoded = DecodeDocument(good.data(), size);
        ASSERT_TRUE(decoded.ok);
        EXPECT_EQ(decoded.storedParameters, StoredSettings::Damaged);
        EXPECT_EQ(decoded.functions, functions);
    }
}

} // namespace
} // namespace plovex
