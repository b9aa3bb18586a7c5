#include "engine/autoplay.h"

#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/play.h"

namespace corvane {

namespace {

Hint bidHint(const Game& g, const AutoplayOptions& options)
{
    TableState view = g.table();
    view.forcedBid = g.forcedHumanTurn();
    const BidDecision d = robotBid(view, South);
    Hint h;
    h.stage = Awaiting::Bid;
    h.why = d.why;
    if (!d.bid) {
        h.pass = true;
        return h;
    }
    const bool noTrumps = options.southNoTrumps && !view.forcedBid;
    h.trumpOption = noTrumps ? 4 : d.trumps - 1;
    h.level = d.level;
    h.directionOption = d.high ? 0 : 1;
    return h;
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
