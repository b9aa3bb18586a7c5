#include <gtest/gtest.h>

#include <string>

#include "game/log_lines.h"

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
