#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "game/event.h"
#include "game/table_state.h"

namespace corvane {

// What the engine waits for before it can go on.
enum class Awaiting {
    Nothing,   // call advance()
    NewGame,   // no game under way
    CarryOn,   // the "Carry On" button
    Bid,       // the person's bid panel
    Discards,  // the person's six discards
    Card,      // the person's card
    Answer,    // the answer to the message box of the last event
};

struct Statistics {
    int gamesWon = 0;
    int gamesPlayed = 0;
    bool operator==(const Statistics&) const = default;
};

using Names = std::array<std::string, 5>;  // index = seat; 0 unused
Names defaultNames();

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
    void setName(Seat s, std::string name) { m_names[s] = std::move(name); }
    const Statistics& statistics() const { return m_stats; }
    void setStatistics(Statistics s) { m_stats = s; }

    Awaiting awaiting() const;
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

    // The deal number of the hand in play (each hand is dealt from one).
    std::uint64_t dealNumber() const { return m_dealNumber; }

private:
    enum class Step;
    Event dealerDrawStep();
    Event dealStep();
    Event biddingStep();
    Event robotBidTurn(Seat s);
    Event settleContract();
    Event kittyStep();
    Event playStartStep();
    Event trickStep();
    Event scoreHand();
    Event startHand();
    Card drawUndealt(std::mt19937_64& rng);
    std::string checkAfterAction() const;

    TableState m_t;
    Names m_names;
    Statistics m_stats;
    std::mt19937_64 m_rng;
    std::mt19937_64 m_dealRng;
    std::uint64_t m_dealNumber = 0;
    int m_stepValue = 0;
    int m_counter = 0;
    bool m_awaitingAnswer = false;
};

}  // namespace corvane
