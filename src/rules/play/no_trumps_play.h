#pragma once

#include <array>
#include <string_view>

#include "rules/play/play.h"
#include "rules/play/trick_rules.h"

namespace corvane {

// The rules of the two No Trumps strategies, HighNoTrumps and LowNoTrumps.
// Only the led suit wins, the Ace best; the jokers are worth nothing. The two
// share one rule structure; what differs between them is gathered in
// NoTrumpStyle below.
inline constexpr auto NoTrumpRules = std::to_array<Rule>({
    {"lead-ace", "lead: an Ace",
     "because an Ace is the best card of its suit"},
    {"lead-ladder1", "lead: the next card below a gathered Ace",
     "because the Ace of that suit is gone, so it is the best card left"},
    {"lead-ladder2", "lead: the third card of a suit whose two above it are gone",
     "because the two cards above it in that suit are gone"},
    {"lead-ladder3", "lead: the fourth card of a suit whose three above it are gone",
     "because the three cards above it in that suit are gone"},
    {"lead-lowest", "lead: the lowest card",
     "because it has no card that is sure to win, so it leads its lowest"},
    {"second-void", "second: void, discards the lowest card",
     "because it has none of the suit led, so it throws its lowest card"},
    {"second-under-ace", "second: an Ace was led, plays the weakest card of the suit",
     "because an Ace was led, so it plays its weakest card of the suit"},
    {"second-beats-lead", "second: beats the lead",
     "because it is the card that beats the lead"},
    {"second-cannot-beat-lead", "second: cannot beat the lead, plays the weakest card of the suit",
     "because it cannot beat the lead, so it plays its weakest card of the suit"},
    {"third-void", "third: void, discards the lowest card",
     "because it has none of the suit led, so it throws its lowest card"},
    {"third-partner-ahead", "third: partner is ahead, plays the weakest card of the suit",
     "because its partner is already winning the trick"},
    {"third-second-played-ace", "third: the second player played the Ace, plays the weakest card of the suit",
     "because the second player played the Ace, so it plays its weakest card of the suit"},
    {"third-beats-second", "third: beats the second player",
     "because it is the card that beats the second player"},
    {"third-cannot-beat-second", "third: cannot beat the second player, plays the weakest card of the suit",
     "because it cannot beat the second player, so it plays its weakest card of the suit"},
    {"fourth-void", "fourth: void, discards the lowest card",
     "because it has none of the suit led, so it throws its lowest card"},
    {"fourth-partner-ahead", "fourth: partner is ahead, plays the weakest card of the suit",
     "because its partner is already winning the trick"},
    {"fourth-beats-all", "fourth: the cheapest card that beats all three",
     "because it is the cheapest card that beats all three on the trick"},
    {"fourth-beats-leader-and-third", "fourth: the cheapest card that beats the leader and the third player",
     "because it is the cheapest card that beats the leader and the third player"},
    {"fourth-follows-low", "fourth: plays the weakest card of the suit",
     "because it does not try to win this trick, so it plays its weakest card of the suit"},
});
consteval const Rule* noTrumpRule(std::string_view id) { return ruleIn(NoTrumpRules, id); }

struct NoTrumpStyle {
    Mode mode;              // the order of the led suit below its Ace
    Ladder ladder;          // the lead takes an Ace, then these ranks
    bool secondScansDown;   // the second player's winner is found from the Ace down
    bool fourthTriesToWin;  // else the fourth player always plays its weakest card
    Reason::Source source;
};
inline constexpr NoTrumpStyle HighNoTrumps{Mode::Up, HighLadder, false, true, Reason::Source::HighNoTrumps};
inline constexpr NoTrumpStyle LowNoTrumps{Mode::Down, LowLadder, true, false, Reason::Source::LowNoTrumps};

PlayDecision chooseNoTrumpCard(const TableState& t, Seat s, int position, const NoTrumpStyle& style);

}  // namespace corvane
