#pragma once

#include <array>
#include <string_view>

#include "rules/play/play.h"
#include "rules/play/trick_rules.h"

namespace corvane {

// The rules of the two trump strategies, PlayItHigh (uptown) and PlayItLow
// (downtown). They share one rule structure; what differs between them is
// gathered in TrumpStyle below.
inline constexpr auto TrumpRules = std::to_array<Rule>({
    {"lead-big-joker", "lead: the Big Joker",
     "because the Big Joker wins every trick"},
    {"lead-little-joker", "lead: the Little Joker, the Big Joker gone",
     "because the Big Joker is gone and the Little Joker now wins every trick"},
    {"lead-top-trump", "lead: the top trump, everything above it gone",
     "because both jokers and every trump above it are gone, so it is the top trump"},
    {"lead-plain-ace", "lead: a plain Ace",
     "because an Ace of a plain suit is the best card of that suit"},
    {"lead-ladder1", "lead: the next card below a gathered Ace",
     "because the Ace of that suit is gone, so it is the top card left"},
    {"lead-ladder2", "lead: the third card of a suit whose two above it are gone",
     "because the two cards above it in that suit are gone"},
    {"lead-ladder3", "lead: the fourth card of a suit whose three above it are gone",
     "because the three cards above it in that suit are gone"},
    {"lead-lowest", "lead: the lowest card",
     "because it has no card that is sure to win, so it leads its lowest"},
    {"second-beats-lead", "second: the cheapest card that beats the lead",
     "because it is the cheapest card that beats the lead"},
    {"second-nothing-beats-lead", "second: could beat the lead but found no card, follows low",
     "because it could not find a card to beat the lead, so it follows low"},
    {"second-cannot-beat-lead", "second: cannot beat the lead, follows low",
     "because it cannot beat the lead, so it follows with its lowest"},
    {"second-trumps", "second: void, trumps",
     "because it has none of the suit led and trumps with its lowest trump"},
    {"second-void-no-trump", "second: void and no trump, discards the lowest card",
     "because it has none of the suit led and no trump, so it throws its lowest card"},
    {"second-void-trumps-led", "second: void in trumps led, discards the lowest card",
     "because it has no trump to follow with, so it throws its lowest card"},
    {"third-partner-led-joker", "third: partner led a winning joker, follows low",
     "because its partner led a joker that wins, so it follows low"},
    {"third-partner-ahead", "third: partner is ahead, follows low",
     "because its partner is already winning the trick"},
    {"third-second-trumped", "third: the second player trumped, follows low",
     "because the second player trumped, so it follows low"},
    {"third-second-played-ace", "third: the second player played the Ace, follows low",
     "because the second player played the Ace, so it follows low"},
    {"third-big-joker-over-trump", "third: the Big Joker over the second player's trump",
     "because the Big Joker beats the second player's trump"},
    {"third-little-joker-over-trump", "third: the Little Joker over the second player's trump",
     "because the Big Joker is gone and the Little Joker beats the second player's trump"},
    {"third-beats-second", "third: the cheapest card that beats the second player",
     "because it is the cheapest card that beats the second player"},
    {"third-follows-low", "third: cannot beat the second player, follows low",
     "because it cannot beat the second player, so it follows with its lowest"},
    {"third-void-partner-ahead", "third: void, partner is ahead, discards the lowest card",
     "because it cannot follow and its partner is already winning the trick"},
    {"third-void-trumps-led", "third: void in trumps led, discards the lowest card",
     "because it has no trump to follow with, so it throws its lowest card"},
    {"third-void-big-joker", "third: void, the Big Joker over the second player's trump",
     "because it cannot follow and the Big Joker beats the second player's trump"},
    {"third-void-little-joker", "third: void, the Little Joker over the second player's trump",
     "because it cannot follow and the Little Joker beats the second player's trump"},
    {"third-void-overtrumps", "third: void, the cheapest over-trump",
     "because it cannot follow and this is its cheapest trump over the second player's"},
    {"third-void-cannot-overtrump", "third: void, cannot over-trump, discards the lowest card",
     "because it cannot follow and cannot over-trump, so it throws its lowest card"},
    {"third-void-trumps", "third: void, trumps with the lowest trump",
     "because it cannot follow and trumps with its lowest trump"},
    {"third-void-no-trump", "third: void and no trump, discards the lowest card",
     "because it cannot follow and has no trump, so it throws its lowest card"},
    {"fourth-partner-ahead", "fourth: partner is ahead, follows low",
     "because its partner is already winning the trick"},
    {"fourth-big-joker-out", "fourth: the Big Joker is on the trick, follows low",
     "because the Big Joker is on the trick, so it follows low"},
    {"fourth-third-trumped", "fourth: the third player trumped, follows low",
     "because the third player trumped, so it follows low"},
    {"fourth-big-joker", "fourth: the Big Joker",
     "because the Big Joker wins the trick"},
    {"fourth-little-joker", "fourth: the Little Joker, the Big Joker gone",
     "because the Big Joker is gone and the Little Joker wins the trick"},
    {"fourth-beats-leader", "fourth: the cheapest card that beats the leader",
     "because it is the cheapest card that beats the leader"},
    {"fourth-beats-third", "fourth: the cheapest card that beats the third player",
     "because it is the cheapest card that beats the third player"},
    {"fourth-follows-low", "fourth: follows low",
     "because it cannot win the trick, so it follows with its lowest"},
    {"fourth-void-partner-ahead", "fourth: void, partner is ahead, discards the lowest card",
     "because it cannot follow and its partner is already winning the trick"},
    {"fourth-void-trumps", "fourth: void, trumps with the lowest trump",
     "because it cannot follow and trumps with its lowest trump"},
    {"fourth-void-no-trump", "fourth: void and no trump, discards the lowest card",
     "because it cannot follow and has no trump, so it throws its lowest card"},
    {"fourth-void-overtrumps", "fourth: void, the cheapest over-trump",
     "because it cannot follow and this is its cheapest trump over the third player's"},
    {"fourth-void-cannot-overtrump", "fourth: void, cannot over-trump, discards the lowest card",
     "because it cannot follow and cannot over-trump, so it throws its lowest card"},
    {"fourth-void-discards", "fourth: void, discards the lowest card",
     "because it cannot follow and will not trump, so it throws its lowest card"},
});
consteval const Rule* trumpRule(std::string_view id) { return ruleIn(TrumpRules, id); }

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
