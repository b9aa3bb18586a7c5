// A hand of the real engine, seeded, through the choreographer: each pace
// scales every pause by 1, 1/4 or 0 and changes nothing else, and the table
// the steps build matches the hands at every stage.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/autoplay.h"
#include "engine/game.h"
#include "fixtures.h"

namespace corvane {
namespace {

struct Played {
    Event event;
    TableState after;
};

// Every event of the first hand of a seeded game, South played by the robots' rules.
std::vector<Played> firstHand(std::uint64_t seed)
{
    Game g(seed);
    std::vector<Played> out;
    const auto keep = [&](Event e) {
        const bool scored = e.is<ev::HandScored>();
        out.push_back({std::move(e), g.table()});
        return scored;
    };
    if (keep(g.newGame()))
        return out;
    for (int guard = 0; guard < 5000; ++guard) {
        switch (g.awaiting()) {
        case Awaiting::Nothing:
            if (keep(g.advance()))
                return out;
            break;
        case Awaiting::CarryOn: keep(g.carryOn()); break;
        case Awaiting::Answer: keep(g.answer(0)); break;
        case Awaiting::NewGame: return out;
        default:
            for (Event& e : autoplaySouth(g))
                if (keep(std::move(e)))
                    return out;
        }
    }
    ADD_FAILURE() << "the hand did not end";
    return out;
}

Steps choreograph(const std::vector<Played>& hand, Pace pace)
{
    Choreographer c(pace);
    const Names names = defaultNames();
    Steps all;
    for (const Played& p : hand) {
        Steps s = c.stepsFor(p.event, p.after, names);
        all.insert(all.end(), s.begin(), s.end());
    }
    return all;
}

Steps withoutPauses(Steps steps)
{
    std::erase_if(steps, [](const Step& s) { return std::holds_alternative<step::Pause>(s); });
    return steps;
}

class WholeHand : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(WholeHand, EachPaceScalesEveryPauseByItsFactorFromWhereItIsSet)
{
    const std::vector<Played> hand = firstHand(GetParam());
    ASSERT_TRUE(hand.back().event.is<ev::HandScored>());
    const Steps normal = choreograph(hand, Pace::Normal);
    const Steps fast = choreograph(hand, Pace::Fast);
    const Steps instant = choreograph(hand, Pace::Instant);

    // The sum of the designed lengths of every pause the hand made.
    long long expectedUs = 0;
    for (double ms : testing::pauses(normal))
        expectedUs += std::llround(ms * 1000);
    // A dealer draw, 54 cards dealt, four bids, twelve tricks: many seconds.
    ASSERT_GT(expectedUs, 20'000'000);
    EXPECT_EQ(totalTime(normal).count(), expectedUs);
    EXPECT_EQ(totalTime(fast).count() * 4, expectedUs);
    EXPECT_EQ(totalTime(instant).count(), 0);
    EXPECT_TRUE(testing::pauses(instant).empty());
    EXPECT_EQ(withoutPauses(fast), withoutPauses(normal));
    EXPECT_EQ(withoutPauses(instant), withoutPauses(normal));

    // A change of pace mid-hand scales only what follows.
    const std::size_t half = hand.size() / 2;
    Choreographer c(Pace::Normal);
    const Names names = defaultNames();
    std::chrono::microseconds firstTime{0}, secondTime{0};
    for (std::size_t i = 0; i < hand.size(); ++i) {
        if (i == half)
            c.setPace(Pace::Fast);
        (i < half ? firstTime : secondTime) += totalTime(c.stepsFor(hand[i].event, hand[i].after, names));
    }
    ASSERT_GT(secondTime.count(), 0);
    EXPECT_EQ((firstTime + secondTime * 4).count(), expectedUs);
}

// Plays the hand event by event and checks the table after the events that
// lay out hands; returns whether South discarded.
bool followTheHands(const std::vector<Played>& hand)
{
    Choreographer choreographer;
    const Names names = defaultNames();
    Scene played;
    std::size_t logLines = 0;
    bool discarded = false;
    for (const Played& p : hand) {
        playInstantly(played, choreographer.stepsFor(p.event, p.after, names));
        if (p.event.is<ev::HandStarted>())
            logLines = 0;
        logLines += p.event.log.size();
        EXPECT_EQ(played.log().size(), logLines) << describe(p.event);

        if (p.event.is<ev::CardDealt>()) {
            const Place to = p.event.as<ev::CardDealt>()->to;
            for (const Placement& q : sortPlace(to, p.after.at[to])) {
                const Sprite& s = played.card(q.card);
                EXPECT_TRUE(s.visible);
                EXPECT_EQ((Spot{s.left, s.top}), q.at) << q.card;
                EXPECT_EQ(s.faceUp, to == South) << q.card;
            }
        }
        if (p.event.is<ev::DiscardsConfirmed>()) {
            discarded = true;
            for (const Placement& q : arrangeSouthHand(p.after.hand(South), p.after.jokerSuit))
                EXPECT_EQ((Spot{played.card(q.card).left, played.card(q.card).top}), q.at);
            for (Card c : p.after.kitty()) {
                EXPECT_TRUE(played.card(c).faceUp);
                EXPECT_EQ(played.card(c).top, 5160);
            }
        }
    }
    // The choreographer's own scene is the scene its steps build.
    EXPECT_EQ(choreographer.scene(), played);
    // After the last trick no card is left on the table.
    EXPECT_TRUE(played.paintOrder().empty());
    EXPECT_EQ(played.caption(Label::YourMade), std::to_string(hand.back().after.teamBooks[OurTeam]));
    return discarded;
}

constexpr std::uint64_t Seeds[] = {3U, 20240611U, 99U, 40U};

TEST(WholeHands, TheSceneFollowsTheHands)
{
    int discarded = 0;
    for (std::uint64_t seed : Seeds) {
        SCOPED_TRACE(seed);
        discarded += followTheHands(firstHand(seed));
    }
    EXPECT_GT(discarded, 0) << "no seed has South discard: choose another";
}

INSTANTIATE_TEST_SUITE_P(Seeds, WholeHand, ::testing::ValuesIn(Seeds));

}  // namespace
}  // namespace corvane
