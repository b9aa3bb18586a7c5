#include <gtest/gtest.h>

#include "rules/scoring/hand_points.h"

namespace corvane {
namespace {

struct PointsRow {
    int level;
    int books;
    int points;
    int noTrumpsPoints;
};

TEST(HandPoints, MadeScoresEveryBookAboveSixSetLosesTheLevel)
{
    const PointsRow rows[] = {
        {3, 9, 3, 6},    {3, 13, 7, 14}, {4, 11, 5, 10}, {4, 8, -4, -12}, {5, 10, -5, -15},
        {6, 12, 6, 12},  {7, 13, 7, 14}, {7, 12, -7, -21}, {4, 10, 4, 8},   {4, 12, 6, 12},
        {4, 9, -4, -12}, {5, 11, 5, 10}, {6, 11, -6, -18}, {3, 0, -3, -9},
    };
    for (const PointsRow& r : rows) {
        EXPECT_EQ(handPoints(false, r.level, r.books), r.points) << r.level << " with " << r.books;
        EXPECT_EQ(handPoints(true, r.level, r.books), r.noTrumpsPoints) << r.level << " with " << r.books;
    }
    // No level, nothing.
    for (int level : {0, 1, 2, 8})
        for (bool doubled : {false, true}) {
            EXPECT_EQ(handPoints(doubled, level, 13), 0) << level;
            EXPECT_EQ(handPoints(doubled, level, 0), 0) << level;
        }
}

}  // namespace
}  // namespace corvane
