// The table session without a window: undo, the hint, the last trick and
// the review of the last hand, each through the person's commands, with a
// scene played from the session's steps standing in for the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "record/replay.h"
#include "engine/explain.h"
#include "rules/expert_rules.h"
#include "session/robot_task.h"
#include "session/table_session.h"

using namespace corvane;

namespace {

// A game in which South wins the bid, discards and plays.
constexpr std::uint64_t Seed = 40;

// Plays the session as a window would: every update's steps into a scene
// of its own, the message answered with its first button.
struct Table {
    TableSession session;
    Scene shown;
    std::optional<MessageBox> asked;

    explicit Table(TableSession::Options o = {Seed}) : session(std::move(o)) {}

    const Game& game() const { return session.game(); }
    const TableState& table() const { return session.game().table(); }

    void play(TableUpdate u)
    {
        if (u.restore)
            shown = session.scene();
        playInstantly(shown, u.steps);
        asked = u.message;
        if (u.message && u.flowMessage)
            play(session.answer(0));
    }

    // South's move by the robots' rules, through the person's commands.
    void act()
    {
        const Hint h = hintFor(game());
        switch (game().awaiting()) {
        case Awaiting::Nothing: return play(session.advance());
        case Awaiting::CarryOn: return play(session.carryOn());
        case Awaiting::Bid:
            if (h.pass) {
                play(session.setPass(true));
            } else {
                play(session.chooseTrumps(h.trumpOption));
                play(session.chooseLevel(h.level));
                play(session.chooseDirection(h.directionOption));
            }
            return play(session.finishBid());
        case Awaiting::Discards:
            for (Card c : h.discards - table().selected)
                play(session.pickDiscard(c));
            return play(session.confirmDiscards());
        case Awaiting::PlayCard: return play(session.playCard(h.card));
        case Awaiting::Robot: return play(session.robotDecided(decide(*session.robotTask(), solver())));
        default: return;
        }
    }
    // Acts until `done` holds, the engine waiting for the person or nothing.
    template <class Done>
    bool until(Done done, int limit = 5000)
    {
        for (; limit > 0 && !done(); --limit) {
            if (game().awaiting() == Awaiting::NewGame)
                return false;
            act();
        }
        return done();
    }
    bool untilTurn(Awaiting a) { return until([&] { return game().awaiting() == a; }); }

    static expert::DoubleDummy& solver()
    {
        static expert::DoubleDummy dd(expert::ExpertTableBits);
        return dd;
    }
};

int cardsPlayedBySouth(const Table& t) { return 12 - t.table().hand(South).count(); }

// A session whose record lines are kept in `into`.
TableSession::Options recordingInto(std::string& into)
{
    TableSession::Options o{Seed};
    o.record = [&into](const std::vector<std::string>& lines) {
        for (const std::string& l : lines)
            into += l + '\n';
        return std::string();
    };
    return o;
}

}  // namespace

