// The Expert's bids and discards: on hands whose answer is plain, and
// through whole games where every one must stand by the rules.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "expert/expert_bidding.h"
#include "rules/choices.h"
#include "rules/expert_rules.h"

using namespace corvane;
using namespace corvane::expert;

namespace {

// West's knowledge with `hand` dealt to it, the rest dealt face down, at a
// table where no one has bid yet.
Knowledge westHolding(CardSet hand)
{
    Knowledge k(West);
    k.observe(Event{ev::HandStarted{true}});
    CardSet rest = AllCards - hand;
    for (Card c : hand)
        k.observe(Event{ev::CardDealt{West, c}});
    for (Place p : {South, North, East, KittyPlace})
        for (int i = 0; i < (p == KittyPlace ? 6 : 12); ++i) {
            const Card c = rest.lowest();
            rest.remove(c);
            k.observe(Event{ev::CardDealt{p, c}});
        }
    return k;
}

CardSet ranksOfEverySuit(std::initializer_list<int> ranks)
{
    CardSet out;
    for (Suit s = Diamonds; s <= Spades; ++s)
        for (int r : ranks)
            out.add(cardOf(s, r));
    return out;
}

BidChoice westBids(CardSet hand, const TableState& t = {})
{
    static DoubleDummy dd(ExpertTableBits);
    return weighBids(t, West, westHolding(hand), {}, dd);
}

std::string named(const BidDecision& d)
{
    return d.bid ? std::to_string(d.level) + (d.high ? " up " : " down ") + std::to_string(d.trumps) : "pass";
}

}  // namespace

// Aces, Kings and Queens win every trick in No Trumps, which scores double;
// Aces, Twos and Threes do the same downtown. The robots' rules never bid
// No Trumps. Middle cards cannot take the twelve books that beat a bid of
// 5, and pass; the dealer who must bid bids all the same.
TEST(ExpertBidding, BidsThePlainContractAndPassesWithNothing)
{
    const BidChoice top = westBids(ranksOfEverySuit({13, 12, 11}));
    EXPECT_TRUE(top.decision.bid && top.decision.trumps == NoTrumps && top.decision.high) << named(top.decision);
    EXPECT_EQ(top.decision.level, 3);  // more only risks more
    EXPECT_EQ(top.decision.why.rule, expertRule("best-contract"));
    EXPECT_GT(top.deals, 0);
    ASSERT_FALSE(top.contracts.empty());
    // Every book but the one held back for safety, doubled.
    EXPECT_EQ(top.contracts.front().books, 12);
    EXPECT_EQ(top.contracts.front().points, 12);
    EXPECT_EQ(top.decision.why.points, 120);

    const BidChoice low = westBids(ranksOfEverySuit({13, 1, 2}));
    EXPECT_TRUE(low.decision.bid && low.decision.trumps == NoTrumps && !low.decision.high) << named(low.decision);

    EXPECT_EQ(top.contracts.size(), 50U);  // every level of every kind

    TableState northBidFive;
    northBidFive.bidLevel[North] = 5;
    const CardSet middle = ranksOfEverySuit({6, 7, 8});
    const BidChoice none = westBids(middle, northBidFive);
    EXPECT_FALSE(none.decision.bid) << named(none.decision);
    EXPECT_EQ(none.decision.why.rule, expertRule("pass-over-deals"));
    ASSERT_FALSE(none.contracts.empty());
    EXPECT_LE(none.contracts.front().points, 0);
    // Only what beats the 5: 6 and 7 of each kind, and No Trumps from 5.
    EXPECT_EQ(none.contracts.size(), 22U);
    for (std::size_t i = 0; i < none.contracts.size(); ++i) {
        const ContractWeighing& w = none.contracts[i];
        EXPECT_GE(w.level, w.trumps == NoTrumps ? 5 : 6);
        if (i > 0)  // best first
            EXPECT_GE(none.contracts[i - 1].sure, w.sure);
    }

    TableState allPassed;
    allPassed.forcedBid = true;
    const BidChoice forced = westBids(middle, allPassed);
    EXPECT_TRUE(forced.decision.bid);
    EXPECT_EQ(forced.decision.why.rule, expertRule("forced-contract"));
    EXPECT_EQ(forced.decision.level, forced.contracts.front().level);

    // Aces and a few middle cards score a little on average: enough to bid
    // over an opponent's 3 in No Trumps, not to take the bid from a partner.
    const CardSet fair = ranksOfEverySuit({13, 8, 7});
    for (Seat holder : {North, East}) {
        TableState three;
        three.bidLevel[holder] = 3;
        three.bidWinner = holder;
        const BidChoice over = westBids(fair, three);
        EXPECT_GT(over.contracts.front().sure, 0);
        EXPECT_LT(over.contracts.front().sure, over.contracts.front().points);  // the deals disagree
        EXPECT_EQ(over.decision.bid, holder == North) << named(over.decision);
        if (holder == East)
            EXPECT_EQ(over.decision.why.rule, expertRule("leave-partners-bid"));
    }
}

namespace {

// Expert bids and discards, robots' cards, for every seat: each decision
// is made twice, on solvers of its own, and checked against the rules.
class CheckedExpert : public SeatPlayer {
public:
    explicit CheckedExpert(ExpertBudget b) : m_budget(b), m_cards(classicPlayer()) {}

    void observe(const Event& e) override
    {
        m_seen.observe(e);
        if (const auto* c = e.as<ev::ContractSettled>()) {
            noTrumps += c->trumps == NoTrumps;
            downtown += !c->high;
        }
        swaps += e.is<ev::JokerSwapped>();
    }

