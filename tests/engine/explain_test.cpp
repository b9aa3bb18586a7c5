#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/explain.h"
#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"
#include "sim/simulation.h"
#include "support/table_builder.h"

using namespace corvane;
using S = Reason::Source;

namespace {

std::set<std::pair<S, int>> reachedIn(bool southNoTrumps)
{
    std::set<std::pair<S, int>> seen;
    const sim::Tally t = sim::simulate({3000, 11, southNoTrumps, false});
    for (const Reason& r : everyReason())
        if (t.reasons[static_cast<std::size_t>(r.source)][static_cast<std::size_t>(r.rule)] > 0)
            seen.insert({r.source, r.rule});
    return seen;
}

}  // namespace

TEST(Reasons, EveryReasonHasAClauseAndIsReachedInPlay)
{
    const std::vector<Reason> all = everyReason();
    ASSERT_GT(all.size(), 130U);
    for (const Reason& r : all) {
        const std::string clause = reasonClause(r);
        EXPECT_EQ(clause.rfind("because ", 0), 0U) << static_cast<int>(r.source) << " " << r.rule;
    }
    EXPECT_EQ(reasonClause(Reason{}), "");

    std::set<std::pair<S, int>> seen = reachedIn(false);
    seen.merge(reachedIn(true));
    // The dealer's forced bid is rare in play: reach it with hands where no
    // suit stands out.
    for (const char* hand : {"7D 8D 9D 7C 8C 9C 7H 8H 9H 7S 8S 9S", "2D 3D 4D 2C 3C 4C 2H 3H 4H 2S 3S 4S"}) {
        TableState t = corvane::testing::tableWith({{West, hand}});
        t.forcedBid = true;
        const Reason why = robotBid(t, West).why;
        seen.insert({why.source, why.rule});
    }
    // Fallbacks the checks before them make impossible: a second player that
    // can beat the lead always finds the card, and a downtown discard always
    // finds six cards below the Ace of Spades.
    const std::set<std::pair<S, int>> impossible = {
        {S::PlayItHigh, static_cast<int>(TrumpRule::SecondNothingBeatsLead)},
        {S::PlayItLow, static_cast<int>(TrumpRule::SecondNothingBeatsLead)},
        {S::Discard, static_cast<int>(DiscardRule::DownAnyCards)},
    };
    for (const Reason& r : all) {
        const bool reached = seen.count({r.source, r.rule}) > 0;
        EXPECT_NE(reached, impossible.count({r.source, r.rule}) > 0)
            << "reason " << static_cast<int>(r.source) << "/" << r.rule << (reached ? " reached" : " never reached");
    }
}

TEST(Reasons, SentencesNameTheSeatTheCardsAndTheFigures)
{
    const Names names{"", "Ann", "Wes", "Nora", "Eli"};
    const Event play{ev::CardPlayed{East, cardOf(Hearts, 1), 3,
                                    Reason{S::PlayItHigh, static_cast<int>(TrumpRule::ThirdPartnerAhead)}},
                     {}, std::nullopt};
    EXPECT_EQ(explain(play, names), "Eli plays Two of  Hearts because its partner is already winning the trick.");

    // A weak hand passes, and says by how much it fell short.
    TableState t = corvane::testing::tableWith({{West, "7D 8D 9D 7C 8C 9C 7H 8H 9H 7S 8S TS"}});
    t.gameStarted = true;
    const BidDecision d = robotBid(t, West);
    ASSERT_FALSE(d.bid);
    ASSERT_EQ(d.why.rule, static_cast<int>(BidRule::TooWeak));
    const std::string s = explain(Event{ev::BidPassed{West, d.why}, {}, std::nullopt}, names);
    EXPECT_EQ(s, "Wes passes because its best suit reaches only " + std::to_string(d.why.points) +
                     " points and 120 are needed to bid 3.");
    EXPECT_LT(d.why.points, 120);
    EXPECT_GT(d.why.points, 0);

    // The person's own actions carry no reason and get no sentence.
    EXPECT_EQ(explain(Event{ev::CardPlayed{South, 5, 1, {}}, {}, std::nullopt}, names), "");
    EXPECT_EQ(explain(Event{ev::PackGathered{}, {}, std::nullopt}, names), "");
}
