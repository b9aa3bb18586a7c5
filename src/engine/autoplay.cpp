#include "engine/autoplay.h"

#include "engine/seat_player.h"

#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/play.h"

namespace corvane {

namespace {

Hint bidHint(const Game& g, const AutoplayOptions& options)
{
    TableState view = g.table();
    view.forcedBid = g.forcedHumanTurn();
    BidDecision d = robotBid(view, South);
    if (d.bid && options.southNoTrumps && !view.forcedBid)
        d.trumps = NoTrumps;
    return panelHint(d);
}

// The jokers of a No Trumps contract are already picked; the robots' discard
// rule chooses the rest from the other cards.
Hint discardHint(const Game& g)
{
    TableState view = g.table();
    const CardSet picked = view.selected;
    for (Card c : view.kitty())
        view.move(c, OutOfPlay);
    const DiscardDecision d = robotDiscards(view, South, 6 - picked.count());
    Hint h;
    h.stage = Awaiting::Discards;
    h.discards = d.discards | picked;
    h.why = d.why;
    return h;
}

}  // namespace

Hint panelHint(const BidDecision& d)
{
    Hint h;
    h.stage = Awaiting::Bid;
    h.why = d.why;
    h.pass = !d.bid;
    if (d.bid) {
        h.trumpOption = d.trumps == NoTrumps ? 4 : d.trumps - 1;
        h.level = d.level;
        h.directionOption = d.high ? 0 : 1;
    }
    return h;
}

Hint hintFor(const Game& g, const AutoplayOptions& options)
{
    switch (g.awaiting()) {
    case Awaiting::Bid: return bidHint(g, options);
    case Awaiting::Discards: return discardHint(g);
    case Awaiting::PlayCard: {
        const PlayDecision d = chooseCard(g.table(), South, g.trickPosition());
        Hint h;
        h.stage = Awaiting::PlayCard;
        h.card = d.card;
        h.why = d.why;
        return h;
    }
    default: return {};
    }
}

std::vector<Event> autoplaySouth(Game& g, const AutoplayOptions& options)
{
    std::vector<Event> out;
    autoplaySouth(g, options, [&out](Event&& e) { out.push_back(std::move(e)); });
    return out;
}

}  // namespace corvane
