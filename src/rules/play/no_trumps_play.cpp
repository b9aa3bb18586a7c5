// The robots' cards in No Trumps. Each seat routine tries its rules in order
// and the first that yields a card decides.
#include "rules/play/no_trumps_play.h"
#include "rules/play/seat_rules.h"

#include <algorithm>

namespace corvane {

namespace {

class NoTrumpSeat {
public:
    NoTrumpSeat(const TableState& t, Seat s, const NoTrumpStyle& style)
        : m_t(t), m_s(s), m_style(style), m_led(t.ledSuit())
    {
    }

    RuleChoice lead() const;
    RuleChoice second() const;
    RuleChoice third() const;
    RuleChoice fourth() const;

private:
    int value(Card c) const { return m_style.mode == Mode::Up ? highNTValue(c) : lowNTValue(c); }
    Card trick(int p) const { return m_t.trick.card[p]; }
    bool followed(int p) const { return m_t.trick.suit[p] == m_led; }
    Card lowest() const { return lowestCard(m_t, m_s, m_style.mode); }
    CardSet ofLed() const { return m_t.hand(m_s) & suitCards(m_led); }
    CardSet above(int than) const
    {
        return ledCardsAbove(m_t, m_s, [this](Card c) { return value(c); }, than) & suitCards(m_led);
    }
    // Up: Two first; down: King first; the Ace only when it is the last.
    Card weakest() const { return lowestOfSuit(m_t, m_led, m_s, m_style.mode); }

    bool hasCardOverLead() const
    {
        if (!isAce(trick(1)) && ofLed().has(aceOf(m_led)))
            return true;
        return !above(value(trick(1))).empty();
    }
    bool leaderAhead() const { return isAce(trick(1)) || !followed(2) || value(trick(1)) > value(trick(2)); }
    bool secondAhead() const
    {
        if (!followed(2))
            return false;
        if (followed(3))
            return value(trick(2)) > value(trick(1)) && value(trick(2)) > value(trick(3));
        return value(trick(2)) > value(trick(1));
    }

    const TableState& m_t;
    Seat m_s;
    const NoTrumpStyle& m_style;
    Suit m_led;
};

RuleChoice NoTrumpSeat::lead() const
{
    constexpr CardSet Aces =
        CardSet::of(aceOf(Diamonds)) | CardSet::of(aceOf(Clubs)) | CardSet::of(aceOf(Hearts)) | CardSet::of(aceOf(Spades));
    if (const Card ace = (m_t.hand(m_s) & Aces).lowest())
        return {ace, noTrumpRule("lead-ace")};
    if (const LadderLead l = leadByLadder(m_t, m_s, m_style.ladder); l.card != NoCard) {
        constexpr std::array<const Rule*, 3> rung{noTrumpRule("lead-ladder1"), noTrumpRule("lead-ladder2"),
                                                  noTrumpRule("lead-ladder3")};
        return {l.card, rung[l.step]};
    }
    return {lowest(), noTrumpRule("lead-lowest")};
}

RuleChoice NoTrumpSeat::second() const
{
    if (!holdsLedSuit(m_t, m_s))
        return {lowest(), noTrumpRule("second-void")};
    if (isAce(trick(1)))
        return {weakest(), noTrumpRule("second-under-ace")};
    if (hasCardOverLead()) {
        // Scanned down, the Ace comes first when held.
        const CardSet winners = above(value(trick(1)));
        return {m_style.secondScansDown ? winners.highest() : winners.lowest(), noTrumpRule("second-beats-lead")};
    }
    return {weakest(), noTrumpRule("second-cannot-beat-lead")};
}

RuleChoice NoTrumpSeat::third() const
{
    if (!holdsLedSuit(m_t, m_s))
        return {lowest(), noTrumpRule("third-void")};
    if (leaderAhead())
        return {weakest(), noTrumpRule("third-partner-ahead")};
    if (isAce(trick(2)) && followed(2))
        return {weakest(), noTrumpRule("third-second-played-ace")};
    // From the Two up: the Ace only when nothing lower wins.
    if (const Card c = above(value(trick(2))).lowest())
        return {c, noTrumpRule("third-beats-second")};
    return {weakest(), noTrumpRule("third-cannot-beat-second")};
}

RuleChoice NoTrumpSeat::fourth() const
{
    if (!holdsLedSuit(m_t, m_s))
        return {lowest(), noTrumpRule("fourth-void")};
    if (m_style.fourthTriesToWin) {
        if (secondAhead())
            return {weakest(), noTrumpRule("fourth-partner-ahead")};
        const int over = std::max(value(trick(1)), value(trick(3)));
        if (followed(3) && followed(2)) {
            if (const Card c = above(std::max(over, value(trick(2)))).lowest())
                return {c, noTrumpRule("fourth-beats-all")};
        } else if (followed(3)) {
            if (const Card c = above(over).lowest())
                return {c, noTrumpRule("fourth-beats-leader-and-third")};
        }
    }
    return {weakest(), noTrumpRule("fourth-follows-low")};
}

}  // namespace

PlayDecision chooseNoTrumpCard(const TableState& t, Seat s, int position, const NoTrumpStyle& style)
{
    return playByPosition(NoTrumpSeat(t, s, style), position, style.source);
}

}  // namespace corvane
