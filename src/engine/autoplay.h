#pragma once

#include "engine/game.h"

namespace corvane {

// South played by the robots' rules (seat 1, partner North): the simulator's
// South, and what a hint shows. `southNoTrumps` makes South name No Trumps
// whenever its rule makes an ordinary bid, so the No Trumps play is reached.
struct AutoplayOptions {
    bool southNoTrumps = false;
};

// What the robots' rules would do in South's place at the person's turn:
// the bid (as the panel's options) or a pass, the six discards (jokers the
// engine already picked included), or the card, with the rule that chose it.
// `stage` is Nothing when the engine waits for none of those.
struct Hint {
    Awaiting stage = Awaiting::Nothing;
    bool pass = false;
    int trumpOption = -1;  // 0 Diamonds .. 3 Spades, 4 No Trumps
    int level = 0;
    int directionOption = -1;  // 0 uptown, 1 downtown
    CardSet discards;
    Card card = NoCard;
    Reason why;
};
Hint hintFor(const Game& game, const AutoplayOptions& options = {});

// Sets the bid panel to a bid hint through the panel's commands, as the person
// would, handing each event to `take`; "Finished" is left to the caller.
template <class Take>
void setPanelTo(Game& g, const Hint& h, Take&& take)
{
    if (h.pass) {
        take(g.setPass(true));
    } else {
        take(g.chooseTrumps(h.trumpOption));
        take(g.chooseLevel(h.level));
        take(g.chooseDirection(h.directionOption));
    }
}

// Gives South's bid, discards or card, as `h` has it, through the person's
// commands, handing each event to `take`; whether the engine waited for one.
template <class Take>
bool giveSouthsChoice(Game& g, const Hint& h, Take&& take)
{
    switch (g.awaiting()) {
    case Awaiting::Bid:
        setPanelTo(g, h, take);
        take(g.finishBid());
        return true;
    case Awaiting::Discards:
        for (Card c : h.discards - g.table().selected)
            take(g.pickDiscard(c));
        take(g.confirmDiscards());
        return true;
    case Awaiting::PlayCard: take(g.playCard(h.card)); return true;
    default: return false;
    }
}

// Answers whatever the engine waits for from the person with the commands a
// robot in South's place would give, handing each event they produce to
// `take` as it comes. Does nothing when the engine waits for nothing, for a
// new game or for a robot.
template <class Take>
void autoplaySouth(Game& g, const AutoplayOptions& options, Take&& take)
{
    if (giveSouthsChoice(g, hintFor(g, options), take))
        return;
    if (g.awaiting() == Awaiting::CarryOn)
        take(g.carryOn());
    else if (g.awaiting() == Awaiting::Answer)
        take(g.answer(0));
}

// The same, returning the events.
std::vector<Event> autoplaySouth(Game& game, const AutoplayOptions& options = {});

}  // namespace corvane
