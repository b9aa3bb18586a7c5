#pragma once

#include <array>
#include <string_view>

#include "table/rule.h"

namespace corvane {

// The Expert level's rules (source Expert). Its card: the figures are, in
// tenths, the tricks it takes on average and the points a hand it scores on
// average more than with the next best card. Its bids and passes: in tenths,
// the points a hand the contract scores on average and the books its side
// takes. Its discards: in tenths, the points a hand they score on average
// and how many more than the robots' usual six.
inline constexpr auto ExpertRules = std::to_array<Rule>({
    {"best-over-deals", "the best card over deals that fit the play",
     "because over many deals that fit what it has seen it does best for its side",
     "it takes {points/10} tricks on average and scores {needed/10} points a hand more than with the next best "
     "card"},
    {"best-contract", "the contract that scores best over deals that fit its hand",
     "because over many deals that fit its hand no other contract it may bid scores more for its side, less "
     "what the deals disagree on",
     "its side takes {needed/10} books and scores {points/10} points a hand on average"},
    {"pass-over-deals", "no contract scores over deals that fit its hand",
     "because over many deals that fit its hand no contract it may bid surely scores for its side",
     "its best contract would score {points/10} points a hand on average, with {needed/10} books"},
    {"leave-partners-bid", "its partner's bid stands",
     "because its partner's bid stands, and over many deals that fit its hand no contract it may bid surely "
     "scores more than that bid made",
     "its best contract would score {points/10} points a hand on average, with {needed/10} books"},
    {"forced-contract", "forced bid, the contract that does best over deals",
     "because as dealer it must bid, and over many deals that fit its hand this contract does best for its side",
     "its side takes {needed/10} books and scores {points/10} points a hand on average"},
    {"best-discards", "the discards that score best over deals that fit its hand",
     "because over many deals that fit its hand these six do best for its side",
     "they score {points/10} points a hand on average, {needed/10} more than the robots' usual six"},
});
consteval const Rule* expertRule(std::string_view id) { return ruleIn(ExpertRules, id); }

}  // namespace corvane
