// The robots' cards in a trump contract. Each seat routine tries its rules in
// order and the first that yields a card decides; where several cards
// qualify, the direction of the scan over ids is part of the rule.
#include "rules/play/trump_play.h"

#include <array>

namespace corvane {

namespace {

using R = TrumpRule;

struct Choice {
    Card card = NoCard;
    R rule = R::None;
};

class TrumpSeat {
public:
    TrumpSeat(const TableState& t, Seat s, const TrumpStyle& style)
        : m_t(t), m_s(s), m_style(style), m_trumps(t.trumps), m_led(t.ledSuit())
    {
    }

    Choice lead() const;
    Choice second() const;
    Choice third() const;
    Choice fourth() const;

private:
    int value(Card c) const { return valueIn(m_style.mode, c); }
    bool holds(Card c) const { return m_t.hand(m_s).has(c); }
    bool played(Card c) const { return m_t.cardPlayed.has(c); }
    Card trick(int p) const { return m_t.trick.card[p]; }
    Suit suit(int p) const { return m_t.trick.suit[p]; }

    Card lowestOfLed() const { return lowestOfSuit(m_t, m_led, m_s, m_style.mode); }
    Card lowest() const { return lowestCard(m_t, m_s, m_style.mode); }
    // "Scan up": the first qualifying card in ascending id order.
    static Card up(CardSet c) { return c.lowest(); }
    Card secondScan(CardSet c) const { return m_style.secondScansDown ? c.highest() : c.lowest(); }
    CardSet ledAbove(int than) const
    {
        return ledCardsAbove(m_t, m_s, [this](Card c) { return value(c); }, than);
    }
    CardSet trumpsHeld() const { return m_t.holdingOfSuit(m_s, m_trumps); }
    CardSet trumpsAbove(int than) const
    {
        CardSet out;
        for (Card c : trumpsHeld())
            if (value(c) > than)
                out.add(c);
        return out;
    }
    // The Big Joker if held, else the Little one once the Big one has gone.
    Choice joker(R big, R little) const
    {
        if (holds(BigJoker))
            return {BigJoker, big};
        if (holds(LittleJoker) && played(BigJoker))
            return {LittleJoker, little};
        return {};
    }