TEST(Session, UndoGoesBackTurnByTurnToTheBidAndTheSameCardGivesTheSameContinuation)
{
    Table t;
    t.session.setExplain(true);  // the asides go back with the rest
    t.play(t.session.newGame());
    ASSERT_TRUE(t.untilTurn(Awaiting::Bid));
    // Nothing to take back at the first turn of the hand, until the panel is touched.
    EXPECT_FALSE(t.session.canUndo());
    const Scene bid = t.shown;
    const TableState bidTable = t.table();
    t.play(t.session.chooseTrumps(2));
    ASSERT_TRUE(t.session.canUndo());
    t.play(t.session.undo());
    EXPECT_EQ(t.table(), bidTable);
    EXPECT_EQ(t.shown, bid);
    EXPECT_FALSE(t.session.canUndo());

    // South's last bid turn before it discards.
    Scene lastBid;
    TableState lastBidTable;
    ASSERT_TRUE(t.until([&] {
        if (t.game().awaiting() == Awaiting::Bid) {
            lastBid = t.shown;
            lastBidTable = t.table();
        }
        return t.game().awaiting() == Awaiting::Discards;
    }));
    const Scene discards = t.shown;
    const TableState discardsTable = t.table();
    ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
    t.play(t.session.undo());  // the first card turn is untouched: back to the discards
    EXPECT_EQ(t.table(), discardsTable);
    EXPECT_EQ(t.shown, discards);
    EXPECT_TRUE(t.shown.shown(Control::DiscardCarryOn));
    t.play(t.session.undo());
    EXPECT_EQ(t.table(), lastBidTable);
    EXPECT_EQ(t.shown, lastBid);
    EXPECT_TRUE(t.shown.shown(Control::BidPanel));

    // A card taken back and played again.
    ASSERT_TRUE(t.until([&] { return t.game().awaiting() == Awaiting::PlayCard && cardsPlayedBySouth(t) == 3; }));
    EXPECT_TRUE(t.session.canUndo());
    const Game atFourth = t.game();
    const Scene fourth = t.shown;
    const Card card = hintFor(t.game()).card;

    t.play(t.session.playCard(card));
    ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
    const Scene fifth = t.shown;
    ASSERT_GT(fifth.log().size(), fourth.log().size());

    t.play(t.session.undo());
    EXPECT_EQ(t.table(), atFourth.table());
    EXPECT_EQ(t.game().awaiting(), Awaiting::PlayCard);
    EXPECT_EQ(t.shown, fourth);
    EXPECT_EQ(t.session.scene(), fourth);

    t.play(t.session.playCard(card));
    ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
    EXPECT_EQ(t.shown, fifth);

    // At a turn not yet touched, undo goes one turn further back, and so on.
    t.play(t.session.undo());
    EXPECT_EQ(t.table(), atFourth.table());
    t.play(t.session.undo());
    EXPECT_EQ(t.game().awaiting(), Awaiting::PlayCard);
    EXPECT_EQ(t.table().hand(South).count(), atFourth.table().hand(South).count() + 1);
}

TEST(Session, TheRecordFollowsTheUndo)
{
    std::string record;
    {
        Table t(recordingInto(record));
        t.play(t.session.newGame());
        ASSERT_TRUE(t.untilTurn(Awaiting::Discards));
        t.act();
        ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
        t.play(t.session.undo());
        ASSERT_EQ(t.game().awaiting(), Awaiting::Discards);
        // Other discards this time: the last six of the hand.
        const std::vector<Card> hand(t.table().hand(South).begin(), t.table().hand(South).end());
        for (std::size_t i = hand.size() - 6 + static_cast<std::size_t>(t.table().selected.count()); i < hand.size(); ++i)
            t.play(t.session.pickDiscard(hand[i]));
        t.play(t.session.confirmDiscards());
        ASSERT_TRUE(t.until([&] { return t.game().awaiting() == Awaiting::PlayCard && cardsPlayedBySouth(t) == 2; }));
        // Seats renamed mid-hand, the person's own at its turn to play (its
        // prompt already told under the old name), a card played, and turns
        // taken back: the names stay, and the record tells the replay once.
        t.play(t.session.rename(West, "Zo\xC3\xAB \\ Max"));
        t.play(t.session.rename(South, "Sam"));
        t.play(t.session.playCard(hintFor(t.game()).card));
        t.play(t.session.undo());
        t.play(t.session.undo());
        // The review holds the hand as it was played after the undo.
        ASSERT_TRUE(t.until([&] { return t.session.lastHand().has_value(); }));
        CardSet played;
        for (const HandReview::Trick& trick : t.session.lastHand()->tricks)
            for (Seat s = South; s <= East; ++s)
                played.add(trick.bySeat[s]);
        EXPECT_EQ(t.session.lastHand()->tricks.size(), 12U);
        EXPECT_EQ(played.count(), 48);
        ASSERT_TRUE(t.until([&] { return t.game().awaiting() == Awaiting::NewGame; }));
    }
    // The game line as a plain writer of the person's game writes it: the
    // replay takes it as it is.
    EXPECT_EQ(record.rfind("{\"type\":\"game\",\"game\":1,\"seed\":40,\"south\":\"human\",\"south_nt\":false,", 0), 0U)
        << record.substr(0, record.find('\n'));
    std::size_t renames = 0;
    for (std::size_t at = 0; (at = record.find("{\"type\":\"rename\"", at)) != std::string::npos; ++at)
        ++renames;
    EXPECT_EQ(renames, 2U);
    std::istringstream in(record);
    const record::ReplayResult r = record::replayRecord(in);
    EXPECT_EQ(r.status, 0) << r.message;
    EXPECT_EQ(r.games, 1);
}

