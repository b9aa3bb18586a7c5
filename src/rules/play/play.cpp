#include "rules/play/play.h"

#include "rules/choices.h"
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
    return decideTrickWinner(t, t.contractHigh ? Mode::Up : Mode::Down);
}

bool isLegalPlay(const TableState& t, Seat s, Card c, int position)
{
    return checkPlay(t, s, c, position) == PlayCheck::Legal;
}

}  // namespace corvane
