#include <gtest/gtest.h>

#include "fixtures.h"

namespace corvane {
namespace {

void place(Scene& scene, const Layout& layout)
{
    for (const Placement& p : layout) {
        scene.apply(step::ShowCard{p.card, true});
        scene.apply(step::Move{p.card, p.at.left, p.at.top, p.faceUp, true});
    }
}

// A laid-out hand lies in id order, each card over the one before; bringing
// to the front puts a card over everything, plain moves keep their place,
// and hidden cards are not painted.
TEST(Stacking, PaintOrder)
{
    Scene scene;
    const CardSet hand = CardSet::range(40, 54);
    place(scene, sortSouth(hand));
    std::vector<Card> expected;
    for (Card c : hand)
        expected.push_back(c);
    EXPECT_EQ(scene.paintOrder(), expected);

    scene = Scene();
    place(scene, sortWest(CardSet::range(1, 5)));
    scene.apply(step::Move{2, 0, 0, false, true});
    scene.apply(step::Move{4, 10, 10, true, false});
    EXPECT_EQ(scene.paintOrder(), (std::vector<Card>{1, 3, 4, 5, 2}));
    EXPECT_TRUE(scene.card(4).faceUp);
    EXPECT_EQ(scene.card(4).left, 10);
    scene.apply(step::ShowCard{3, false});
    EXPECT_EQ(scene.paintOrder(), (std::vector<Card>{1, 4, 5, 2}));
    EXPECT_EQ(scene.card(3).top, 2880);
}

TEST(HitTest, FindsTheTopmostVisibleCardUnderThePoint)
{
    Scene scene;
    place(scene, sortSouth(CardSet::range(1, 3)));  // lefts 1800, 2200, 2600
    EXPECT_EQ(scene.cardAt(1900, 7600), 1);         // only card 1 reaches here
    EXPECT_EQ(scene.cardAt(2300, 7600), 2);         // 1 and 2 overlap: 2 is on top
    EXPECT_EQ(scene.cardAt(2600 + CardWidth - 1, 7560 + CardHeight - 1), 3);
    EXPECT_EQ(scene.cardAt(2600 + CardWidth, 7600), NoCard);
    EXPECT_EQ(scene.cardAt(1900, 7559), NoCard);
    scene.apply(step::ShowCard{2, false});
    EXPECT_EQ(scene.cardAt(2300, 7600), 1);
}

// A new scene as the window first shows it; the steps that change it: the
// stages' tests.
TEST(SceneState, ANewSceneShowsTheDefaultsAndWestsDealerMarker)
{
    Scene scene;
    EXPECT_EQ(scene.caption(Label::SouthName), "Your Truly");
    EXPECT_EQ(scene.caption(Label::YourBid), "PASS");
    EXPECT_EQ(scene.caption(Label::ScoresFrame), "Scores");
    EXPECT_FALSE(scene.shown(Control::CarryOn));
    EXPECT_FALSE(scene.card(54).visible);
    EXPECT_EQ(scene.trumps(), NoTrumpPicture);
    EXPECT_TRUE(scene.log().empty());
    scene.apply(step::ShowControl{dealerMarker(West), true});
    EXPECT_TRUE(scene.shown(Control::WestDealer));
}

}  // namespace
}  // namespace corvane