TEST(Session, TheLastTrickIsTheOneJustGatheredBySeatAndGoesWithItsTurn)
{
    Table t;
    t.play(t.session.newGame());
    ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
    ASSERT_EQ(t.table().tricksPlayed, 1);
    EXPECT_FALSE(t.session.lastTrick().has_value());
    EXPECT_TRUE(t.session.showLastTrick().steps.empty());

    // Every card of the trick came from its seat's hand, or lay on the
    // trick already, played by that seat.
    std::array<CardSet, 5> held{};
    for (Seat s = South; s <= East; ++s)
        held[s] = t.table().hand(s);
    for (int p = 1; p < t.game().trickPosition(); ++p)
        held[t.table().trick.seat[p]].add(t.table().trick.card[p]);
    const Card mine = hintFor(t.game()).card;
    t.play(t.session.playCard(mine));
    ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
    ASSERT_TRUE(t.session.lastTrick().has_value());
    const GatheredTrick trick = *t.session.lastTrick();
    EXPECT_EQ(trick.number, 1);
    EXPECT_EQ(trick.bySeat[South], mine);
    CardSet four;
    for (Seat s = South; s <= East; ++s) {
        four.add(trick.bySeat[s]);
        EXPECT_TRUE(held[s].has(trick.bySeat[s])) << s;
    }
    EXPECT_EQ(four.count(), 4);

    t.play(t.session.showLastTrick());
    ASSERT_TRUE(t.shown.showingTrick());
    EXPECT_EQ(t.shown.shownTrick().bySeat, trick.bySeat);
    EXPECT_EQ(t.shown.shownTrick().caption, "Trick 1 was won by " + t.game().name(trick.winner));
    t.play(t.session.hideLastTrick());
    EXPECT_FALSE(t.shown.showingTrick());

    // Back to the first card, before the first gather: nothing to show.
    t.play(t.session.showLastTrick());
    t.play(t.session.undo());
    EXPECT_FALSE(t.shown.showingTrick());
    EXPECT_EQ(t.table().tricksPlayed, 1);
    EXPECT_FALSE(t.session.lastTrick().has_value());
}

