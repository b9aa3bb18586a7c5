#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/play.h"
#include "table/deal_number.h"
#include "table/event.h"
#include "table/names.h"
#include "table/random.h"
#include "table/seat_lines.h"
#include "table/table_state.h"

namespace corvane {

// What the engine waits for before it can go on.
enum class Awaiting {
    Nothing,   // call advance()
    NewGame,   // no game under way
    CarryOn,   // the "Carry On" button
    Bid,       // the person's bid panel
    Discards,  // the person's six discards
    PlayCard,  // the person's card
    Answer,    // the answer to the message box of the last event
    Robot,     // a robot seat that decides outside the engine (robotTurn())
};

// The rules robot seats decide by: the robots' own, or others a test gives.
struct RobotRules {
    BidDecision (*bid)(const TableState&, Seat) = robotBid;
    DiscardDecision (*discards)(const TableState&, Seat, int) = robotDiscards;
    PlayDecision (*card)(const TableState&, Seat, int) = chooseCard;
};

// A robot's turn that waits for a choice from outside the engine.
struct RobotTurn {
    enum class Choice { None, Bid, Discards, Play };
    Seat seat = NoSeat;
    Choice choice = Choice::None;
};


// The hand-cycle state machine. Commands from the person are applied at once
// and answered with an Event (ev::Refused, with a message or log line, when
// refused: a refused command changes nothing else). advance() performs one
// atomic game action when awaiting() is Nothing. The engine knows no time,
// no pixels and no files; the window, the simulator and the tests drive it.
class Game {
public:
    explicit Game(std::uint64_t seed = 1, Names names = defaultNames());

    const TableState& table() const { return m_t; }
    const Names& names() const { return m_names; }
    const std::string& name(Seat s) const { return m_names[s]; }
    void setName(Seat s, std::string name)
    {
        m_names[s] = std::move(name);
        m_lines = SeatLines(m_names);
    }
    const Statistics& statistics() const { return m_stats; }
    void setStatistics(Statistics s) { m_stats = s; }

    Awaiting awaiting() const { return m_wait; }
    Event advance();

    // Play menu and the "Carry On" button.
    Event newGame();
    Event carryOn();

    // The bid panel.
    Event chooseTrumps(int option);    // 0 Diamonds .. 3 Spades, 4 No Trumps
    Event chooseDirection(int option); // 0 uptown, 1 downtown
    Event chooseLevel(int level);      // 3..7
    Event setPass(bool checked);
    Event resetPanel();
    Event finishBid();

    // Discarding and play.
    Event pickDiscard(Card c);
    Event startAgain();
    Event confirmDiscards();
    Event playCard(Card c);

    // The answer to the message box an event carried (button 0..2).
    Event answer(int button);

    // The deal number of the hand in play (each hand is dealt from one),
    // once the first hand is dealt.
    std::optional<std::uint64_t> dealNumber() const;
    // A new game whose first hand is the deal of `number`: the draw names its
    // dealer and the same cards are dealt. Such a game is not counted in the
    // statistics, and the message that ends it says so. Refused as New Game
    // is, and for a number that is no deal.
    Event newGameAt(std::uint64_t number);
    // A new game from the deal of the hand in play (or the last one played).
    Event replayDeal();
    // The number the game in play began from, when it was chosen.
    std::optional<std::uint64_t> chosenDeal() const { return m_chosenDeal; }
    // The answer New Game would get now, when it would be refused.
    std::optional<Event> refusesNewGame() const;

    // Deals the next hand's cards in this order instead of drawing them (the
    // order cards are dealt: twelve passes round the table, then the kitty).
    void presetDeal(std::vector<Card> order) { m_presetDeal = std::move(order); }
    // Turns these cards up, in order, in the next dealer draw (a replay).
    void presetDraw(std::vector<Card> order) { m_presetDraw = std::move(order); }

