#include "rules/bidding/robot_bid.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace corvane {

namespace {

// One of the eight (suit, direction) pairs, weighed in this order: each suit
// downtown before uptown, Diamonds to Spades.
struct Candidate {
    Suit suit;
    bool high;
    const Rule* rule;
};
constexpr std::array<Candidate, 8> Candidates = {{
    {Diamonds, false, bidRule("diamonds-down")},
    {Diamonds, true, bidRule("diamonds-up")},
    {Clubs, false, bidRule("clubs-down")},
    {Clubs, true, bidRule("clubs-up")},
    {Hearts, false, bidRule("hearts-down")},
    {Hearts, true, bidRule("hearts-up")},
    {Spades, false, bidRule("spades-down")},
    {Spades, true, bidRule("spades-up")},
}};

int strength(const TableState& t, Seat s, Suit suit, Mode m)
{
    int sum = 0;
    for (Card c : t.hand(s)) {
        sum += valueIn(m, c);
        if (t.suitOf(c) == suit)
            sum += valueIn(m, c);
    }
    // The bid winner picks up the kitty, so a joker there counts for everyone.
    for (Card c : t.kitty() & Jokers)
        sum += valueIn(m, c);
    return sum;
}

// The eight strengths, by candidate.
using Strengths = std::array<int, Candidates.size()>;

Strengths strengths(const TableState& t, Seat s)
{
    Strengths st{};
    for (std::size_t i = 0; i < Candidates.size(); ++i)
        st[i] = strength(t, s, Candidates[i].suit, Candidates[i].high ? Mode::Up : Mode::Down);
    return st;
}

// Strictly above both strengths of each other suit; its own suit's other
// direction does not count, and a tie never stands out.
bool standsOut(const Strengths& st, std::size_t i)
{
    for (std::size_t o = 0; o < Candidates.size(); ++o)
        if (Candidates[o].suit != Candidates[i].suit && st[i] <= st[o])
            return false;
    return true;
}

int highestOtherBid(const TableState& t, Seat s)
{
    int best = 0;
    for (Seat o = nextSeat(s); o != s; o = nextSeat(o))
        best = std::max(best, t.bidLevel[o]);
    return best;
}

Reason bidReason(const Rule* r, int points = 0, int needed = 0)
{
    return Reason{Reason::Source::Bid, r, points, needed};
}

BidDecision pass(const Rule* r, int points = 0, int needed = 0)
{
    return BidDecision{false, 0, false, NoSuit, bidReason(r, points, needed)};
}

// The least strength that reaches a level.
constexpr std::array<int, 7> LevelThreshold{0, 0, 0, 120, 140, 180, 190};

BidDecision forcedBid(const TableState& t, Seat s)
{
    const bool high = countLowCards(t, s) <= countHighCards(t, s);
    return BidDecision{true, 3, high, longestSuit(t, s), bidReason(high ? bidRule("forced-up") : bidRule("forced-down"))};
}

}  // namespace

int highStrength(const TableState& t, Seat s, Suit suit) { return strength(t, s, suit, Mode::Up); }

int lowStrength(const TableState& t, Seat s, Suit suit) { return strength(t, s, suit, Mode::Down); }

int levelForStrength(int strength)
{
    for (int level = 6; level >= 3; --level)
        if (strength >= LevelThreshold[level])
            return level;
    return 0;
}

int countHighCards(const TableState& t, Seat s)
{
    int n = 0;
    for (Card c : t.hand(s))
        n += highValue(c) > 7;
    return n;
}

int countLowCards(const TableState& t, Seat s)
{
    int n = 0;
    for (Card c : t.hand(s))
        n += lowValue(c) > 8;
    return n;
}

Suit longestSuit(const TableState& t, Seat s)
{
    Suit best = Diamonds;
    for (Suit suit = Clubs; suit <= Spades; ++suit)
        if ((t.hand(s) & suitCards(suit)).count() > (t.hand(s) & suitCards(best)).count())
            best = suit;
    return best;
}

BidDecision robotBid(const TableState& t, Seat s)
{
    if (t.bidLevel[partnerOf(s)] > 3)
        return pass(bidRule("partner-bid-four"), 0, t.bidLevel[partnerOf(s)]);

    const Strengths st = strengths(t, s);
    const int toBeat = highestOtherBid(t, s);
    bool anyStandsOut = false;
    int bestLevel = 0;
    int bestStrength = 0;
    for (std::size_t i = 0; i < Candidates.size(); ++i) {
        if (!standsOut(st, i))
            continue;
        anyStandsOut = true;
        const int level = levelForStrength(st[i]);
        const Candidate& c = Candidates[i];
        if (level > 0 && level > toBeat)
            return BidDecision{true, level, c.high, c.suit, bidReason(c.rule, st[i], LevelThreshold[level])};
        bestLevel = std::max(bestLevel, level);
        bestStrength = std::max(bestStrength, st[i]);
    }

    if (t.forcedBid)
        return forcedBid(t, s);
    if (!anyStandsOut)
        return pass(bidRule("no-suit-stands-out"));
    if (bestLevel > 0)
        return pass(bidRule("outbid"), bestStrength, toBeat);
    return pass(bidRule("too-weak"), bestStrength, LevelThreshold[3]);
}

}  // namespace corvane
