#include "record/reason_text.h"

#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"

namespace corvane::record {

std::string reasonText(const Reason& why)
{
    using S = Reason::Source;
    const char* module = "";
    std::string name;
    switch (why.source) {
    case S::None: return {};
    case S::Bid: module = "Bid"; name = bidRuleName(why.rule); break;
    case S::Discard: module = "Discard"; name = discardRuleName(why.rule); break;
    case S::JokerSwap: module = "JokerSwap"; name = "the lowest suit card of the kitty"; break;
    case S::PlayItHigh: module = "PlayItHigh"; name = trumpRuleName(static_cast<TrumpRule>(why.rule)); break;
    case S::PlayItLow: module = "PlayItLow"; name = trumpRuleName(static_cast<TrumpRule>(why.rule)); break;
    case S::HighNoTrumps: module = "HighNoTrumps"; name = noTrumpRuleName(static_cast<NoTrumpRule>(why.rule)); break;
    case S::LowNoTrumps: module = "LowNoTrumps"; name = noTrumpRuleName(static_cast<NoTrumpRule>(why.rule)); break;
    }
    return std::string(module) + " " + std::to_string(why.rule) + ": " + name;
}

}  // namespace corvane::record
