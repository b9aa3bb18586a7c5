#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/explain.h"
#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"
#include "rules/robot_rules.h"
#include "sim/simulation.h"
#include "support/table_builder.h"

using namespace corvane;
using S = Reason::Source;

namespace {

std::string label(const Reason& r) { return std::string(sourceName(r.source)) + " " + std::string(r.rule->id); }

}  // namespace

// The records write a rule as its module and id, and the person reads its
// sentence: both must be there, and an id must name one rule only.
TEST(Reasons, EveryRuleHasItsOwnIdANameAndASentence)
{
    for (S s : everySource()) {
        std::set<std::string_view> ids;
        for (const Rule& r : rulesOf(s)) {
            EXPECT_TRUE(ids.insert(r.id).second) << sourceName(s) << " has two rules " << r.id;
            EXPECT_FALSE(r.name.empty()) << r.id;
            EXPECT_EQ(r.sentence.rfind("because ", 0), 0U) << r.id;
            EXPECT_EQ(r.sentence.find('{'), std::string_view::npos) << r.id;
            EXPECT_EQ(findRule(s, r.id), &r);
        }
        EXPECT_EQ(sourceNamed(sourceName(s)), s);
    }
}

TEST(Reasons, EveryReasonIsReachedInPlay)
{
    std::set<std::string> seen;
    for (bool southNoTrumps : {false, true}) {
        const sim::Tally t = sim::simulate({3000, 11, southNoTrumps, false, std::nullopt, true});
        for (const Reason& r : everyReason())
            if (t.timesDecided(r) > 0)
                seen.insert(label(r));
    }
    // The dealer's forced bid is rare in play: reach it with hands where no
    // suit stands out.
    for (const char* hand : {"7D 8D 9D 7C 8C 9C 7H 8H 9H 7S 8S 9S", "2D 3D 4D 2C 3C 4C 2H 3H 4H 2S 3S 4S"}) {
        TableState t = corvane::testing::tableWith({{West, hand}});
        t.forcedBid = true;
        seen.insert(label(robotBid(t, West).why));
    }
    // Fallbacks the checks before them make impossible: a second player that
    // can beat the lead always finds the card, a downtown discard always
    // finds six cards below the Ace of Spades, and the fourth player of a
    // low No Trumps trick never tries to win it.
    const std::set<std::string> impossible = {
        "PlayItHigh second-nothing-beats-lead", "PlayItLow second-nothing-beats-lead", "Discard down-any-cards",
        "LowNoTrumps fourth-partner-ahead",     "LowNoTrumps fourth-beats-all",
        "LowNoTrumps fourth-beats-leader-and-third",
    };
    for (const Reason& r : everyReason()) {
        if (r.source == Reason::Source::Expert)
            continue;  // reached in the Expert's games only
        const bool reached = seen.count(label(r)) > 0;
        EXPECT_NE(reached, impossible.count(label(r)) > 0) << label(r) << (reached ? " reached" : " never reached");
    }
}

TEST(Reasons, SentencesNameTheSeatAndTheCardsAndAfterTheHandTheFigures)
{
    const Names names{"", "Ann", "Wes", "Nora", "Eli"};
    const Event play{ev::CardPlayed{East, cardOf(Hearts, 1), 3, Reason{S::PlayItHigh, trumpRule("third-partner-ahead")}},
                     {}, std::nullopt};
    EXPECT_EQ(explain(play, names), "Eli plays Two of  Hearts because its partner is already winning the trick.");

    // A weak hand passes, and only after the hand says by how much.
    TableState t = corvane::testing::tableWith({{West, "7D 8D 9D 7C 8C 9C 7H 8H 9H 7S 8S TS"}});
    t.gameStarted = true;
    const BidDecision d = robotBid(t, West);
    ASSERT_EQ(d.why, (Reason{S::Bid, bidRule("too-weak")}));
    ASSERT_GT(d.why.points, 0);
    ASSERT_LT(d.why.points, 120);
    const Event pass{ev::BidPassed{West, d.why}, {}, std::nullopt};
    EXPECT_EQ(explain(pass, names), "Wes passes because its best suit is not strong enough to bid 3.");
    EXPECT_EQ(explain(pass, names, Told::AfterHand),
              "Wes passes because its best suit is not strong enough to bid 3 (its best suit reaches " +
                  std::to_string(d.why.points) + " points, and 120 are needed to bid 3).");

    // A bid keeps its suit until the contract is shown.
    const Event bid{ev::BidMade{East, 4, true, Hearts, false, Reason{S::Bid, bidRule("hearts-up"), 150, 140}}, {},
                    std::nullopt};
    EXPECT_EQ(explain(bid, names),
              "Eli bids 4 HIGH because one suit stands out above the others in its hand, strong enough for that level.");
    EXPECT_EQ(explain(bid, names, Told::AfterHand),
              "Eli bids 4 HIGH in Hearts because one suit stands out above the others in its hand, strong enough for "
              "that level (150 points, and 140 reach that level).");

    // The person's own actions carry no reason and get no sentence.
    EXPECT_EQ(explain(Event{ev::CardPlayed{South, 5, 1, {}}, {}, std::nullopt}, names), "");
    EXPECT_EQ(explain(Event{ev::PackGathered{}, {}, std::nullopt}, names), "");
}

// What South has seen of a hand: its own cards, the kitty it took, the
// discards a robot shows face up, and every card played. A sentence read
// during the hand names no other card, and a bid or a pass names no suit.
TEST(Reasons, SentencesDuringTheHandTellNothingTheTableHasNotShown)
{
    long sentences = 0;
    for (bool southNoTrumps : {false, true}) {
        CardSet seen;
        Names names;
        sim::simulate({1000, 23, southNoTrumps, false}, [&](const Event& e, const TableState&, const Game& g) {
            names = g.names();
            if (e.is<ev::PackGathered>())
                seen = {};
            else if (const auto* d = e.as<ev::CardDealt>(); d && d->to == South)
                seen.add(d->card);
            else if (const auto* k = e.as<ev::KittyTaken>())
                seen |= k->kitty;
            else if (const auto* x = e.as<ev::KittyDiscarded>())
                seen |= x->discards;
            else if (const auto* p = e.as<ev::CardPlayed>())
                seen.add(p->card);
            const std::string s = explain(e, names);
            if (s.empty())
                return;
            ++sentences;
            for (Card c = 1; c <= CardCount; ++c)
                EXPECT_TRUE(seen.has(c) || s.find(cardName(c)) == std::string::npos) << s;
            if (e.is<ev::BidMade>() || e.is<ev::BidPassed>())
                for (Suit suit = Diamonds; suit <= Spades; ++suit)
                    EXPECT_EQ(s.find(suitName(suit)), std::string::npos) << s;
            EXPECT_EQ(s.find("points"), std::string::npos) << s;
        });
    }
    EXPECT_GT(sentences, 100000);
}
