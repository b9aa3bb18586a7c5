#include "engine/seat_player.h"

namespace corvane {

namespace {

class ClassicPlayer : public SeatPlayer {
public:
    BidDecision bid(const Game& g, Seat s) override
    {
        TableState view = g.table();
        if (s == South)
            view.forcedBid = g.forcedHumanTurn();
        return robotBid(view, s);
    }
    DiscardDecision discards(const Game& g, Seat s) override
    {
        if (s != South)
            return robotDiscards(g.table(), s);
        const Hint h = hintFor(g);
        return {h.discards, h.why};
    }
    PlayDecision card(const Game& g, Seat s) override { return chooseCard(g.table(), s, g.trickPosition()); }
};

}  // namespace

std::unique_ptr<SeatPlayer> classicPlayer() { return std::make_unique<ClassicPlayer>(); }

}  // namespace corvane
