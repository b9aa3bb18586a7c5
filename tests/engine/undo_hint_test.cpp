#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "support/drive.h"

using namespace corvane;
using corvane::testing::Driver;

namespace {

// Plays South by the robots' rules until South's n-th card turn.
Awaiting toCardTurn(Game& g, Driver& d, int n)
{
    d.command(g.newGame());
    int turns = 0;
    for (;;) {
        const Awaiting a = d.run();
        if (a == Awaiting::PlayCard && ++turns == n)
            return a;
        if (a == Awaiting::NewGame)
            return a;
        for (Event& e : autoplaySouth(g))
            d.command(std::move(e));
    }
}

}  // namespace

TEST(Undo, ReturnsToTheSnapshotAndTheSameCardGivesTheSameContinuation)
{
    Game g(5);
    Driver d{g};
    ASSERT_EQ(toCardTurn(g, d, 3), Awaiting::PlayCard);
    const TableState atTurn = g.table();
    const Hint h = hintFor(g);
    ASSERT_EQ(h.stage, Awaiting::PlayCard);
    ASSERT_TRUE(g.table().hand(South).has(h.card));
    EXPECT_EQ(g.table(), atTurn);  // a hint changes nothing

    d.command(g.playCard(h.card));
    d.run();
    const TableState after = g.table();
    ASSERT_TRUE(g.canUndo());
    ASSERT_TRUE(g.undo().is<ev::Undone>());
    EXPECT_EQ(g.table(), atTurn);
    EXPECT_EQ(g.awaiting(), Awaiting::PlayCard);

    d.command(g.playCard(h.card));
    d.run();
    EXPECT_EQ(g.table(), after);
    EXPECT_EQ(d.fault, "");
}

TEST(Undo, NeverCrossesIntoAnEarlierHand)
{
    Game g(9);
    Driver d{g};
    d.command(g.newGame());
    int hands = 0;
    while (hands < 2) {
        const Awaiting a = d.run();
        if (a == Awaiting::NewGame)
            break;
        if (a == Awaiting::Answer) {
            d.command(g.answer(0));
            ++hands;
            // Once scored, nothing of that hand can be taken back.
            EXPECT_FALSE(g.canUndo());
            EXPECT_TRUE(g.undo().is<ev::Refused>());
            continue;
        }
        for (Event& e : autoplaySouth(g))
            d.command(std::move(e));
    }
    EXPECT_EQ(hands, 2);
}

TEST(Undo, OffItKeepsNoSnapshotAndPlaysTheSameGame)
{
    Game kept(5), bare(5);
    bare.keepUndo(false);
    Driver dk{kept}, db{bare};
    ASSERT_EQ(toCardTurn(kept, dk, 2), Awaiting::PlayCard);
    ASSERT_EQ(toCardTurn(bare, db, 2), Awaiting::PlayCard);
    EXPECT_TRUE(kept.canUndo());
    EXPECT_FALSE(bare.canUndo());
    EXPECT_TRUE(bare.undo().is<ev::Refused>());
    EXPECT_EQ(bare.table(), kept.table());
}

// After an undo the turn taken back is a turn like any other: the next undo
// from the turn after it comes back to it, not to the one before.
TEST(Undo, ATurnTakenBackCanBeTakenBackToAgain)
{
    Game g(5);
    Driver d{g};
    ASSERT_EQ(toCardTurn(g, d, 3), Awaiting::PlayCard);
    const TableState third = g.table();
    const int depth = g.undoDepth();
    EXPECT_GE(depth, 3);
    const Card card = hintFor(g).card;
    d.command(g.playCard(card));
    ASSERT_EQ(d.run(), Awaiting::PlayCard);
    EXPECT_EQ(g.undoDepth(), depth + 1);
    g.undo();
    ASSERT_EQ(g.table(), third);
    EXPECT_EQ(g.undoDepth(), depth);

    d.command(g.playCard(card));
    ASSERT_EQ(d.run(), Awaiting::PlayCard);
    EXPECT_EQ(g.undoDepth(), depth + 1);
    g.undo();  // at the fourth turn, untouched: back to the third
    EXPECT_EQ(g.table(), third);
    g.undo();  // and on to the second
    EXPECT_EQ(g.undoDepth(), depth - 1);
    EXPECT_NE(g.table(), third);
    EXPECT_EQ(g.awaiting(), Awaiting::PlayCard);
}

TEST(Undo, NamesGivenMidHandStayInTheTrickLinesAfterATurnIsTakenBack)
{
    Game g(5);
    Driver d{g};
    ASSERT_EQ(toCardTurn(g, d, 3), Awaiting::PlayCard);
    g.setName(South, "Sam");
    g.setName(West, "Wanda");
    const Card c = hintFor(g).card;
    d.command(g.playCard(c));
    d.run();
    ASSERT_TRUE(g.undo().is<ev::Undone>());
    d.log.clear();
    d.command(g.playCard(c));
    for (Awaiting a = d.run(); a != Awaiting::PlayCard && a != Awaiting::NewGame; a = d.run())
        for (Event& e : autoplaySouth(g))
            d.command(std::move(e));
    bool westPlayed = false;
    for (const std::string& line : d.log) {
        EXPECT_EQ(line.find("West Bot"), std::string::npos) << line;
        EXPECT_EQ(line.find("Player"), std::string::npos) << line;
        westPlayed |= line.rfind("Wanda played ", 0) == 0;
    }
    EXPECT_TRUE(westPlayed);
    ASSERT_FALSE(d.log.empty());
    EXPECT_EQ(d.log.back(), "Sam please click on the card you wish to play.");
    EXPECT_EQ(d.fault, "");
}
