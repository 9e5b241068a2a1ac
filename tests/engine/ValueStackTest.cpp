#include "engine/ValueStack.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace plovex {
namespace {

TEST(ValueStack, AllocatesBlocksOfTenAndReleasesThemWhenEmpty)
{
    ValueStack stack;
    EXPECT_TRUE(stack.IsEmpty());
    EXPECT_EQ(stack.BlockCount(), 0u);
    for (int i = 0; i < 10; ++i)
        stack.Push(static_cast<float>(i));
    EXPECT_EQ(stack.BlockCount(), 1u);
    stack.Push(10.0f);
    EXPECT_EQ(stack.BlockCount(), 2u);

    for (int i = 10; i >= 1; --i)
        EXPECT_EQ(stack.Pop(), static_cast<float>(i));
    EXPECT_EQ(stack.BlockCount(), 2u);
    EXPECT_EQ(stack.Pop(), 0.0f);
    EXPECT_TRUE(stack.IsEmpty());
    EXPECT_EQ(stack.BlockCount(), 0u);

    stack.Push(1.0f);
    EXPECT_EQ(stack.BlockCount(), 1u);
}

TEST(ValueStack, PushAfterPopReusesTheNode)
{
    ValueStack stack;
    stack.Push(0.0f);
    for (int i = 0; i < 100; ++i) {
        stack.Push(1.0f);
        stack.Push(2.0f);
        EXPECT_EQ(stack.Pop(), 2.0f);
        EXPECT_EQ(stack.Pop(), 1.0f);
    }
    EXPECT_EQ(stack.Count(), 1u);
    EXPECT_EQ(stack.BlockCount(), 1u);
}

TEST(ValueStack, KeepsSpecialValuesBitForBit)
{
    ValueStack stack;
    stack.Push(std::numeric_limits<float>::quiet_NaN());
    stack.Push(-0.0f);
    stack.Push(-std::numeric_limits<float>::infinity());
    stack.Push(std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(stack.Pop(), std::numeric_limits<float>::denorm_min());
    EXPECT_EQ(stack.Pop(), -std::numeric_limits<float>::infinity());
    const float zero = stack.Pop();
    EXPECT_EQ(zero, 0.0f);
    EXPECT_TRUE(std::signbit(zero));
    EXPECT_TRUE(std::isnan(stack.Pop()));
    EXPECT_EQ(stack.BlockCount(), 0u);
}

} // namespace
} // namespace plovex
