// Counts of every legal way a trick, or the last three tricks, can be played,
// by the engine's rules and by a plain reading of them written here: a
// difference in who may follow with what, or who leads next, changes a count.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "rules/play/play.h"
#include "support/table_builder.h"

using namespace corvane;
using corvane::testing::cards;

namespace {

struct Position {
    const char* name;
    Suit trumps;
    bool high;
    Seat leader;
    std::array<const char*, 5> hands;  // by seat 1..4
    long trick;                        // sequences to the end of the first trick
    long hand;                         // and to the end of the hand
};

// --- The plain reading ---
// A joker is a trump; in No Trumps it is a suit of its own that never wins.
// One must follow the led suit if able. Trumps beat the led suit; above
// every trump the Big then the Little Joker; the Ace is top of its suit
// both ways, and downtown the Two comes next, the King last.
struct Plain {
    Suit trumps;
    bool high;
    Suit suit(Card c) const { return c > 52 ? (trumps == NoTrumps ? 9 : trumps) : (c - 1) / 13 + 1; }
    int worth(Card c, Suit led) const
    {
        if (c > 52)
            return trumps == NoTrumps ? 0 : 100 + c;
        const int r = (c - 1) % 13;
        const int inSuit = r == 12 ? 14 : high ? r + 1 : 13 - r;
        return suit(c) == trumps ? 50 + inSuit : suit(c) == led ? inSuit : 0;
    }
    long count(std::array<std::vector<Card>, 5>& hands, Seat leader, std::vector<Card>& trick, bool toHandEnd) const
    {
        const int n = static_cast<int>(trick.size());
        if (n == 4) {
            int best = -1, top = 0;
            for (int p = 0; p < 4; ++p)
                if (const int w = worth(trick[p], suit(trick[0])); w > top)
                    top = w, best = p;
            // Nobody can win a joker led in No Trumps: the leader leads again.
            const Seat next = best < 0 ? leader : (leader - 1 + best) % 4 + 1;
            if (!toHandEnd || hands[next].empty())
                return 1;
            std::vector<Card> fresh;
            return count(hands, next, fresh, true);
        }
        const Seat s = (leader - 1 + n) % 4 + 1;
        bool canFollow = false;
        for (Card c : hands[s])
            canFollow |= n > 0 && suit(c) == suit(trick[0]);
        long total = 0;
        for (std::size_t i = 0; i < hands[s].size(); ++i) {
            const Card c = hands[s][i];
            if (canFollow && suit(c) != suit(trick[0]))
                continue;
            hands[s].erase(hands[s].begin() + static_cast<long>(i));
            trick.push_back(c);
            total += count(hands, leader, trick, toHandEnd);
            trick.pop_back();
            hands[s].insert(hands[s].begin() + static_cast<long>(i), c);
        }
        return total;
    }
};

// --- The engine's rules: isLegalPlay to choose, decideWinner to judge ---
long engineCount(TableState& t, int position, bool toHandEnd)
{
    if (position == 5) {
        const Seat w = decideWinner(t);
        if (!toHandEnd || !isSeat(w) || t.hand(w).empty())
            return 1;
        TableState next = t;
        next.trickWinner = next.leader = w;
        next.trick = {};
        return engineCount(next, 1, true);
    }
    const Seat s = seatAfter(t.leader, position - 1);
    long total = 0;
    for (Card c : t.hand(s)) {
        if (!isLegalPlay(t, s, c, position))
            continue;
        TableState after = t;
        after.trick.card[position] = c;
        after.trick.suit[position] = t.suitOf(c);
        after.trick.seat[position] = s;
        after.move(c, s, OutOfPlay);
        total += engineCount(after, position + 1, toHandEnd);
    }
    return total;
}

// Twelve cards a seat from the test's own shuffle of the pack.
std::array<std::string, 5> dealt(std::uint32_t seed)
{
    std::vector<Card> pack;
    for (Card c = 1; c <= CardCount; ++c)
        pack.push_back(c);
    for (std::size_t i = pack.size() - 1; i > 0; --i) {
        seed = seed * 1664525U + 1013904223U;
        std::swap(pack[i], pack[(seed >> 8) % (i + 1)]);
    }
    std::array<std::string, 5> hands;
    for (std::size_t i = 0; i < 48; ++i) {
        const Card c = pack[i];
        hands[i % 4 + 1] += c > 52 ? (c == BigJoker ? "BJ " : "LJ ")
                                   : std::string{"23456789TJQKA"[(c - 1) % 13], "DCHS"[(c - 1) / 13], ' '};
    }
    return hands;
}

void checkCounts(const Position& p)
{
    TableState t;
    resetTable(t);
    t.gameStarted = true;
    t.trumps = p.trumps;
    t.contractHigh = p.high;
    showTrumps(t, p.trumps);
    t.leader = t.trickWinner = p.leader;
    std::array<std::vector<Card>, 5> hands;
    for (Seat s = South; s <= East; ++s)
        for (Card c : cards(p.hands[static_cast<std::size_t>(s)])) {
            t.move(c, s);
            hands[static_cast<std::size_t>(s)].push_back(c);
        }
    const Plain plain{p.trumps, p.high};
    std::vector<Card> trick;
    const long trickCount = plain.count(hands, p.leader, trick, false);
    const long handCount = t.hand(South).count() <= 3 ? plain.count(hands, p.leader, trick, true) : 0;
    std::printf("%-28s trick %ld hand %ld\n", p.name, trickCount, handCount);
    TableState e = t;
    EXPECT_EQ(engineCount(e, 1, false), trickCount) << p.name;
    EXPECT_EQ(trickCount, p.trick) << p.name;
    if (handCount > 0) {
        e = t;
        EXPECT_EQ(engineCount(e, 1, true), handCount) << p.name;
    }
    EXPECT_EQ(handCount, p.hand) << p.name;
}

}  // namespace