TEST(Session, TheHintDoesWhatTheRobotsRulesWouldThroughThePersonsCommands)
{
    Table t;
    t.play(t.session.newGame());
    const auto saidWhy = [&](const Hint& h) {
        const std::string& last = t.shown.log().back();
        return last.rfind("Hint: ", 0) == 0 && last.find(h.why.rule->sentence) != std::string::npos;
    };

    // Bidding: the panel shows the rule's bid, nothing is bid yet.
    ASSERT_TRUE(t.untilTurn(Awaiting::Bid));
    ASSERT_TRUE(t.session.canHint());
    const Hint bid = hintFor(t.game());
    t.play(t.session.chooseTrumps(bid.trumpOption == 0 ? 1 : 0));  // a choice the hint must undo
    t.play(t.session.hint());
    EXPECT_EQ(t.game().awaiting(), Awaiting::Bid);
    EXPECT_TRUE(saidWhy(bid));
    const BidPanel& panel = t.table().panel;
    EXPECT_EQ(panel.pass, bid.pass);
    if (!bid.pass)
        EXPECT_EQ(panel, (BidPanel{bid.level, bid.trumpOption, bid.directionOption, false}));

    // Discarding: the six are picked as clicks pick them, so "Start Again"
    // gives them back and "Carry On" takes them.
    ASSERT_TRUE(t.untilTurn(Awaiting::Discards));
    const CardSet hand = t.table().hand(South);
    const CardSet before = t.table().selected;  // the jokers of No Trumps
    const Hint discards = hintFor(t.game());
    t.play(t.session.hint());
    EXPECT_EQ(t.table().selected, discards.discards);
    EXPECT_EQ(t.shown.rings(), discards.discards - before);
    EXPECT_TRUE(saidWhy(discards));
    EXPECT_TRUE(t.session.discardsPicked());
    t.play(t.session.startAgain());
    EXPECT_FALSE(t.session.discardsPicked());
    EXPECT_EQ(t.table().hand(South), hand);
    EXPECT_TRUE(t.shown.rings().empty());
    t.play(t.session.hint());
    t.play(t.session.confirmDiscards());
    EXPECT_NE(t.game().awaiting(), Awaiting::Discards);
    EXPECT_EQ(t.table().kitty(), discards.discards);

    // Play: the rule's card is ringed and still in the hand, until played;
    // the keys move over the hand as it lies.
    for (int turn = 0; turn < 3; ++turn) {
        ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));
        const std::vector<Card> keys = t.session.keyboardCards();
        CardSet keyed;
        for (Card c : keys)
            keyed.add(c);
        EXPECT_EQ(keyed, t.table().hand(South));
        EXPECT_EQ(keys.size(), 12U - turn);
        EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end(), [&](Card a, Card b) {
            return t.shown.card(a).left < t.shown.card(b).left;
        }));
        const Hint card = hintFor(t.game());
        t.play(t.session.hint());
        EXPECT_EQ(t.shown.rings(), CardSet::of(card.card));
        EXPECT_TRUE(t.table().hand(South).has(card.card));
        EXPECT_TRUE(saidWhy(card));
        t.play(t.session.playCard(card.card));
        EXPECT_TRUE(t.shown.rings().empty());
    }
    EXPECT_FALSE(t.session.canHint());  // no hint while the robots play
    EXPECT_TRUE(t.session.keyboardCards().empty());
}

TEST(Session, TheReviewOfTheLastHandSpeaksAsTheLogDoes)
{
    Table t;
    t.play(t.session.newGame());
    ASSERT_TRUE(t.untilTurn(Awaiting::Bid));
    const CardSet southDealt = t.table().hand(South);
    EXPECT_FALSE(t.session.lastHand().has_value());
    TableUpdate end;
    while (!end.message && t.game().awaiting() != Awaiting::NewGame) {
        if (t.game().awaiting() == Awaiting::Nothing)
            end = t.session.advance();
        else
            t.act();
    }
    // The end-of-hand message keeps its title, text and first button, with
    // "Review" on a free one.
    ASSERT_TRUE(end.message && end.flowMessage);
    // Nothing of a scored hand is taken back.
    EXPECT_FALSE(t.session.canUndo());
    const TableState scored = t.table();
    EXPECT_FALSE(t.session.undo().restore);
    EXPECT_EQ(t.table(), scored);
    EXPECT_EQ(end.reviewButton, 1);
    EXPECT_EQ(end.message->caption2, "Review");
    EXPECT_NE(end.message->caption1, "Review");

    ASSERT_TRUE(t.session.lastHand().has_value());
    const HandReview& r = *t.session.lastHand();
    EXPECT_EQ(r.hand, 1);
    EXPECT_EQ(r.dealt[South], southDealt);
    EXPECT_EQ(r.message, end.message->text);
    EXPECT_EQ(r.tricks.size(), 12U);
    EXPECT_EQ(r.books[1] + r.books[2], 13);
    CardSet all = r.kitty;
    for (Seat s = South; s <= East; ++s)
        all |= r.dealt[s];
    EXPECT_EQ(all, AllCards);
    // Each robot's card comes with the sentence the log would have given,
    // South's with none.
    for (const HandReview::Trick& trick : r.tricks)
        for (Seat s = South; s <= East; ++s) {
            if (s == South) {
                EXPECT_EQ(trick.why[s], "");
                continue;
            }
            EXPECT_EQ(trick.why[s].rfind(r.names[s] + " plays " + std::string(cardName(trick.bySeat[s])) + " because ", 0),
                      0U)
                << trick.why[s];
        }
    // Once the hand is over a robot's bid tells its suit.
    for (const HandReview::Bid& b : r.bids)
        if (b.seat != South && !b.pass)
            EXPECT_NE(b.why.find(b.trumps == NoTrumps ? "No Trumps" : std::string(suitName(b.trumps))),
                      std::string::npos)
                << b.why;
}

