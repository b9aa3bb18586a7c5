#include <gtest/gtest.h>

#include "rules/play/trick_rules.h"
#include "trick_fixture.h"

using namespace corvane;
using corvane::testing::card;
using corvane::testing::TrickTable;

TEST(LowestOfSuit, DowntownTheKingFirstAndTheAceLast)
{
    auto lowest = [](std::string_view hand, Mode m) {
        TrickTable tt(Spades, m == Mode::Up, East, hand);
        return lowestOfSuit(tt.t, Diamonds, East, m);
    };
    EXPECT_EQ(lowest("2D KD AD", Mode::Down), card("KD"));
    EXPECT_EQ(lowest("2D KD AD", Mode::Up), card("2D"));
    EXPECT_EQ(lowest("AD 5C", Mode::Down), card("AD"));
    EXPECT_EQ(lowest("LJ BJ 5C", Mode::Down), LittleJoker);
    EXPECT_EQ(lowest("BJ 5C", Mode::Up), BigJoker);
    EXPECT_EQ(lowest("5C", Mode::Up), NoCard);
}

TEST(LowestCard, RankFirstThenTheScanDirectionOfTheMode)
{
    auto lowest = [](std::string_view hand, Mode m, Suit trumps = Spades) {
        TrickTable tt(trumps, m == Mode::Up, East, hand);
        return lowestCard(tt.t, East, m);
    };
    EXPECT_EQ(lowest("5C 5D", Mode::Up), card("5D"));
    EXPECT_EQ(lowest("5C 5D", Mode::Down), card("5C"));
    EXPECT_EQ(lowest("KD 2C", Mode::Down), card("KD"));
    EXPECT_EQ(lowest("2S 9D", Mode::Up), card("9D"));  // a trump is kept
    // Only trumps left: the highest id, jokers first.
    EXPECT_EQ(lowest("2S AS LJ", Mode::Up), LittleJoker);
    EXPECT_EQ(lowest("2S 7S", Mode::Down), card("7S"));
    // No Trumps: every suit card counts, the jokers come last.
    EXPECT_EQ(lowest("LJ 2S 3D", Mode::Up, NoTrumps), card("2S"));
    EXPECT_EQ(lowest("", Mode::Up), NoCard);
}

TEST(TrickViews, SecondThirdAndFourthPlayersJudgeTheTrick)
{
    // Void in a plain led suit, holding a joker (a trump): it can beat the lead.
    EXPECT_TRUE(canBeatLead(TrickTable(Spades, true, North, "LJ 4D", "7H").t, North, Mode::Up));
    EXPECT_FALSE(canBeatLead(TrickTable(Spades, true, North, "2H 4D", "AH").t, North, Mode::Up));
    EXPECT_FALSE(canBeatLead(TrickTable(Spades, true, North, "AS", "LJ", "BJ").t, North, Mode::Up));
    EXPECT_TRUE(canBeatLead(TrickTable(Spades, true, North, "BJ", "LJ").t, North, Mode::Up));
    // Downtown, trumps led: the Two beats the Three.
    EXPECT_FALSE(leadBeatsSecond(TrickTable(Spades, false, East, "", "3S 2S").t, Mode::Down));
    EXPECT_TRUE(leadBeatsSecond(TrickTable(Spades, true, East, "", "3S 2S").t, Mode::Up));
    EXPECT_FALSE(leadBeatsSecond(TrickTable(Spades, true, East, "", "KH 2S").t, Mode::Up));
    EXPECT_TRUE(leadBeatsSecond(TrickTable(Spades, true, East, "", "KH 2D").t, Mode::Up));
    // Trumps led: the partner's trump never counts as ahead, even the highest.
    EXPECT_FALSE(secondBeatsOthers(TrickTable(Spades, true, South, "", "2S KS 3S").t, Mode::Up));
    EXPECT_TRUE(secondBeatsOthers(TrickTable(Spades, true, South, "", "2H 3S 5H").t, Mode::Up));
    EXPECT_FALSE(secondBeatsOthers(TrickTable(Spades, true, South, "", "2H 3S 5S").t, Mode::Up));
    EXPECT_TRUE(secondBeatsOthers(TrickTable(Spades, true, South, "", "2H KH 5H").t, Mode::Up));
    EXPECT_FALSE(secondBeatsOthers(TrickTable(Spades, true, South, "", "AH KH 5H").t, Mode::Up));
}
