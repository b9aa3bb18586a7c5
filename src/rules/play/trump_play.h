#pragma once

#include "rules/play/play.h"
#include "rules/play/trick_rules.h"

namespace corvane {

// The rules of the two trump strategies, PlayItHigh (uptown) and PlayItLow
// (downtown). They share one rule structure; what differs between them is
// gathered in TrumpStyle below.
enum class TrumpRule {
    None,
    LeadBigJoker,
    LeadLittleJoker,
    LeadTopTrump,
    LeadPlainAce,
    LeadLadder1,  // a King (downtown a Two) whose Ace has gone
    LeadLadder2,  // a Queen (a Three) whose Ace and King (Two) have gone
    LeadLadder3,  // a Jack (a Four) whose Ace, King and Queen (Two, Three) have gone
    LeadLowest,
    SecondBeatsLead,
    SecondNothingBeatsLead,
    SecondCannotBeatLead,
    SecondTrumps,
    SecondVoidNoTrump,
    SecondVoidTrumpsLed,
    ThirdPartnerLedJoker,
    ThirdPartnerAhead,
    ThirdSecondTrumped,
    ThirdSecondPlayedAce,
    ThirdBigJokerOverTrump,
    ThirdLittleJokerOverTrump,
    ThirdBeatsSecond,
    ThirdFollowsLow,
    ThirdVoidPartnerAhead,
    ThirdVoidTrumpsLed,
    ThirdVoidBigJoker,
    ThirdVoidLittleJoker,
    ThirdVoidOvertrumps,
    ThirdVoidCannotOvertrump,
    ThirdVoidTrumps,
    ThirdVoidNoTrump,
    FourthPartnerAhead,
    FourthBigJokerOut,
    FourthThirdTrumped,
    FourthBigJoker,
    FourthLittleJoker,
    FourthBeatsLeader,
    FourthBeatsThird,
    FourthFollowsLow,
    FourthVoidPartnerAhead,
    FourthVoidTrumps,
    FourthVoidNoTrump,
    FourthVoidOvertrumps,
    FourthVoidCannotOvertrump,
    FourthVoidDiscards,
    Count
};
const char* trumpRuleName(TrumpRule r);

struct TrumpStyle {
    Mode mode;
    Ladder ladder;          // the top-trump rule takes the Ace, then these ranks
    bool secondScansDown;   // the second player's scans run from id 54 down
    Reason::Source source;
};
inline constexpr TrumpStyle PlayItHigh{Mode::Up, HighLadder, false, Reason::Source::PlayItHigh};
inline constexpr TrumpStyle PlayItLow{Mode::Down, LowLadder, true, Reason::Source::PlayItLow};

PlayDecision chooseTrumpCard(const TableState& t, Seat s, int position, const TrumpStyle& style);

}  // namespace corvane
