#pragma once

#include "rules/play/play.h"

namespace corvane {

// What one of a strategy's rules chose: a card, and the rule.
struct RuleChoice {
    Card card = NoCard;
    const Rule* rule = nullptr;
};

// A strategy's seat answers by its place on the trick; its routines try
// their rules in order and the first that yields a card decides.
template <class SeatRules>
PlayDecision playByPosition(const SeatRules& seat, int position, Reason::Source source)
{
    RuleChoice c;
    switch (position) {
    case 1: c = seat.lead(); break;
    case 2: c = seat.second(); break;
    case 3: c = seat.third(); break;
    case 4: c = seat.fourth(); break;
    default: break;
    }
    return {c.card, Reason{source, c.rule}};
}

}  // namespace corvane
