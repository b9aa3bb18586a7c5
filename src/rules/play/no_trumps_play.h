#pragma once

#include "rules/play/play.h"
#include "rules/play/trick_rules.h"

namespace corvane {

// The rules of HighNoTrumps and LowNoTrumps. The two strategies are separate
// (their second, third and fourth players reason differently); they share
// the lead ladder and the names of the rules below.
enum class NoTrumpRule {
    None,
    LeadAce,
    LeadLadder1,  // a King (low: a Two) whose Ace has gone
    LeadLadder2,  // a Queen (a Three) whose Ace and King (Two) have gone
    LeadLadder3,  // a Jack (a Four) whose Ace, King and Queen (Two, Three) have gone
    LeadLowest,
    SecondVoid,
    SecondUnderAce,
    SecondBeatsLead,
    SecondCannotBeatLead,
    ThirdVoid,
    ThirdPartnerAhead,
    ThirdSecondPlayedAce,
    ThirdBeatsSecond,
    ThirdCannotBeatSecond,
    FourthVoid,
    FourthPartnerAhead,
    FourthBeatsAll,
    FourthBeatsLeaderAndThird,
    FourthFollowsLow,
    Count
};
const char* noTrumpRuleName(NoTrumpRule r);

PlayDecision chooseHighNoTrumpCard(const TableState& t, Seat s, int position);
PlayDecision chooseLowNoTrumpCard(const TableState& t, Seat s, int position);
Seat decideHighNoTrumpWinner(const TableState& t);
Seat decideLowNoTrumpWinner(const TableState& t);

}  // namespace corvane

namespace corvane::detail {

struct NoTrumpChoice {
    Card card = NoCard;
    NoTrumpRule rule = NoTrumpRule::None;
};
// The lead both No Trumps strategies share: an Ace (Diamonds first), then the
// ladder, then the lowest card in the mode's order.
NoTrumpChoice leadNoTrumps(const TableState& t, Seat s, const Ladder& ladder, Mode m);
// The Ace of the led suit wins, else the first of the led suit's other cards
// in `order` (King down to Two when high wins, Two up to King when low wins).
Seat noTrumpWinner(const TableState& t, bool highWins);
PlayDecision decision(NoTrumpChoice c, Reason::Source source);

}  // namespace corvane::detail
