#include "engine/TokenList.h"

#include <gtest/gtest.h>
#include <string>

namespace plovex {
namespace {

std::string Kinds(const TokenList& list)
{
    std::string kinds;
    list.ForEach([&kinds](const Token& token) { kinds += token.kind; });
    return kinds;
}

TEST(TokenList, AllocatesBlocksOfTenAndReleasesThemWhenEmpty)
{
    TokenList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.BlockCount(), 0u);
    for (int i = 0; i < 10; ++i)
        list.Append({ 'x', 0.0f });
    EXPECT_EQ(list.BlockCount(), 1u);
    list.Append({ 'x', 0.0f });
    EXPECT_EQ(list.BlockCount(), 2u);
    EXPECT_EQ(list.Count(), 11u);

    // Removing keeps the blocks while anything is left; the last removal frees them all.
    for (int i = 0; i < 10; ++i)
        (void)list.RemoveLast();
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.BlockCount(), 2u);
    (void)list.RemoveLast();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.BlockCount(), 0u);

    list.Append({ '+', 0.0f });
    EXPECT_EQ(list.BlockCount(), 1u);
}

TEST(TokenList, ReusesRemovedNodesBeforeAllocating)
{
    TokenList list;
    for (int i = 0; i < 10; ++i)
        list.Append({ '0', static_cast<float>(i) });
    for (int round = 0; round < 25; ++round) {
        (void)list.RemoveLast();
        list.Append({ '0', 9.0f });
    }
    EXPECT_EQ(list.BlockCount(), 1u);
    for (int i = 0; i < 5; ++i)
        (void)list.RemoveLast();
    for (int i = 0; i < 5; ++i)
        list.Append({ 'y', 0.0f });
    EXPECT_EQ(list.BlockCount(), 1u);
    EXPECT_EQ(Kinds(list), "00000yyyyy");
}

TEST(TokenList, ClearReleasesEveryBlock)
{
    TokenList list;
    for (int i = 0; i < 23; ++i)
        list.Append({ '*', 0.0f });
    EXPECT_EQ(list.BlockCount(), 3u);
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.BlockCount(), 0u);
    EXPECT_EQ(Kinds(list), "");
    list.Append({ '/', 0.0f });
    EXPECT_EQ(Kinds(list), "/");
    EXPECT_EQ(list.BlockCount(), 1u);
}

TEST(TokenList, LastAndRemoveLastWorkAtTheTail)
{
    TokenList list;
    list.Append({ '0', 1.5f });
    list.Append({ 'x', 0.0f });
    list.Append({ '0', -2.25f });
    EXPECT_EQ(list.Last().kind, '0');
    EXPECT_EQ(list.Last().value, -2.25f);
    EXPECT_EQ(list.Count(), 3u); // Last() leaves the token in place

    const Token third = list.RemoveLast();
    EXPECT_EQ(third.kind, '0');
    EXPECT_EQ(third.value, -2.25f);
    EXPECT_EQ(list.RemoveLast().kind, 'x');
    const Token first = list.RemoveLast();
    EXPECT_EQ(first.kind, '0');
    EXPECT_EQ(first.value, 1.5f);
    EXPECT_TRUE(list.IsEmpty());
}

TEST(TokenList, WalksFromHeadToTailAcrossBlocks)
{
    TokenList list;
    const std::string kinds = "x0+y*sctSCTaAbelLmrf/^-";
    for (char kind : kinds)
        list.Append({ kind, 0.0f });
    EXPECT_EQ(Kinds(list), kinds);
    EXPECT_EQ(Kinds(list), kinds); // walking changes nothing
    EXPECT_EQ(list.Count(), kinds.size());
    EXPECT_EQ(list.BlockCount(), 3u);
}

} // namespace
} // namespace plovex
