#pragma once

#include <memory>

#include "engine/autoplay.h"
#include "engine/game.h"
#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/play.h"

namespace corvane {

// Decides for a seat in place of the robots' fixed rules: another level of
// play. It sees the game as the engine has it and must look only at what
// the seat has been shown.
class SeatPlayer {
public:
    virtual ~SeatPlayer() = default;
    // Every event of the game, as it happens, for a player that keeps what
    // its seats have seen.
    virtual void observe(const Event&) {}
    virtual BidDecision bid(const Game& g, Seat s) = 0;
    virtual DiscardDecision discards(const Game& g, Seat s) = 0;
    virtual PlayDecision card(const Game& g, Seat s) = 0;
};

// The robots' fixed rules as a player, deciding through the side door: the
// same choices the engine makes itself.
std::unique_ptr<SeatPlayer> classicPlayer();

// A bid decision as the panel's options.
Hint panelHint(const BidDecision& d);

// Answers the turn the engine waits for, when it is a seat `player` plays:
// a robot deciding outside the engine, or South through the person's
// commands. Hands each event to `take`; whether there was such a turn.
template <class Take>
bool playTurn(Game& g, SeatPlayer& player, Seat seat, Take&& take)
{
    const Awaiting a = g.awaiting();
    if (a == Awaiting::Robot && g.robotTurn().seat == seat) {
        switch (g.robotTurn().choice) {
        case RobotTurn::Choice::Bid: take(g.decideBid(seat, player.bid(g, seat))); return true;
        case RobotTurn::Choice::Discards: take(g.decideDiscards(seat, player.discards(g, seat))); return true;
        case RobotTurn::Choice::Play: take(g.decideCard(seat, player.card(g, seat))); return true;
        case RobotTurn::Choice::None: return false;
        }
    }
    if (seat != South)
        return false;
    Hint h;
    if (a == Awaiting::Bid)
        h = panelHint(player.bid(g, South));
    else if (a == Awaiting::Discards)
        h.discards = player.discards(g, South).discards;
    else if (a == Awaiting::PlayCard)
        h.card = player.card(g, South).card;
    return giveSouthsChoice(g, h, take);
}

}  // namespace corvane
