#include "rules/choices.h"

#include "rules/play/trick_rules.h"

namespace corvane {

PlayCheck checkPlay(const TableState& t, Seat s, Card c, int position)
{
    if (!t.hand(s).has(c))
        return PlayCheck::NotHeld;
    if (position == 1 || legalCards(t.hand(s), t.holdingOfSuit(s, t.ledSuit())).has(c))
        return PlayCheck::Legal;
    return PlayCheck::MustFollowSuit;
}

bool bidBeatsOthers(const TableState& t, Seat s, int level, Suit trumps)
{
    for (Seat o = nextSeat(s); o != s; o = nextSeat(o))
        if (trumps == NoTrumps ? level < t.bidLevel[o] : level <= t.bidLevel[o])
            return false;
    return true;
}

const char* bidFault(const TableState& t, Seat s, const BidDecision& d)
{
    if (!d.bid)
        return t.forcedBid ? "passed where the dealer must bid" : nullptr;
    if (d.level < 3 || d.level > 7)
        return "bid a level outside 3 to 7";
    if (d.trumps < Diamonds || d.trumps > NoTrumps)
        return "bid neither a suit nor No Trumps";
    if (!bidBeatsOthers(t, s, d.level, d.trumps))
        return "bid no higher than a bid already made";
    return nullptr;
}

const char* discardFault(CardSet hand, Suit trumps, CardSet discards)
{
    if (discards.count() != 6)
        return "threw away other than six cards";
    if (!(discards - hand).empty())
        return "threw away a card it does not hold";
    if (trumps == NoTrumps && !((hand & Jokers) - discards).empty())
        return "kept a joker in No Trumps";
    return nullptr;
}

}  // namespace corvane