// Asked for, each robot's reason joins the log beside its action's lines;
// the log is otherwise the same.
TEST(Session, TheRobotsReasonsJoinTheLogOnlyWhenAsked)
{
    std::vector<std::string> logs[2];
    for (bool explain : {false, true}) {
        TableSession::Options o{31};
        o.explain = explain;
        Table t(std::move(o));
        t.play(t.session.newGame());
        ASSERT_TRUE(t.until([&] { return t.table().tricksPlayed == 11; }));
        logs[explain] = t.shown.log();
    }
    // Reasons for the robots' bids and for most of their cards.
    ASSERT_GT(logs[true].size(), logs[false].size() + 20);
    std::vector<std::string> own;
    for (const std::string& line : logs[true])
        if (line.find(" because ") == std::string::npos)
            own.push_back(line);
    EXPECT_EQ(own, logs[false]);
}

// The Expert's robots decide away from the table, each decision asked with
// everything it needs; an answer to a table that has moved on is dropped.
TEST(Session, ExpertRobotsDecideAwayFromTheTable)
{
    std::string record;
    Table t(recordingInto(record));
    EXPECT_FALSE(t.session.expertHintTask().has_value());  // no Expert game yet
    t.session.setRobotLevel(RobotLevel::Expert);
    t.play(t.session.newGame());

    // At South's bid: the Expert's contract and the best three's points,
    // from South's cards alone, naming no card.
    ASSERT_TRUE(t.untilTurn(Awaiting::Bid));
    const std::optional<RobotTask> bidHint = t.session.expertHintTask();
    ASSERT_TRUE(bidHint.has_value());
    EXPECT_EQ(bidHint->turn.choice, RobotTurn::Choice::Bid);
    EXPECT_EQ(bidHint->knowledge.viewer(), South);
    const RobotAnswer bidWeighed = decide(*bidHint, Table::solver());
    ASSERT_GE(bidWeighed.bidding.contracts.size(), 3U);
    t.play(t.session.expertHint(bidWeighed));
    EXPECT_EQ(t.shown.log().back(), bidHintLine(bidWeighed.bidding));  // its words: the test below
    // A stale answer tells nothing.
    RobotAnswer late = bidWeighed;
    ++late.move;
    EXPECT_TRUE(t.session.expertHint(late).steps.empty());

    ASSERT_TRUE(t.untilTurn(Awaiting::PlayCard));

    // The Expert's hint: its card ringed, every card's tricks told.
    const std::optional<RobotTask> hint = t.session.expertHintTask();
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->knowledge.viewer(), South);
    const RobotAnswer weighed = decide(*hint, Table::solver());
    t.play(t.session.expertHint(weighed));
    EXPECT_EQ(t.shown.rings(), CardSet::of(weighed.weighing.card));
    EXPECT_TRUE(t.table().hand(South).has(weighed.weighing.card));
    const std::string& told = t.shown.log().back();
    EXPECT_EQ(told.rfind("Hint: the Expert would play " + std::string(cardName(weighed.weighing.card)), 0), 0U) << told;
    for (const expert::CardWeighing& w : weighed.weighing.cards)
        EXPECT_NE(told.find(std::string(cardName(w.card)) + " "), std::string::npos) << told;
    t.act();
    // After South's card a robot has the turn: asked, then taken back.
    ASSERT_TRUE(t.until([&] { return t.game().awaiting() == Awaiting::Robot; }));
    const std::optional<RobotTask> task = t.session.robotTask();
    ASSERT_TRUE(task.has_value());
    EXPECT_EQ(task->turn.choice, RobotTurn::Choice::Play);
    EXPECT_EQ(task->knowledge.viewer(), task->turn.seat);
    const RobotAnswer answer = decide(*task, Table::solver());
    EXPECT_TRUE(t.table().hand(task->turn.seat).has(answer.card.card));
    ASSERT_TRUE(t.session.canUndo());
    t.play(t.session.undo());
    const TableState before = t.table();
    const TableUpdate stale = t.session.robotDecided(answer);
    EXPECT_TRUE(stale.steps.empty());
    EXPECT_EQ(t.table(), before);

    // The hand plays out, every robot card through the tasks.
    ASSERT_TRUE(t.until([&] { return t.session.lastHand().has_value(); }));
    EXPECT_EQ(t.game().check(), "");

    // Its record names the level, and the replay decides again the same.
    EXPECT_NE(record.find("\"robots\":\"expert\""), std::string::npos);
    EXPECT_NE(record.find("best-over-deals"), std::string::npos);
    EXPECT_TRUE(record.find("Expert best-contract") != std::string::npos ||
                record.find("Expert pass-over-deals") != std::string::npos);
    // Its figures, told after the hand, in the game's voice.
    const Reason why{Reason::Source::Expert, &ExpertRules[0], 74, -6};
    EXPECT_EQ(figuresOf(why), "it takes 7.4 tricks on average and scores -0.6 points a hand more than with the next "
                              "best card");
    std::istringstream in(record);
    const record::ReplayResult replayed = record::replayRecord(in);
    EXPECT_EQ(replayed.status, 0) << replayed.message;
}