    BidDecision bid(const Game& g, Seat s) override
    {
        const BidChoice one = weighBids(g, s, m_seen.of(s), m_budget, m_solver);
        const BidChoice two = weighBids(g, s, m_seen.of(s), m_budget, m_other);
        const BidDecision& d = one.decision;
        EXPECT_TRUE(d.bid == two.decision.bid && d.level == two.decision.level && d.high == two.decision.high &&
                    d.trumps == two.decision.trumps && d.why == two.decision.why &&
                    d.why.points == two.decision.why.points);
        TableState t = g.table();
        t.forcedBid = t.forcedBid || (s == South && g.forcedHumanTurn());
        EXPECT_EQ(bidFault(t, s, d), nullptr) << "seat " << s << " level " << d.level;
        EXPECT_EQ(d.why.source, Reason::Source::Expert);
        return d;
    }

    DiscardDecision discards(const Game& g, Seat s) override
    {
        const DiscardChoice one = weighDiscards(g, s, m_seen.of(s), m_budget, m_solver);
        const DiscardChoice two = weighDiscards(g, s, m_seen.of(s), m_budget, m_other);
        EXPECT_EQ(one.decision.discards, two.decision.discards);
        const TableState& t = g.table();
        const CardSet held = t.hand(s) | t.selected;
        EXPECT_EQ(held.count(), 18);
        EXPECT_EQ(discardFault(held, t.trumps, one.decision.discards), nullptr) << "seat " << s;
        EXPECT_EQ(one.candidates.front().discards, ruleDiscards(held, s, t.trumps, t.bidHigh[s]).discards);
        // Every six weighed the engine takes, scores no better than the six chosen and keeps trumps while other
        // cards remain; one of them throws the shortest side suit that fits whole.
        const CardSet trumpCards = isPlainSuit(t.trumps) ? held & (suitCards(t.trumps) | Jokers) : CardSet();
        const CardSet must = t.trumps == NoTrumps ? held & Jokers : CardSet();
        CardSet shortest = held;
        for (Suit x = Diamonds; x <= Spades; ++x)
            if (const CardSet c = (held - trumpCards - must) & suitCards(x); !c.empty() && c.count() < shortest.count())
                shortest = c;
        double chosen = -100;
        for (const DiscardWeighing& w : one.candidates)
            chosen = w.discards == one.decision.discards ? w.points : chosen;
        bool shortThrown = must.count() + shortest.count() > 6;
        for (const DiscardWeighing& w : one.candidates) {
            EXPECT_EQ(discardFault(held, t.trumps, w.discards), nullptr);
            EXPECT_TRUE((w.discards & trumpCards).empty() || (held - trumpCards - w.discards).empty());
            EXPECT_LE(w.points, chosen);
            shortThrown = shortThrown || (w.discards & shortest) == shortest;
        }
        EXPECT_TRUE(shortThrown) << "seat " << s;
        changed += one.decision.discards != one.candidates.front().discards;
        ++discardTurns;
        return one.decision;
    }

    PlayDecision card(const Game& g, Seat s) override { return m_cards->card(g, s); }

    long noTrumps = 0, downtown = 0, swaps = 0, discardTurns = 0, changed = 0;

private:
    ExpertBudget m_budget;
    SeenBySeat m_seen;
    std::unique_ptr<SeatPlayer> m_cards;
    DoubleDummy m_solver{ExpertTableBits};
    DoubleDummy m_other{ExpertTableBits};
};

}  // namespace

// Over seeded games every Expert bid stands on the ladder (the dealer who
// must bid bids), every discard is six of the eighteen held with every No
// Trumps joker among them, the engine refuses none of them, and each is
// the same when made again. It bids No Trumps and downtown, and plays them.
TEST(ExpertBidding, WholeGamesBidAndDiscardByTheRulesAndTheSameEveryTime)
{
    CheckedExpert expert(ExpertBudget{3, 100'000, 2, 30'000, 3, 30'000});
    long hands = 0;
    for (std::uint64_t deal = 1; deal <= 16; ++deal) {
        Game g(deal);
        for (Seat s = West; s <= East; ++s)
            g.decideOutside(s, true);
        std::string fault;
        const auto take = [&](const Event& e) {
            expert.observe(e);
            if (const auto* f = e.as<ev::RobotFault>())
                fault = f->what ? f->what : "no card";
            if (e.is<ev::HandScored>())
                ++hands;
        };
        take(g.newGameAt(deal));
        // Two hands of each game.
        const long until = hands + 2;
        for (int actions = 0; actions < 5000 && hands < until && fault.empty(); ++actions) {
            const Awaiting a = g.awaiting();
            if (a == Awaiting::NewGame)
                break;
            if (a == Awaiting::Nothing)
                take(g.advance());
            else if (!playTurn(g, expert, a == Awaiting::Robot ? g.robotTurn().seat : South, take))
                take(a == Awaiting::CarryOn ? g.carryOn() : g.answer(0));
        }
        ASSERT_EQ(fault, "") << "deal " << deal;
        EXPECT_EQ(g.check(), "") << "deal " << deal;
    }
    EXPECT_GE(hands, 24);  // a game may end after one hand
    EXPECT_GE(expert.discardTurns, hands);
    EXPECT_GT(expert.noTrumps, 0);
    EXPECT_GT(expert.downtown, 0);
    EXPECT_GT(expert.changed, 0);  // not only the robots' six
    EXPECT_GT(expert.swaps, 0);    // robots holding a joker in No Trumps
    std::printf("%ld hands, %ld No Trumps, %ld downtown, %ld joker swaps, %ld of %ld discards not the rule's\n", hands,
                expert.noTrumps, expert.downtown, expert.swaps, expert.changed, expert.discardTurns);
}
