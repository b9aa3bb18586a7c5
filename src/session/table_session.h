#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/autoplay.h"
#include "engine/game.h"
#include "record/table_recorder.h"
#include "scene/choreography.h"
#include "session/hand_review.h"
#include "session/robot_task.h"

namespace corvane {

// The trick last gathered: each card by the seat that played it (index
// 1..4), and the seat that won it.
struct GatheredTrick {
    int number = 0;
    Seat winner = NoSeat;
    std::array<Card, 5> bySeat{};
    bool operator==(const GatheredTrick&) const = default;
};

// What an input leads to at the table: the steps to play, then the message
// to ask, if any. A message of the flow (the end of a hand, the No Trumps
// jokers) has its answer given back through answer(); any other is only to
// be read. `restore` asks for the table to show scene() at once instead.
struct TableUpdate {
    Steps steps;
    std::optional<MessageBox> message;
    bool flowMessage = false;
    int reviewButton = -1;  // the button of the message that opens the review
    bool restore = false;
};

// One game at the table as the window shows it, with no window: the engine,
// the choreography of its events, the game record, and what the table
// offers beside the game (a hint, undo, the last trick, the review of the
// last hand). The window hands it every input and plays the steps it
// answers with; it keeps nothing of the game itself.
//
// Undo is one stack of the person's turns of the hand in play: each holds
// everything restored together (the engine, the scene and log, the record,
// the last trick, the review so far), so an undo is one pop.
class TableSession {
public:
    // Where each scored hand's record lines go (and a game left unfinished
    // when the session ends); answers what went wrong, empty when written.
    using RecordSink = std::function<std::string(const std::vector<std::string>& lines)>;

    struct Options {
        std::uint64_t seed = 1;
        Names names = defaultNames();
        Statistics statistics;
        Pace pace = Pace::Normal;
        bool explain = false;  // the robots' reasons as asides in the log
        RecordSink record;     // none: no record is kept
    };

    explicit TableSession(Options options);
    ~TableSession();
    TableSession(const TableSession&) = delete;
    TableSession& operator=(const TableSession&) = delete;

    const Game& game() const { return m_game; }
    // The table as it will be once every step given out has been played.
    const Scene& scene() const { return m_choreographer.scene(); }

    Pace pace() const { return m_choreographer.pace(); }
    void setPace(Pace p) { m_choreographer.setPace(p); }
    bool explaining() const { return m_explain; }
    void setExplain(bool on) { m_explain = on; }

    // The person's commands, as the engine has them.
    TableUpdate newGame() { return take(m_game.newGame()); }
    TableUpdate newGameAt(std::uint64_t deal) { return take(m_game.newGameAt(deal)); }
    TableUpdate replayDeal() { return take(m_game.replayDeal()); }
    // What New Game would answer now, when it would be refused.
    std::optional<TableUpdate> refusesNewGame();
    TableUpdate carryOn() { return take(m_game.carryOn()); }
    TableUpdate chooseTrumps(int option) { return take(m_game.chooseTrumps(option)); }
    TableUpdate chooseDirection(int option) { return take(m_game.chooseDirection(option)); }
    TableUpdate chooseLevel(int level) { return take(m_game.chooseLevel(level)); }
    TableUpdate setPass(bool checked) { return take(m_game.setPass(checked)); }
    TableUpdate resetPanel() { return take(m_game.resetPanel()); }
    TableUpdate finishBid() { return take(m_game.finishBid()); }
    TableUpdate pickDiscard(Card c) { return take(m_game.pickDiscard(c)); }
    TableUpdate startAgain() { return take(m_game.startAgain()); }
    TableUpdate confirmDiscards() { return take(m_game.confirmDiscards()); }
    TableUpdate playCard(Card c) { return take(m_game.playCard(c)); }
    TableUpdate answer(int button) { return take(m_game.answer(button)); }
    // The next action of the game, when the engine waits for nothing.
    TableUpdate advance() { return take(m_game.advance()); }

