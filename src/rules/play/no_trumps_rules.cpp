#include <array>

#include "rules/play/no_trumps_play.h"

namespace corvane {

const char* noTrumpRuleName(NoTrumpRule r)
{
    static constexpr std::array<const char*, static_cast<int>(NoTrumpRule::Count)> names{
        "none",
        "lead: an Ace",
        "lead: the next card below a gathered Ace",
        "lead: the third card of a suit whose two above it are gone",
        "lead: the fourth card of a suit whose three above it are gone",
        "lead: the lowest card",
        "second: void, discards the lowest card",
        "second: an Ace was led, plays the weakest card of the suit",
        "second: beats the lead",
        "second: cannot beat the lead, plays the weakest card of the suit",
        "third: void, discards the lowest card",
        "third: partner is ahead, plays the weakest card of the suit",
        "third: the second player played the Ace, plays the weakest card of the suit",
        "third: beats the second player",
        "third: cannot beat the second player, plays the weakest card of the suit",
        "fourth: void, discards the lowest card",
        "fourth: partner is ahead, plays the weakest card of the suit",
        "fourth: the cheapest card that beats all three",
        "fourth: the cheapest card that beats the leader and the third player",
        "fourth: plays the weakest card of the suit",
    };
    const auto i = static_cast<std::size_t>(r);
    return i < names.size() ? names[i] : "none";
}

}  // namespace corvane

namespace corvane::detail {

NoTrumpChoice leadNoTrumps(const TableState& t, Seat s, const Ladder& ladder, Mode m)
{
    constexpr CardSet Aces =
        CardSet::of(aceOf(Diamonds)) | CardSet::of(aceOf(Clubs)) | CardSet::of(aceOf(Hearts)) | CardSet::of(aceOf(Spades));
    if (const Card ace = (t.hand(s) & Aces).lowest())
        return {ace, NoTrumpRule::LeadAce};
    if (const LadderLead l = leadByLadder(t, s, ladder); l.card != NoCard) {
        constexpr std::array<NoTrumpRule, 3> rung{NoTrumpRule::LeadLadder1, NoTrumpRule::LeadLadder2,
                                                  NoTrumpRule::LeadLadder3};
        return {l.card, rung[l.step]};
    }
    return {lowestCard(t, s, m), NoTrumpRule::LeadLowest};
}

Seat noTrumpWinner(const TableState& t, bool highWins)
{
    const Seat w = firstOfSuitOnTrick(t, t.ledSuit(), highWins ? Mode::Up : Mode::Down);
    return w == NoSeat ? t.trickWinner : w;
}

PlayDecision decision(NoTrumpChoice c, Reason::Source source)
{
    return {c.card, Reason{source, static_cast<int>(c.rule)}};
}

}  // namespace corvane::detail
