#include <gtest/gtest.h>

#include "rules/bidding/bid_panel.h"

using namespace corvane;

namespace {

struct PanelTest : ::testing::Test {
    TableState t;
    const std::string name = "Ann";
    void SetUp() override { resetTable(t); }
    std::string levelRefusal(int level)
    {
        auto box = panelChooseLevel(t, level, name);
        return box ? box->title : "";
    }
};

TEST_F(PanelTest, LevelBeforeTrumpsIsRefusedAndLeftUnchosen)
{
    auto box = panelChooseLevel(t, 4, name);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, " Choose trumps first");
    EXPECT_EQ(box->text, "Ann Please choose your trumps or No Trumps first");
    EXPECT_EQ(box->caption1, "O.K");
    EXPECT_EQ(box->caption2, " ");
    EXPECT_EQ(box->picture, 2);
    EXPECT_EQ(t.panel.level, 0);
    EXPECT_FALSE(t.bidLevelChosen);
    panelChooseTrumps(t, 2);
    EXPECT_EQ(levelRefusal(4), "");
    EXPECT_EQ(t.bidLevel[South], 4);
}

TEST_F(PanelTest, LadderSuitMustBeatNoTrumpsMayEqual)
{
    t.bidLevel[East] = 5;
    panelChooseTrumps(t, 3);
    EXPECT_EQ(levelRefusal(5), "Higher or Pass");
    EXPECT_EQ(levelRefusal(6), "");
    panelChooseTrumps(t, 4);
    EXPECT_EQ(levelRefusal(5), "");

    resetTable(t);
    t.bidLevel[West] = 4;
    t.bidLevel[North] = 6;
    panelChooseTrumps(t, 4);
    EXPECT_EQ(levelRefusal(5), "Higher or Pass");
    EXPECT_EQ(levelRefusal(6), "");
    panelChooseTrumps(t, 0);
    EXPECT_EQ(levelRefusal(6), "Higher or Pass");
    EXPECT_EQ(levelRefusal(7), "");
}

TEST_F(PanelTest, RefusedLevelKeepsEarlierAcceptedLevel)
{
    panelChooseTrumps(t, 4);
    t.bidLevel[West] = 5;
    ASSERT_EQ(levelRefusal(5), "");
    panelChooseTrumps(t, 1);  // a suit now: 5 no longer beats West
    EXPECT_EQ(levelRefusal(5), "Higher or Pass");
    EXPECT_EQ(t.bidLevel[South], 5);
    EXPECT_TRUE(t.bidLevelChosen);
    EXPECT_EQ(t.panel.level, 0);
}

TEST_F(PanelTest, PassRefusedInOrderLevelTrumpsDirection)
{
    panelChooseDirection(t, 0);
    auto box = panelSetPass(t, true, name);
    ASSERT_TRUE(box);
    EXPECT_NE(box->text.find("UpTown or DownTown"), std::string::npos);
    panelChooseTrumps(t, 1);
    box = panelSetPass(t, true, name);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Ann you have already chosen Trumps so cannot click on Pass. Click on Reset button below to "
                         "start again");
    ASSERT_FALSE(panelChooseLevel(t, 3, name));
    box = panelSetPass(t, true, name);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "Start Again");
    EXPECT_EQ(box->text, "Ann you have already made a bid so cannot click on Pass. Click on Reset button below to "
                         "start again");
    EXPECT_FALSE(t.panel.pass);
}

// A refused click unticks the box whichever state it had; the bid composed
// beside it then stands.
TEST_F(PanelTest, RefusedPassLeavesBoxUnticked)
{
    const struct {
        bool tickedFirst;
        bool clickTicks;
    } rows[] = {{false, true}, {true, true}};
    for (const auto& row : rows) {
        resetTable(t);
        if (row.tickedFirst)
            ASSERT_FALSE(panelSetPass(t, true, name));
        panelChooseTrumps(t, 4);
        ASSERT_FALSE(panelChooseLevel(t, 7, name));
        panelChooseDirection(t, 0);
        const auto box = panelSetPass(t, row.clickTicks, name);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->title, "Start Again");
        EXPECT_FALSE(t.panel.pass) << row.tickedFirst << row.clickTicks;
        EXPECT_EQ(panelFinish(t, false, name).outcome, PanelOutcome::Bid) << row.tickedFirst << row.clickTicks;
        EXPECT_EQ(t.bidLevel[South], 7);
        EXPECT_TRUE(t.bidHigh[South]);
        EXPECT_EQ(t.trumpChoice[South], NoTrumps);
    }
}

TEST_F(PanelTest, FinishOutcomes)
{
    // Pass checked and unchecked again, then a full bid: a bid, not a pass.
    ASSERT_FALSE(panelSetPass(t, true, name));
    ASSERT_FALSE(panelSetPass(t, false, name));
    panelChooseTrumps(t, 0);
    ASSERT_FALSE(panelChooseLevel(t, 4, name));
    panelChooseDirection(t, 0);
    panelChooseDirection(t, 1);
    EXPECT_EQ(panelFinish(t, false, name).outcome, PanelOutcome::Bid);
    EXPECT_TRUE(t.bidLow[South]);
    EXPECT_FALSE(t.bidHigh[South]);
    EXPECT_FALSE(t.bidLevelChosen);
    EXPECT_FALSE(t.panel.anyOption());

    // Only a level: refused, and the panel is empty afterwards.
    resetTable(t);
    panelChooseTrumps(t, 0);
    ASSERT_FALSE(panelChooseLevel(t, 3, name));
    FinishResult r = panelFinish(t, false, name);
    EXPECT_EQ(r.outcome, PanelOutcome::Refused);
    ASSERT_TRUE(r.refusal);
    EXPECT_EQ(r.refusal->text, "Ann you have not ticked everything necessary for your bid. Please complete or click "
                               "Reset button to start again");
    EXPECT_FALSE(t.panel.anyOption());
    EXPECT_FALSE(t.bidLevelChosen);

    // Nothing chosen, box unchecked: refused too.
    EXPECT_EQ(panelFinish(t, false, name).outcome, PanelOutcome::Refused);
}

TEST_F(PanelTest, ResetThenPassLeavesNoLevel)
{
    panelChooseTrumps(t, 2);
    ASSERT_FALSE(panelChooseLevel(t, 5, name));
    panelReset(t);
    ASSERT_FALSE(panelSetPass(t, true, name));
    EXPECT_EQ(panelFinish(t, false, name).outcome, PanelOutcome::Pass);
    EXPECT_EQ(t.bidLevel[South], 0);
    EXPECT_TRUE(t.passed[South]);
}

TEST_F(PanelTest, TrumpChoiceSurvivesReset)
{
    panelChooseTrumps(t, 3);
    panelReset(t);
    EXPECT_FALSE(panelChooseLevel(t, 3, name));
    EXPECT_EQ(t.trumpChoice[South], Spades);
}

TEST_F(PanelTest, ForcedDealerMayNotPass)
{
    ASSERT_FALSE(panelSetPass(t, true, name));
    FinishResult r = panelFinish(t, true, name);
    EXPECT_EQ(r.outcome, PanelOutcome::Refused);
    ASSERT_TRUE(r.refusal);
    EXPECT_FALSE(t.passed[South]);
    EXPECT_FALSE(t.panel.pass);
}

}  // namespace
