#include "game/autoplay.h"

#include "bidding/robot_bid.h"
#include "bidding/robot_discard.h"
#include "play/play.h"

namespace corvane {

namespace {

void bid(Game& g, const AutoplayOptions& options, std::vector<Event>& out)
{
    TableState view = g.table();
    view.forcedBid = g.forcedHumanTurn();
    const BidDecision d = robotBid(view, South);
    if (!d.bid) {
        out.push_back(g.setPass(true));
    } else {
        const bool noTrumps = options.southNoTrumps && !view.forcedBid;
        out.push_back(g.chooseTrumps(noTrumps ? 4 : d.trumps - 1));
        out.push_back(g.chooseLevel(d.level));
        out.push_back(g.chooseDirection(d.high ? 0 : 1));
    }
    out.push_back(g.finishBid());
}

// The jokers of a No Trumps contract are already picked; the robots' discard
// rule chooses the rest from the other cards.
void discard(Game& g, std::vector<Event>& out)
{
    TableState view = g.table();
    const int wanted = 6 - view.selected.count();
    for (Card c : view.kitty())
        view.move(c, OutOfPlay);
    for (Card c : robotDiscards(view, South, wanted).discards)
        out.push_back(g.pickDiscard(c));
    out.push_back(g.confirmDiscards());
}

}  // namespace

std::vector<Event> autoplaySouth(Game& g, const AutoplayOptions& options)
{
    std::vector<Event> out;
    switch (g.awaiting()) {
    case Awaiting::Bid: bid(g, options, out); break;
    case Awaiting::Discards: discard(g, out); break;
    case Awaiting::PlayCard:
        out.push_back(g.playCard(chooseCard(g.table(), South, g.trickPosition()).card));
        break;
    case Awaiting::CarryOn: out.push_back(g.carryOn()); break;
    case Awaiting::Answer: out.push_back(g.answer(0)); break;
    case Awaiting::Nothing:
    case Awaiting::NewGame: break;
    }
    return out;
}

}  // namespace corvane