    const TableState& m_t;
    Seat m_s;
    const TrumpStyle& m_style;
    Suit m_trumps;
    Suit m_led;
};

Choice TrumpSeat::lead() const
{
    if (holds(BigJoker))
        return {BigJoker, R::LeadBigJoker};
    if (holds(LittleJoker) && played(BigJoker))
        return {LittleJoker, R::LeadLittleJoker};

    // Only the first of the top trumps held is tried.
    const std::array<Card, 4> top{aceOf(m_trumps), cardOf(m_trumps, m_style.ladder[0]),
                                  cardOf(m_trumps, m_style.ladder[1]), cardOf(m_trumps, m_style.ladder[2])};
    bool cleared = played(LittleJoker) && played(BigJoker);
    for (Card c : top) {
        if (holds(c)) {
            if (cleared)
                return {c, R::LeadTopTrump};
            break;
        }
        cleared = cleared && played(c);
    }

    for (Suit s = Diamonds; s <= Spades; ++s)
        if (s != m_trumps && holds(aceOf(s)))
            return {aceOf(s), R::LeadPlainAce};

    if (const LadderLead l = leadByLadder(m_t, m_s, m_style.ladder); l.card != NoCard) {
        constexpr std::array<R, 3> rung{R::LeadLadder1, R::LeadLadder2, R::LeadLadder3};
        return {l.card, rung[l.step]};
    }
    return {lowest(), R::LeadLowest};
}

Choice TrumpSeat::second() const
{
    if (holdsLedSuit(m_t, m_s)) {
        if (!canBeatLead(m_t, m_s, m_style.mode))
            return {lowestOfLed(), R::SecondCannotBeatLead};
        if (const Card c = secondScan(ledAbove(value(trick(1)))))
            return {c, R::SecondBeatsLead};
        return {lowestOfLed(), R::SecondNothingBeatsLead};
    }
    if (m_led == m_trumps)
        return {lowest(), R::SecondVoidTrumpsLed};
    if (const Card c = secondScan(trumpsHeld()))
        return {c, R::SecondTrumps};
    return {lowest(), R::SecondVoidNoTrump};
}

Choice TrumpSeat::third() const
{
    const bool partnerAhead = leadBeatsSecond(m_t, m_style.mode);
    if (holdsLedSuit(m_t, m_s)) {
        if (trick(1) == BigJoker || (trick(1) == LittleJoker && played(BigJoker)))
            return {lowestOfLed(), R::ThirdPartnerLedJoker};
        if (partnerAhead)
            return {lowestOfLed(), R::ThirdPartnerAhead};
        if (suit(2) == m_trumps && m_led != m_trumps)
            return {lowestOfLed(), R::ThirdSecondTrumped};
        if (m_led != m_trumps && trick(2) == aceOf(m_led))
            return {lowestOfLed(), R::ThirdSecondPlayedAce};
        if (m_led == m_trumps && suit(2) == m_trumps)
            if (const Choice j = joker(R::ThirdBigJokerOverTrump, R::ThirdLittleJokerOverTrump); j.card)
                return j;
        if (const Card c = up(ledAbove(value(trick(2)))))
            return {c, R::ThirdBeatsSecond};
        return {lowestOfLed(), R::ThirdFollowsLow};
    }
    if (partnerAhead)
        return {lowest(), R::ThirdVoidPartnerAhead};
    if (m_led == m_trumps)
        return {lowest(), R::ThirdVoidTrumpsLed};
    if (suit(2) == m_trumps) {
        if (const Choice j = joker(R::ThirdVoidBigJoker, R::ThirdVoidLittleJoker); j.card)
            return j;
        if (const Card c = up(trumpsAbove(value(trick(2)))))
            return {c, R::ThirdVoidOvertrumps};
        return {lowest(), R::ThirdVoidCannotOvertrump};
    }
    if (const Card c = up(trumpsHeld()))
        return {c, R::ThirdVoidTrumps};
    return {lowest(), R::ThirdVoidNoTrump};
}

Choice TrumpSeat::fourth() const
{
    const bool partnerAhead = secondBeatsOthers(m_t, m_style.mode);
    if (holdsLedSuit(m_t, m_s)) {
        if (partnerAhead)
            return {lowestOfLed(), R::FourthPartnerAhead};
        if (trick(1) == BigJoker || trick(3) == BigJoker)
            return {lowestOfLed(), R::FourthBigJokerOut};
        if (m_led != m_trumps && suit(3) == m_trumps)
            return {lowestOfLed(), R::FourthThirdTrumped};
        if (m_led == m_trumps)
            if (const Choice j = joker(R::FourthBigJoker, R::FourthLittleJoker); j.card)
                return j;
        if (suit(3) == m_led && value(trick(1)) > value(trick(3))) {
            if (const Card c = up(ledAbove(value(trick(1)))))
                return {c, R::FourthBeatsLeader};
        } else if (suit(3) == m_led && value(trick(1)) < value(trick(3))) {
            if (const Card c = up(ledAbove(value(trick(3)))))
                return {c, R::FourthBeatsThird};
        }
        return {lowestOfLed(), R::FourthFollowsLow};
    }
    if (partnerAhead)
        return {lowest(), R::FourthVoidPartnerAhead};
    if (suit(3) == m_led && m_led != m_trumps) {
        if (const Card c = up(trumpsHeld()))
            return {c, R::FourthVoidTrumps};
        return {lowest(), R::FourthVoidNoTrump};
    }
    if (m_led != m_trumps && suit(3) == m_trumps) {
        if (const Card c = up(trumpsAbove(value(trick(3)))))
            return {c, R::FourthVoidOvertrumps};
        return {lowest(), R::FourthVoidCannotOvertrump};
    }
    return {lowest(), R::FourthVoidDiscards};
}

}  // namespace

const char* trumpRuleName(TrumpRule r)
{
    static constexpr std::array<const char*, static_cast<int>(R::Count)> names{
        "none",
        "lead: the Big Joker",
        "lead: the Little Joker, the Big Joker gone",
        "lead: the top trump, everything above it gone",
        "lead: a plain Ace",
        "lead: the next card below a gathered Ace",
        "lead: the third card of a suit whose two above it are gone",
        "lead: the fourth card of a suit whose three above it are gone",
        "lead: the lowest card",
        "second: the cheapest card that beats the lead",
        "second: could beat the lead but found no card, follows low",
        "second: cannot beat the lead, follows low",
        "second: void, trumps",
        "second: void and no trump, discards the lowest card",
        "second: void in trumps led, discards the lowest card",
        "third: partner led a winning joker, follows low",
        "third: partner is ahead, follows low",
        "third: the second player trumped, follows low",
        "third: the second player played the Ace, follows low",
        "third: the Big Joker over the second player's trump",
        "third: the Little Joker over the second player's trump",
        "third: the cheapest card that beats the second player",
        "third: cannot beat the second player, follows low",
        "third: void, partner is ahead, discards the lowest card",
        "third: void in trumps led, discards the lowest card",
        "third: void, the Big Joker over the second player's trump",
        "third: void, the Little Joker over the second player's trump",
        "third: void, the cheapest over-trump",
        "third: void, cannot over-trump, discards the lowest card",
        "third: void, trumps with the lowest trump",
        "third: void and no trump, discards the lowest card",
        "fourth: partner is ahead, follows low",
        "fourth: the Big Joker is on the trick, follows low",
        "fourth: the third player trumped, follows low",
        "fourth: the Big Joker",
        "fourth: the Little Joker, the Big Joker gone",
        "fourth: the cheapest card that beats the leader",
        "fourth: the cheapest card that beats the third player",
        "fourth: follows low",
        "fourth: void, partner is ahead, discards the lowest card",
        "fourth: void, trumps with the lowest trump",
        "fourth: void and no trump, discards the lowest card",
        "fourth: void, the cheapest over-trump",
        "fourth: void, cannot over-trump, discards the lowest card",
        "fourth: void, discards the lowest card",
    };
    const auto i = static_cast<std::size_t>(r);
    return i < names.size() ? names[i] : "none";
}

PlayDecision chooseTrumpCard(const TableState& t, Seat s, int position, const TrumpStyle& style)
{
    const TrumpSeat seat(t, s, style);
    Choice c;
    switch (position) {
    case 1: c = seat.lead(); break;
    case 2: c = seat.second(); break;
    case 3: c = seat.third(); break;
    case 4: c = seat.fourth(); break;
    default: break;
    }
    return {c.card, Reason{style.source, static_cast<int>(c.rule)}};
}

}  // namespace corvane
