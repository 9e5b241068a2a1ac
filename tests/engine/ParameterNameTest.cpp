#include "engine/ParameterName.h"

#include <gtest/gtest.h>

namespace plovex {
namespace {

TEST(ParameterName, AcceptsWhatReadsBackAsOneNameAndSaysWhyNot)
{
    using Refusal = ParameterNameRefusal;
    const struct {
        const char* name;
        Refusal refusal;
    } cases[] = {
        { "a", Refusal::None },
        { "k", Refusal::None },
        { "k2", Refusal::None },
        { "a1b", Refusal::None },
        { "speed", Refusal::None },
        { "tt", Refusal::None },
        { "pie", Refusal::None },
        { "exp", Refusal::HoldsXOrY },
        { "log10", Refusal::None },
        { "", Refusal::Empty },
        { "2a", Refusal::NotLowerCaseStart },
        { "A", Refusal::NotLowerCaseStart },
        { "_a", Refusal::NotLowerCaseStart },
        { "\xc3\xa9", Refusal::NotLowerCaseStart },
        { "aB", Refusal::InvalidCharacter },
        { "a_b", Refusal::InvalidCharacter },
        { "a b", Refusal::InvalidCharacter },
        { "a.", Refusal::InvalidCharacter },
        { "x", Refusal::Variable },
        { "y", Refusal::Variable },
        { "t", Refusal::Variable },
        { "pi", Refusal::Constant },
        { "sin", Refusal::FunctionName },
        { "e", Refusal::FunctionName },
        { "floor", Refusal::FunctionName },
        { "cosec", Refusal::FunctionName },
        { "ax", Refusal::HoldsXOrY }, // reads as a*x
        { "y2", Refusal::HoldsXOrY },
        { "max", Refusal::HoldsXOrY },
        { "sinn", Refusal::None },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckParameterName(c.name), c.refusal);
    }
}

} // namespace
} // namespace plovex
