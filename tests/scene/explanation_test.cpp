// A robot's reason goes into its action's steps as one aside of the log,
// right after the action's own lines; the steps are otherwise untouched.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "scene/explanation.h"

namespace corvane {
namespace {

TEST(Explanation, TheAsideFollowsTheLastOwnLogLineOrComesLast)
{
    Steps steps{step::Log{"one"}, step::Pause{std::chrono::milliseconds(5)}, step::Log{"two"},
                step::ShowCard{3, true}};
    addExplanation(steps, "why");
    const Steps expected{step::Log{"one"}, step::Pause{std::chrono::milliseconds(5)}, step::Log{"two"},
                         step::Log{"why", true}, step::ShowCard{3, true}};
    EXPECT_EQ(steps, expected);

    // Without own lines the aside comes last; an empty sentence adds nothing.
    steps = {step::ShowCard{3, true}, step::Pause{std::chrono::milliseconds(5)}};
    const Steps before = steps;
    addExplanation(steps, "");
    EXPECT_EQ(steps, before);
    addExplanation(steps, "why");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps.back(), Step(step::Log{"why", true}));
    EXPECT_EQ(describe(steps.back()), "Aside \"why\"");
}

}  // namespace
}  // namespace corvane
