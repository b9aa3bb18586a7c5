#include "rules/play/play.h"

#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"

namespace corvane {

Contract contractOf(const TableState& t)
{
    if (t.trumps == NoTrumps)
        return t.contractHigh ? Contract::HighNoTrumps : Contract::LowNoTrumps;
    return t.contractHigh ? Contract::HighTrumps : Contract::LowTrumps;
}

PlayDecision chooseCard(const TableState& t, Seat s, int position)
{
    if (t.hand(s).empty())
        return {};
    switch (contractOf(t)) {
    case Contract::HighTrumps: return chooseTrumpCard(t, s, position, PlayItHigh);
    case Contract::LowTrumps: return chooseTrumpCard(t, s, position, PlayItLow);
    case Contract::HighNoTrumps: return chooseNoTrumpCard(t, s, position, HighNoTrumps);
    case Contract::LowNoTrumps: return chooseNoTrumpCard(t, s, position, LowNoTrumps);
    }
    return {};
}

Seat decideWinner(const TableState& t)
{
    switch (contractOf(t)) {
    case Contract::HighTrumps: return decideTrumpWinner(t, Mode::Up);
    case Contract::LowTrumps: return decideTrumpWinner(t, Mode::Down);
    case Contract::HighNoTrumps: return decideNoTrumpWinner(t, Mode::Up);
    case Contract::LowNoTrumps: return decideNoTrumpWinner(t, Mode::Down);
    }
    return t.trickWinner;
}

bool isLegalPlay(const TableState& t, Seat s, Card c, int position)
{
    if (!t.hand(s).has(c))
        return false;
    if (position == 1 || !holdsLedSuit(t, s))
        return true;
    return t.suitOf(c) == t.ledSuit();
}

}  // namespace corvane