    // What the robots' rules would do in South's place, at the person's
    // turn: the bid set on the panel, the six discards picked, or the card
    // ringed, and why in the log. The choice stays the person's.
    bool canHint() const;
    TableUpdate hint();

    // Takes back the person's last action and all the robots did after it:
    // the table returns to that turn as it was when it opened. At a turn
    // nothing has touched yet, to the turn before it. Never back into an
    // earlier hand, nor once the hand is scored; names and statistics stay
    // as they are now.
    bool canUndo() const;
    TableUpdate undo();

    // The trick last gathered in this hand, and showing it over the table
    // (until hideLastTrick()).
    const std::optional<GatheredTrick>& lastTrick() const { return m_lastTrick; }
    TableUpdate showLastTrick() const;
    TableUpdate hideLastTrick() const;

    // South's cards as they lie, left to right, while the person picks
    // discards or plays a card: what the keys move over. None otherwise.
    std::vector<Card> keyboardCards() const;
    // Six discards are picked and only "Carry On" is left to press.
    bool discardsPicked() const;

    // The last hand scored; nothing before the first.
    const std::optional<HandReview>& lastHand() const { return m_lastHand; }
    // Adds "Review" to the end-of-hand message when a button is free; the
    // button's index, or -1.
    static int addReviewButton(MessageBox& message);

    // A line of the window's own for the log (a notice, a file's trouble).
    TableUpdate note(const std::string& line);
    // The seat labels as the program starts and after a rename.
    TableUpdate seatLabels();
    // A seat's new name, in the engine, on its label and in the record.
    TableUpdate rename(Seat s, const std::string& name);
    void setStatistics(const Statistics& s) { m_game.setStatistics(s); }

    // How the robots play; a change takes effect from the next game. Expert
    // robots weigh less at the Fast pace, by the pace a game starts at.
    RobotLevel robotLevel() const { return m_nextLevel; }
    void setRobotLevel(RobotLevel level) { m_nextLevel = level; }
    // The decision an Expert robot has the turn for, to be made away from
    // the table; nothing while the engine waits for none.
    std::optional<RobotTask> robotTask() const;
    // The decision made: played when the table is still as it was asked,
    // else (a turn taken back, a new game) nothing happens.
    TableUpdate robotDecided(const RobotAnswer& answer);

    // In a game of Expert robots, at South's bid or card, the Expert's
    // weighing, to be made away from the table; then shown: at the bid, the
    // contract it would bid and the points of the best few in the log; at
    // the card, the card it chooses ringed, and each card's average tricks.
    std::optional<RobotTask> expertHintTask() const;
    TableUpdate expertHint(const RobotAnswer& answer);

    // Hands the record of a game left unfinished to the sink.
    void flushRecord();

private:
    struct Turn {
        Game game;
        Choreographer choreographer;
        record::TableRecorder::Mark record;
        std::optional<GatheredTrick> lastTrick;
        HandReviewer reviewer;
        expert::SeenBySeat seen;
    };

    TableUpdate take(const Event& e);
    void follow(const Event& e);
    bool atTopTurn() const;
    std::string hintSentence(const Hint& h) const;

    Game m_game;
    Choreographer m_choreographer;
    record::TableRecorder m_recorder;
    RecordSink m_sink;
    std::vector<std::string> m_recordTrouble;
    bool m_explain;
    std::vector<Turn> m_turns;
    std::optional<GatheredTrick> m_lastTrick;
    HandReviewer m_reviewer;
    std::optional<HandReview> m_lastHand;
    expert::SeenBySeat m_seen;
    RobotLevel m_nextLevel = RobotLevel::Classic;
    expert::ExpertBudget m_budget;  // the game's, fixed at its start
    std::uint64_t m_move = 0;  // counts what changed the table
};

// The log's line for the Expert's bid hint: its bid, and the average points
// of the `shown` best contracts it weighed.
std::string bidHintLine(const expert::BidChoice& c, std::size_t shown = 3);

}  // namespace corvane
