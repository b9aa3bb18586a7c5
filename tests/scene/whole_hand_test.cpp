// A whole made-up hand through the choreographer: the pace scales its time
// exactly, and the table it leaves matches the hands at every stage.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "scripted_hand.h"

namespace corvane {
namespace {

using testing::Beat;
using testing::scriptedHand;
using testing::tableNames;

Steps choreograph(const std::vector<Beat>& hand, Pace pace)
{
    Choreographer choreographer(pace);
    Steps all;
    for (const Beat& b : hand) {
        Steps s = choreographer.stepsFor(b.event, b.after, tableNames());
        all.insert(all.end(), s.begin(), s.end());
    }
    return all;
}

Steps withoutPauses(const Steps& steps)
{
    Steps out;
    for (const Step& s : steps)
        if (!std::holds_alternative<step::Pause>(s))
            out.push_back(s);
    return out;
}

class WholeHand : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(WholeHand, FastIsAQuarterOfNormalAndInstantTakesNoTime)
{
    const std::vector<Beat> hand = scriptedHand(GetParam());
    const Steps normal = choreograph(hand, Pace::Normal);
    const Steps fast = choreograph(hand, Pace::Fast);
    const Steps instant = choreograph(hand, Pace::Instant);
    // Hundreds of pauses: the deal alone pauses 48 * 2 + 6 times.
    ASSERT_GT(testing::pauses(normal).size(), 300U);
    EXPECT_EQ(totalTime(fast) * 4, totalTime(normal));
    EXPECT_EQ(totalTime(instant).count(), 0);
    EXPECT_EQ(testing::pauses(instant).size(), 0U);
    // Only time changes with the pace: every other step is the same.
    EXPECT_EQ(withoutPauses(fast), withoutPauses(normal));
    EXPECT_EQ(withoutPauses(instant), withoutPauses(normal));
}

TEST_P(WholeHand, EveryPauseOfEveryPaceIsAQuarterOrNothing)
{
    const std::vector<Beat> hand = scriptedHand(GetParam());
    const std::vector<double> normal = testing::pauses(choreograph(hand, Pace::Normal));
    const std::vector<double> fast = testing::pauses(choreograph(hand, Pace::Fast));
    ASSERT_EQ(fast.size(), normal.size());
    for (std::size_t i = 0; i < normal.size(); ++i)
        EXPECT_EQ(fast[i] * 4, normal[i]) << i;
}

// Plays the hand event by event and checks the table after the events that
// lay out hands.
TEST_P(WholeHand, TheSceneFollowsTheHands)
{
    const std::vector<Beat> hand = scriptedHand(GetParam());
    Choreographer choreographer;
    Scene played;
    std::size_t logLines = 0;
    for (const Beat& b : hand) {
        playInstantly(played, choreographer.stepsFor(b.event, b.after, tableNames()));
        if (b.event.is<ev::HandStarted>())
            logLines = 0;
        logLines += b.event.log.size();
        ASSERT_EQ(played.log().size(), logLines) << describe(b.event);

        if (b.event.is<ev::CardDealt>()) {
            const Place to = b.event.as<ev::CardDealt>()->to;
            for (const Placement& p : sortPlace(to, b.after.at[to])) {
                const Sprite& s = played.card(p.card);
                EXPECT_TRUE(s.visible);
                EXPECT_EQ((Spot{s.left, s.top}), p.at) << p.card;
                EXPECT_EQ(s.faceUp, to == South) << p.card;
            }
        }
        if (b.event.is<ev::DiscardsConfirmed>()) {
            for (const Placement& p : arrangeSouthHand(b.after.hand(South), b.after.jokerSuit))
                EXPECT_EQ((Spot{played.card(p.card).left, played.card(p.card).top}), p.at);
            for (Card c : b.after.kitty()) {
                EXPECT_TRUE(played.card(c).faceUp);
                EXPECT_EQ(played.card(c).top, 5160);
            }
        }
    }
    // The choreographer's own scene is the scene its steps build.
    EXPECT_EQ(choreographer.scene(), played);
    // After the last trick no card is left on the table.
    EXPECT_TRUE(played.paintOrder().empty());
    EXPECT_EQ(played.caption(Label::YourScore), std::to_string(hand.back().after.gamePoints[OurTeam]));
    EXPECT_EQ(played.caption(Label::YourMade), std::to_string(hand.back().after.teamBooks[OurTeam]));
}

INSTANTIATE_TEST_SUITE_P(Seeds, WholeHand, ::testing::Values(1U, 7U, 2024U));

}  // namespace
}  // namespace corvane
