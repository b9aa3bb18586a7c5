// A hand of the real engine, seeded, through the choreographer at each pace:
// the total time of its steps scales by 1, 1/4 and 0, and nothing else changes.
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

class EnginePace : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(EnginePace, EachPaceScalesTheHandsTimeByItsFactor)
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
}

TEST_P(EnginePace, AChangeOfPaceMidHandScalesOnlyWhatFollows)
{
    const std::vector<Played> hand = firstHand(GetParam());
    const std::size_t half = hand.size() / 2;
    const std::vector<Played> first(hand.begin(), hand.begin() + static_cast<std::ptrdiff_t>(half));
    const std::vector<Played> second(hand.begin() + static_cast<std::ptrdiff_t>(half), hand.end());

    Choreographer c(Pace::Normal);
    const Names names = defaultNames();
    std::chrono::microseconds firstTime{0}, secondTime{0};
    for (const Played& p : first)
        firstTime += totalTime(c.stepsFor(p.event, p.after, names));
    c.setPace(Pace::Fast);
    for (const Played& p : second)
        secondTime += totalTime(c.stepsFor(p.event, p.after, names));

    const auto normal = totalTime(choreograph(hand, Pace::Normal));
    ASSERT_GT(secondTime.count(), 0);
    EXPECT_EQ(firstTime + secondTime * 4, normal);
}

INSTANTIATE_TEST_SUITE_P(Seeds, EnginePace, ::testing::Values(3U, 20240611U, 99U));

}  // namespace
}  // namespace corvane
