#include <gtest/gtest.h>

#include "table/event.h"

using namespace corvane;

// An event's message box lives on the heap: copies must not share it.
TEST(OptionalBox, CopiesAreDeepAndCompareByValue)
{
    Event a{ev::Refused{}, {}, MessageBox{"Ann no", "O.K", "", "", 5, "Finish Game"}};
    Event b = a;
    ASSERT_TRUE(b.message);
    EXPECT_EQ(*b.message, *a.message);
    b.message->text = "changed";
    EXPECT_EQ(a.message->text, "Ann no");
    EXPECT_FALSE(a.message == b.message);

    Event none{ev::Refused{}, {}, std::nullopt};
    EXPECT_FALSE(none.message.has_value());
    b = none;
    EXPECT_FALSE(b.message);
    EXPECT_TRUE(b.message == none.message);
    EXPECT_EQ(none.message.value_or(MessageBox{"fallback"}).text, "fallback");

    Event moved = std::move(a);
    ASSERT_TRUE(moved.message);
    EXPECT_EQ(moved.message->title, "Finish Game");
}
