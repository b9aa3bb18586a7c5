// A robot's reason goes into its action's steps as one aside of the log,
// right after the action's own lines; the steps are otherwise untouched.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "game/autoplay.h"
#include "game/explain.h"
#include "game/game.h"
#include "ui/scene/explanation.h"

namespace corvane {
namespace {

Steps withoutAsides(const Steps& steps)
{
    Steps out;
    for (const Step& s : steps)
        if (const auto* l = std::get_if<step::Log>(&s); l == nullptr || !l->aside)
            out.push_back(s);
    return out;
}

TEST(Explanation, TheAsideFollowsTheLastOwnLogLine)
{
    Steps steps{step::Log{"one"}, step::Pause{std::chrono::milliseconds(5)}, step::Log{"two"},
                step::ShowCard{3, true}};
    addExplanation(steps, "why");
    const Steps expected{step::Log{"one"}, step::Pause{std::chrono::milliseconds(5)}, step::Log{"two"},
                         step::Log{"why", true}, step::ShowCard{3, true}};
    EXPECT_EQ(steps, expected);
}

TEST(Explanation, WithoutOwnLinesTheAsideComesLastAndAnEmptySentenceAddsNothing)
{
    Steps steps{step::ShowCard{3, true}, step::Pause{std::chrono::milliseconds(5)}};
    const Steps before = steps;
    addExplanation(steps, "");
    EXPECT_EQ(steps, before);
    addExplanation(steps, "why");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.back(), Step(step::Log{"why", true}));
    EXPECT_EQ(describe(steps.back()), "Aside \"why\"");
}

// Over a whole seeded hand: every robot decision gets exactly one aside
// with its sentence, right after its last log line, and nothing else moves.
TEST(Explanation, ASeededHandGetsOneAsidePerRobotDecision)
{
    Game g(11);
    Choreographer choreographer;
    const Names names = defaultNames();
    int explained = 0;
    int robotCards = 0;
    const auto take = [&](const Event& e) {
        const Steps plain = choreographer.stepsFor(e, g.table(), names);
        Steps steps = plain;
        const std::string why = explain(e, names);
        addExplanation(steps, why);
        EXPECT_EQ(withoutAsides(steps), plain);
        if (why.empty()) {
            EXPECT_EQ(steps, plain);
            return e.is<ev::HandScored>();
        }
        ++explained;
        if (const auto* c = e.as<ev::CardPlayed>(); c && c->seat != South)
            ++robotCards;
        const auto aside = std::find(steps.begin(), steps.end(), Step(step::Log{why, true}));
        EXPECT_NE(aside, steps.end());
        if (!e.log.empty() && aside != steps.begin()) {
            const auto* before = std::get_if<step::Log>(&*(aside - 1));
            EXPECT_TRUE(before != nullptr && before->line == e.log.back()) << why;
        }
        return false;
    };
    take(g.newGame());
    for (int guard = 0; guard < 5000; ++guard) {
        const Awaiting a = g.awaiting();
        if (a == Awaiting::Nothing) {
            if (take(g.advance()))
                break;
        } else if (a == Awaiting::CarryOn) {
            take(g.carryOn());
        } else if (a == Awaiting::Answer) {
            take(g.answer(0));
        } else {
            for (const Event& e : autoplaySouth(g))
                take(e);
        }
    }
    EXPECT_EQ(robotCards, 36);
    EXPECT_GT(explained, robotCards);  // the bids and passes too
}

}  // namespace
}  // namespace corvane