// A game begun at the Fast pace has its Expert robots weigh fewer deals, and
// its record says so: read at the full budget, the same record differs.
TEST(Session, AFastGamesExpertsWeighLessAndItsRecordSaysSo)
{
    std::string record;
    TableSession::Options o = recordingInto(record);
    o.pace = Pace::Fast;
    Table t(std::move(o));
    t.session.setRobotLevel(RobotLevel::Expert);
    t.play(t.session.newGame());
    t.session.setPace(Pace::Normal);  // the game keeps the budget it began with
    ASSERT_TRUE(t.until([&] { return t.game().awaiting() == Awaiting::Robot; }));
    EXPECT_EQ(t.session.robotTask()->budget.deals, expert::ExpertBudget::quick().deals);
    ASSERT_TRUE(t.until([&] { return t.session.lastHand().has_value(); }));

    ASSERT_NE(record.find("\"robots\":\"expert\",\"budget\":\"quick\""), std::string::npos) << record;
    std::istringstream in(record);
    const record::ReplayResult replayed = record::replayRecord(in);
    EXPECT_EQ(replayed.status, 0) << replayed.message;
    std::string full = record;
    full.erase(full.find(",\"budget\":\"quick\""), std::string(",\"budget\":\"quick\"").size());
    std::istringstream fullIn(full);
    EXPECT_EQ(record::replayRecord(fullIn).status, 1);
}

// The bid hint's line: the Expert's call, then the best three contracts'
// points in tenths, each named with its kind.
TEST(Session, TheExpertsBidHintNamesItsCallAndTheBestThree)
{
    expert::BidChoice c;
    c.deals = 5;
    c.decision = BidDecision{true, 4, true, Spades, {}};
    c.contracts = {{4, true, Spades, 2.34, 10.2}, {3, false, NoTrumps, 1.0, 9.6}, {5, true, Hearts, -0.46, 9.0},
                   {6, true, Clubs, -6, 8}};
    EXPECT_EQ(bidHintLine(c), "Hint: the Expert would bid 4 HIGH in Spades. Over 5 deals that fit your hand, the "
                              "points you would expect: 4 HIGH in Spades 2.3, 3 LOW in No Trumps 1.0, 5 HIGH in "
                              "Hearts -0.5.");
    c.decision = BidDecision{};
    c.contracts.resize(1);
    EXPECT_EQ(bidHintLine(c), "Hint: the Expert would pass. Over 5 deals that fit your hand, the points you would "
                              "expect: 4 HIGH in Spades 2.3.");
}