TEST(Perft, ThreeTricksLeft)
{
    const Position positions[] = {
        {"uptown spades, jokers", Spades, true, West, {"", "AS 2H 9C", "LJ 7H 3C", "KS QH 5D", "BJ 4D 6D"}, 13, 86},
        {"downtown hearts, void", Hearts, false, South, {"", "2H 2C 3C", "KC 4C 5C", "3H 6D 7D", "AH 8C 2S"}, 21, 264},
        {"uptown no trumps", NoTrumps, true, North, {"", "AD 2D 5S", "KD 3S 4C", "QD JD 2C", "9S TS 3D"}, 13, 96},
        {"downtown no trumps, void", NoTrumps, false, East, {"", "KH 2H 7C", "3H 4H 5H", "8C 9C TC", "QH 6C AS"}, 54, 612},
        {"no trumps, a joker led", NoTrumps, true, South, {"", "LJ AD 2D", "BJ 3C 4C", "5D 6C 7H", "8D 9D TH"}, 21, 168},
        {"downtown clubs, trumps void", Clubs, false, North, {"", "LJ 2D 3D", "4D 5D 6D", "2C BJ 7D", "8D 9H TS"}, 24, 264},
    };
    for (const Position& p : positions)
        checkCounts(p);
}

TEST(Perft, FirstTrickOfWholeHands)
{
    const struct {
        const char* name;
        Suit trumps;
        bool high;
        std::uint32_t seed;
        long trick;
    } deals[] = {{"uptown spades, 12 cards", Spades, true, 1, 228},
                 {"downtown diamonds, 12 cards", Diamonds, false, 2, 251},
                 {"uptown no trumps, 12 cards", NoTrumps, true, 3, 271},
                 {"downtown no trumps, 12 cards", NoTrumps, false, 4, 188}};
    for (const auto& d : deals) {
        const std::array<std::string, 5> h = dealt(d.seed);
        checkCounts({d.name, d.trumps, d.high, South,
                     {"", h[1].c_str(), h[2].c_str(), h[3].c_str(), h[4].c_str()}, d.trick, 0});
    }
}