    // The person's bid turn is the dealer's forced one (everybody passed).
    bool forcedHumanTurn() const { return m_forcedHuman; }
    // The position 1..4 of the next card in the trick in progress.
    int trickPosition() const { return m_counter + 1; }

    // Robot seats decide inside advance() by their rules, unless set to
    // decide outside: then the engine waits (Awaiting::Robot) for the choice
    // of robotTurn() through decideBid, decideDiscards or decideCard. Every
    // robot choice passes the checks the person's do; one the rules refuse
    // is reported (ev::RobotFault) and the game stops.
    void decideOutside(Seat s, bool on) { m_outside[s] = isRobot(s) && on; }
    bool decidesOutside(Seat s) const { return m_outside[s]; }
    void setRobotRules(RobotRules rules) { m_rules = rules; }
    RobotTurn robotTurn() const { return m_wait == Awaiting::Robot ? m_robotTurn : RobotTurn{}; }
    Event decideBid(Seat s, const BidDecision& d);
    Event decideDiscards(Seat s, const DiscardDecision& d);
    Event decideCard(Seat s, const PlayDecision& d);

    // Every invariant of the table at this stage; empty when all hold.
    std::string check() const;

private:
    // What advance() does next.
    enum class Step {
        None,
        DrawStart,
        DrawCard,
        DrawDone,
        DealPack,
        DealCard,
        OpenBidding,
        BidTurn,
        AllPassed,
        ForcedRobotBid,
        Settle,
        RobotBook,
        RobotKitty,
        HumanKitty,
        OpenDiscards,
        HumanBook,
        Announce,
        JokerSwaps,
        KittyClear,
        TrickCard,
        Gather,
        Score,
        NextHand,
    };

    // Waits for the person; each event is built in place where it is returned, so
    // this changes the state only.
    void waitFor(Awaiting what) { m_wait = what; }
    Event waitForRobot(Seat s, RobotTurn::Choice choice);
    bool awaitsRobot(Seat s, RobotTurn::Choice choice) const;
    Event step();
    Event refused(std::optional<MessageBox> message = std::nullopt, LogLines log = {});

    Event drawStart();
    Event drawCard();
    Event drawDone();
    Event dealPack();
    Event dealCard();
    Event openBidding();
    Event bidTurn();
    Event robotBidTurn(Seat s);
    Event takeBid(Seat s, const BidDecision& d);
    void endBidTurn();
    Event allPassed();
    Event forcedRobotBid();
    void takeRobotBid(Seat s, const BidDecision& d);
    Event settle();
    Event creditBook(Seat s, Step next);
    Event robotKitty();
    Event takeDiscards(Seat s, const DiscardDecision& d);
    Event humanKitty();
    Event openDiscards();
    Event announce();
    Event jokerSwaps();
    Event kittyClear();
    Event trickCard();
    Event humanCardTurn();
    Event placeCard(Seat s, Card c, Reason why);
    Event takeCard(Seat s, const PlayDecision& d);
    Event robotFault(Seat seat, int position, const char* what);
    Event gather();
    Event score();
    Event nextHand();
    void drawDealOrder();

    TableState m_t;
    Names m_names;
    SeatLines m_lines{m_names};
    Statistics m_stats;
    Random m_rng;
    Random m_dealRng;
    std::optional<Deal> m_deal;          // the hand in play's
    std::optional<Deal> m_nextDeal;      // the next hand's, when chosen
    std::optional<std::uint64_t> m_chosenDeal;
    Step m_next = Step::None;
    Awaiting m_wait = Awaiting::NewGame;
    int m_counter = 0;        // cards turned or dealt, or bidding turns taken
    bool m_forcedHuman = false;
    bool m_gameOver = false;
    std::vector<Card> m_presetDeal;
    std::vector<Card> m_presetDraw;
    // The hand's cards in the order they are dealt, drawn as the pack is gathered.
    std::array<Card, CardCount> m_dealOrder{};
    RobotRules m_rules;
    std::array<bool, 5> m_outside{};
    RobotTurn m_robotTurn;
};

}  // namespace corvane
