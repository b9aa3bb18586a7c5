#include <gtest/gtest.h>

#include <string>

#include "table/log_lines.h"

using corvane::LogLines;

TEST(LogLines, KeepsLinesInOrderAcrossCopiesAndLongText)
{
    LogLines a{"Ann played Two of  Diamonds", ""};
    a.add("Wes", " won this trick", ".");
    ASSERT_EQ(a.size(), 3U);
    EXPECT_EQ(a[1], "");
    EXPECT_EQ(a.back(), "Wes won this trick.");

    // Past the inline buffer the text moves to the heap; earlier lines survive.
    const std::string longLine(300, 'x');
    LogLines b = a;
    b.push_back(longLine);
    b.push_back("after");
    EXPECT_EQ(b.front(), "Ann played Two of  Diamonds");
    EXPECT_EQ(b[3], longLine);
    EXPECT_EQ(b.back(), "after");
    EXPECT_EQ(a.size(), 3U);  // the copy is independent

    LogLines c;
    c = b;
    EXPECT_EQ(c, b);
    EXPECT_EQ(c.lines(), b.lines());
    c = a;
    EXPECT_EQ(c, a);
    EXPECT_NE(c, b);
}

TEST(LogLines, ALineWhosePartsOutgrowTheBufferKeepsEveryPart)
{
    LogLines l{std::string(150, 'a')};
    l.add("0123456", "789", std::string("xyz"));  // the buffer fills inside this line
    l.add("next");
    ASSERT_EQ(l.size(), 3U);
    EXPECT_EQ(l[0], std::string(150, 'a'));
    EXPECT_EQ(l[1], "0123456789xyz");
    EXPECT_EQ(l[2], "next");
}

TEST(LogLines, RefusesMoreLinesThanItHolds)
{
    LogLines l;
    for (std::size_t i = 0; i < LogLines::MaxLines; ++i)
        l.push_back("line");
    EXPECT_THROW(l.push_back("one too many"), std::length_error);
    EXPECT_EQ(l.size(), LogLines::MaxLines);
}

// Parts of every length up to past the short-copy sizes come out byte for byte.
TEST(LogLines, PartsOfEveryLengthComeOutWhole)
{
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (std::size_t n = 0; n <= 40; ++n) {
        const std::string part = alphabet.substr(0, n);
        LogLines l;
        l.add("<", part, ">", part);
        EXPECT_EQ(l.front(), "<" + part + ">" + part) << n;
    }
}

TEST(LogLines, MovesTakeTheTextAndLeaveTheSourceEmpty)
{
    for (const std::size_t length : {20U, 400U}) {  // inline, then on the heap
        LogLines a{std::string(length, 'm'), "end"};
        LogLines b = std::move(a);
        EXPECT_TRUE(a.empty());  // NOLINT(bugprone-use-after-move): the moved-from state is the point
        ASSERT_EQ(b.size(), 2U);
        EXPECT_EQ(b[0], std::string(length, 'm'));
        EXPECT_EQ(b[1], "end");

        LogLines c{"old"};
        c = std::move(b);
        EXPECT_TRUE(b.empty());  // NOLINT(bugprone-use-after-move)
        EXPECT_EQ(c[1], "end");

        // Cleared, it starts again in its own buffer.
        c.clear();
        c.add("fresh");
        ASSERT_EQ(c.size(), 1U);
        EXPECT_EQ(c.front(), "fresh");
    }
}

