#include "engine/explain.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"

namespace corvane {

namespace {

using S = Reason::Source;

std::string bidClause(const Reason& why)
{
    const std::string points = std::to_string(why.points);
    const std::string needed = std::to_string(why.needed);
    switch (static_cast<BidRule>(why.rule)) {
    case BidRule::PartnerBidFour: return "because its partner has already bid " + needed;
    case BidRule::DiamondsDown:
    case BidRule::DiamondsUp:
    case BidRule::ClubsDown:
    case BidRule::ClubsUp:
    case BidRule::HeartsDown:
    case BidRule::HeartsUp:
    case BidRule::SpadesDown:
    case BidRule::SpadesUp:
        return "because that suit stands out above every other with " + points + " points, and " + needed +
               " reach that level";
    case BidRule::NoCandidate: return "because no suit stands out above all the others";
    case BidRule::TooWeak:
        return "because its best suit reaches only " + points + " points and " + needed + " are needed to bid 3";
    case BidRule::Outbid:
        return "because its best suit, at " + points + " points, does not beat the bid of " + needed +
               " already made";
    case BidRule::ForcedUp: return "because as dealer it must bid: its longest suit, uptown, as it holds more high cards";
    case BidRule::ForcedDown:
        return "because as dealer it must bid: its longest suit, downtown, as it holds more low cards";
    }
    return {};
}

std::string discardClause(const Reason& why)
{
    switch (static_cast<DiscardRule>(why.rule)) {
    case DiscardRule::UpSmallCards: return "because its small cards outside trumps, Two to Nine, were enough";
    case DiscardRule::UpAnyCards: return "because its small cards outside trumps ran out, so it added its lowest cards";
    case DiscardRule::DownSmallCards: return "because its cards outside trumps from Seven to King were enough";
    case DiscardRule::DownHighIds:
        return "because those ran out, so it added cards from the King of Spades down";
    case DiscardRule::DownAnyCards: return "because even those ran out, so it added its lowest cards";
    }
    return {};
}

constexpr std::array<const char*, static_cast<int>(TrumpRule::Count)> TrumpClauses{
    "",
    "because the Big Joker wins every trick",
    "because the Big Joker is gone and the Little Joker now wins every trick",
    "because both jokers and every trump above it are gone, so it is the top trump",
    "because an Ace of a plain suit is the best card of that suit",
    "because the Ace of that suit is gone, so it is the top card left",
    "because the two cards above it in that suit are gone",
    "because the three cards above it in that suit are gone",
    "because it has no card that is sure to win, so it leads its lowest",
    "because it is the cheapest card that beats the lead",
    "because it could not find a card to beat the lead, so it follows low",
    "because it cannot beat the lead, so it follows with its lowest",
    "because it has none of the suit led and trumps with its lowest trump",
    "because it has none of the suit led and no trump, so it throws its lowest card",
    "because it has no trump to follow with, so it throws its lowest card",
    "because its partner led a joker that wins, so it follows low",
    "because its partner is already winning the trick",
    "because the second player trumped, so it follows low",
    "because the second player played the Ace, so it follows low",
    "because the Big Joker beats the second player's trump",
    "because the Big Joker is gone and the Little Joker beats the second player's trump",
    "because it is the cheapest card that beats the second player",
    "because it cannot beat the second player, so it follows with its lowest",
    "because it cannot follow and its partner is already winning the trick",
    "because it has no trump to follow with, so it throws its lowest card",
    "because it cannot follow and the Big Joker beats the second player's trump",
    "because it cannot follow and the Little Joker beats the second player's trump",
    "because it cannot follow and this is its cheapest trump over the second player's",
    "because it cannot follow and cannot over-trump, so it throws its lowest card",
    "because it cannot follow and trumps with its lowest trump",
    "because it cannot follow and has no trump, so it throws its lowest card",
    "because its partner is already winning the trick",
    "because the Big Joker is on the trick, so it follows low",
    "because the third player trumped, so it follows low",
    "because the Big Joker wins the trick",
    "because the Big Joker is gone and the Little Joker wins the trick",
    "because it is the cheapest card that beats the leader",
    "because it is the cheapest card that beats the third player",
    "because it cannot win the trick, so it follows with its lowest",
    "because it cannot follow and its partner is already winning the trick",
    "because it cannot follow and trumps with its lowest trump",
    "because it cannot follow and has no trump, so it throws its lowest card",
    "because it cannot follow and this is its cheapest trump over the third player's",
    "because it cannot follow and cannot over-trump, so it throws its lowest card",
    "because it cannot follow and will not trump, so it throws its lowest card",
};

constexpr std::array<const char*, static_cast<int>(NoTrumpRule::Count)> NoTrumpClauses{
    "",
    "because an Ace is the best card of its suit",
    "because the Ace of that suit is gone, so it is the best card left",
    "because the two cards above it in that suit are gone",
    "because the three cards above it in that suit are gone",
    "because it has no card that is sure to win, so it leads its lowest",
    "because it has none of the suit led, so it throws its lowest card",
    "because an Ace was led, so it plays its weakest card of the suit",
    "because it is the card that beats the lead",
    "because it cannot beat the lead, so it plays its weakest card of the suit",
    "because it has none of the suit led, so it throws its lowest card",
    "because its partner is already winning the trick",
    "because the second player played the Ace, so it plays its weakest card of the suit",
    "because it is the card that beats the second player",
    "because it cannot beat the second player, so it plays its weakest card of the suit",
    "because it has none of the suit led, so it throws its lowest card",
    "because its partner is already winning the trick",
    "because it is the cheapest card that beats all three on the trick",
    "because it is the cheapest card that beats the leader and the third player",
    "because it does not try to win this trick, so it plays its weakest card of the suit",
};

template <std::size_t N>
std::string fromTable(const std::array<const char*, N>& table, int rule)
{
    return rule > 0 && static_cast<std::size_t>(rule) < N ? table[static_cast<std::size_t>(rule)] : "";
}

std::string cardList(CardSet cards)
{
    std::string out;
    for (Card c : cards) {
        if (!out.empty())
            out += ", ";
        out += cardName(c);
    }
    return out;
}

std::string direction(bool high) { return high ? "HIGH" : "LOW"; }

std::string sentence(std::string subject, const std::string& clause)
{
    return clause.empty() ? std::string() : subject + " " + clause + ".";
}

struct Explainer {
    const Names& names;
    std::string operator()(const ev::BidMade& b) const
    {
        const std::string in = b.trumps == NoTrumps ? "No Trumps" : std::string(suitName(b.trumps));
        return sentence(names[b.seat] + " bids " + std::to_string(b.level) + " " + direction(b.high) + " in " + in,
                        reasonClause(b.why));
    }
    std::string operator()(const ev::BidPassed& p) const
    {
        return sentence(names[p.seat] + " passes", reasonClause(p.why));
    }
    std::string operator()(const ev::KittyDiscarded& k) const
    {
        return sentence(names[k.seat] + " discards " + cardList(k.discards), reasonClause(k.why));
    }
    std::string operator()(const ev::JokerSwapped& j) const
    {
        return names[j.seat] + " swaps the " + std::string(cardName(j.joker)) + " for " + std::string(cardName(j.card)) +
               " from the kitty because the jokers are out of play in No Trumps and that is the lowest suit card "
               "there.";
    }
    std::string operator()(const ev::CardPlayed& c) const
    {
        return sentence(names[c.seat] + " plays " + std::string(cardName(c.card)), reasonClause(c.why));
    }
    template <class Other>
    std::string operator()(const Other&) const
    {
        return {};
    }
};

}  // namespace

std::string reasonClause(const Reason& why)
{
    switch (why.source) {
    case S::None: return {};
    case S::Bid: return bidClause(why);
    case S::Discard: return discardClause(why);
    case S::JokerSwap: return {};
    case S::PlayItHigh:
    case S::PlayItLow: return fromTable(TrumpClauses, why.rule);
    case S::HighNoTrumps:
    case S::LowNoTrumps: return fromTable(NoTrumpClauses, why.rule);
    }
    return {};
}

std::string explain(const Event& e, const Names& names) { return std::visit(Explainer{names}, e.data); }

}  // namespace corvane

namespace corvane {

std::vector<Reason> everyReason()
{
    std::vector<Reason> all;
    auto range = [&all](Reason::Source s, int last, std::initializer_list<int> skip = {}) {
        for (int r = 1; r <= last; ++r)
            if (std::find(skip.begin(), skip.end(), r) == skip.end())
                all.push_back(Reason{s, r});
    };
    range(S::Bid, static_cast<int>(BidRule::ForcedDown));
    range(S::Discard, static_cast<int>(DiscardRule::DownAnyCards));
    const int lastTrump = static_cast<int>(TrumpRule::Count) - 1;
    range(S::PlayItHigh, lastTrump);
    range(S::PlayItLow, lastTrump);
    const int lastNoTrump = static_cast<int>(NoTrumpRule::Count) - 1;
    range(S::HighNoTrumps, lastNoTrump);
    // The fourth player of a low No Trumps trick never tries to win it.
    range(S::LowNoTrumps, lastNoTrump,
          {static_cast<int>(NoTrumpRule::FourthPartnerAhead), static_cast<int>(NoTrumpRule::FourthBeatsAll),
           static_cast<int>(NoTrumpRule::FourthBeatsLeaderAndThird)});
    return all;
}

}  // namespace corvane
