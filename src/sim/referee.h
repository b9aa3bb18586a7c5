#pragma once

#include <array>
#include <string>

#include "table/event.h"
#include "table/table_state.h"

namespace corvane::sim {

// A second judge of whole games for the long checks. It follows the game by
// its events alone and knows the rules only as written in referee.cpp, not
// as the engine computes them, so a fault shared by the engine's rules and
// its own checks still shows: who deals and who plays next, following suit,
// the kitty's six discards, each trick's winner, each hand's points and the
// game's end.
class Referee {
public:
    // What is wrong with event e, or empty when it stands. `after` is the
    // table the event left: its books and game points must be the referee's.
    std::string judge(const Event& e, const TableState& after);

private:
    std::string bidTurn(Seat s);
    std::string deal(const ev::CardDealt& d);
    std::string discard(Seat s, CardSet discards);
    std::string play(const ev::CardPlayed& p);
    std::string gather(const ev::TrickGathered& g);
    std::string score(const ev::HandScored& s, const TableState& after);
    Suit suitOf(Card c) const;
    int worth(Card c, Suit led) const;

    std::array<CardSet, 6> m_held{};  // seats 1..4 and the kitty (5)
    Seat m_dealer = NoSeat;
    int m_dealt = 0;  // cards dealt this hand
    int m_bids = 0;   // bids and passes this hand
    bool m_scored = true;   // the last hand was scored
    bool m_gameOver = true;
    Seat m_declarer = NoSeat;
    Suit m_trumps = NotChosen;
    bool m_high = false;
    int m_level = 0;
    Seat m_leader = NoSeat;
    std::array<Card, 4> m_trick{};
    int m_played = 0;  // cards on the trick in progress
    int m_tricks = 0;
    std::array<int, 3> m_books{};
    std::array<int, 3> m_points{};
};

}  // namespace corvane::sim
