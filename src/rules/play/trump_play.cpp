// The robots' cards in a trump contract. Each seat routine tries its rules in
// order and the first that yields a card decides; where several cards
// qualify, the direction of the scan over ids is part of the rule.
#include "rules/play/trump_play.h"
#include "rules/play/seat_rules.h"

#include <array>

namespace corvane {

namespace {

class TrumpSeat {
public:
    TrumpSeat(const TableState& t, Seat s, const TrumpStyle& style)
        : m_t(t), m_s(s), m_style(style), m_trumps(t.trumps), m_led(t.ledSuit())
    {
    }

    RuleChoice lead() const;
    RuleChoice second() const;
    RuleChoice third() const;
    RuleChoice fourth() const;

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
    RuleChoice joker(const Rule* big, const Rule* little) const
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

RuleChoice TrumpSeat::lead() const
{
    if (holds(BigJoker))
        return {BigJoker, trumpRule("lead-big-joker")};
    if (holds(LittleJoker) && played(BigJoker))
        return {LittleJoker, trumpRule("lead-little-joker")};

    // Only the first of the top trumps held is tried.
    const std::array<Card, 4> top{aceOf(m_trumps), cardOf(m_trumps, m_style.ladder[0]),
                                  cardOf(m_trumps, m_style.ladder[1]), cardOf(m_trumps, m_style.ladder[2])};
    bool cleared = played(LittleJoker) && played(BigJoker);
    for (Card c : top) {
        if (holds(c)) {
            if (cleared)
                return {c, trumpRule("lead-top-trump")};
            break;
        }
        cleared = cleared && played(c);
    }

    for (Suit s = Diamonds; s <= Spades; ++s)
        if (s != m_trumps && holds(aceOf(s)))
            return {aceOf(s), trumpRule("lead-plain-ace")};

    if (const LadderLead l = leadByLadder(m_t, m_s, m_style.ladder); l.card != NoCard) {
        constexpr std::array<const Rule*, 3> rung{trumpRule("lead-ladder1"), trumpRule("lead-ladder2"),
                                                  trumpRule("lead-ladder3")};
        return {l.card, rung[l.step]};
    }
    return {lowest(), trumpRule("lead-lowest")};
}

RuleChoice TrumpSeat::second() const
{
    if (holdsLedSuit(m_t, m_s)) {
        if (!canBeatLead(m_t, m_s, m_style.mode))
            return {lowestOfLed(), trumpRule("second-cannot-beat-lead")};
        if (const Card c = secondScan(ledAbove(value(trick(1)))))
            return {c, trumpRule("second-beats-lead")};
        return {lowestOfLed(), trumpRule("second-nothing-beats-lead")};
    }
    if (m_led == m_trumps)
        return {lowest(), trumpRule("second-void-trumps-led")};
    if (const Card c = secondScan(trumpsHeld()))
        return {c, trumpRule("second-trumps")};
    return {lowest(), trumpRule("second-void-no-trump")};
}

RuleChoice TrumpSeat::third() const
{
    const bool partnerAhead = leadBeatsSecond(m_t, m_style.mode);
    if (holdsLedSuit(m_t, m_s)) {
        if (trick(1) == BigJoker || (trick(1) == LittleJoker && played(BigJoker)))
            return {lowestOfLed(), trumpRule("third-partner-led-joker")};
        if (partnerAhead)
            return {lowestOfLed(), trumpRule("third-partner-ahead")};
        if (suit(2) == m_trumps && m_led != m_trumps)
            return {lowestOfLed(), trumpRule("third-second-trumped")};
        if (m_led != m_trumps && trick(2) == aceOf(m_led))
            return {lowestOfLed(), trumpRule("third-second-played-ace")};
        if (m_led == m_trumps && suit(2) == m_trumps)
            if (const RuleChoice j =
                    joker(trumpRule("third-big-joker-over-trump"), trumpRule("third-little-joker-over-trump"));
                j.card)
                return j;
        if (const Card c = up(ledAbove(value(trick(2)))))
            return {c, trumpRule("third-beats-second")};
        return {lowestOfLed(), trumpRule("third-follows-low")};
    }
    if (partnerAhead)
        return {lowest(), trumpRule("third-void-partner-ahead")};
    if (m_led == m_trumps)
        return {lowest(), trumpRule("third-void-trumps-led")};
    if (suit(2) == m_trumps) {
        if (const RuleChoice j = joker(trumpRule("third-void-big-joker"), trumpRule("third-void-little-joker")); j.card)
            return j;
        if (const Card c = up(trumpsAbove(value(trick(2)))))
            return {c, trumpRule("third-void-overtrumps")};
        return {lowest(), trumpRule("third-void-cannot-overtrump")};
    }
    if (const Card c = up(trumpsHeld()))
        return {c, trumpRule("third-void-trumps")};
    return {lowest(), trumpRule("third-void-no-trump")};
}

RuleChoice TrumpSeat::fourth() const
{
    const bool partnerAhead = secondBeatsOthers(m_t, m_style.mode);
    if (holdsLedSuit(m_t, m_s)) {
        if (partnerAhead)
            return {lowestOfLed(), trumpRule("fourth-partner-ahead")};
        if (trick(1) == BigJoker || trick(3) == BigJoker)
            return {lowestOfLed(), trumpRule("fourth-big-joker-out")};
        if (m_led != m_trumps && suit(3) == m_trumps)
            return {lowestOfLed(), trumpRule("fourth-third-trumped")};
        if (m_led == m_trumps)
            if (const RuleChoice j = joker(trumpRule("fourth-big-joker"), trumpRule("fourth-little-joker")); j.card)
                return j;
        if (suit(3) == m_led && value(trick(1)) > value(trick(3))) {
            if (const Card c = up(ledAbove(value(trick(1)))))
                return {c, trumpRule("fourth-beats-leader")};
        } else if (suit(3) == m_led && value(trick(1)) < value(trick(3))) {
            if (const Card c = up(ledAbove(value(trick(3)))))
                return {c, trumpRule("fourth-beats-third")};
        }
        return {lowestOfLed(), trumpRule("fourth-follows-low")};
    }
    if (partnerAhead)
        return {lowest(), trumpRule("fourth-void-partner-ahead")};
    if (suit(3) == m_led && m_led != m_trumps) {
        if (const Card c = up(trumpsHeld()))
            return {c, trumpRule("fourth-void-trumps")};
        return {lowest(), trumpRule("fourth-void-no-trump")};
    }
    if (m_led != m_trumps && suit(3) == m_trumps) {
        if (const Card c = up(trumpsAbove(value(trick(3)))))
            return {c, trumpRule("fourth-void-overtrumps")};
        return {lowest(), trumpRule("fourth-void-cannot-overtrump")};
    }
    return {lowest(), trumpRule("fourth-void-discards")};
}

}  // namespace

PlayDecision chooseTrumpCard(const TableState& t, Seat s, int position, const TrumpStyle& style)
{
    return playByPosition(TrumpSeat(t, s, style), position, style.source);
}

}  // namespace corvane
