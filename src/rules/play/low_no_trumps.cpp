// The robots' cards in No Trumps played low: only the led suit wins, the Ace
// best, then Two up to King; the jokers are worth nothing.
#include "rules/play/no_trumps_play.h"

namespace corvane {

namespace {

using R = NoTrumpRule;
using detail::NoTrumpChoice;

int value(Card c) { return lowNTValue(c); }

class LowSeat {
public:
    LowSeat(const TableState& t, Seat s) : m_t(t), m_s(s), m_led(t.ledSuit()) {}

    NoTrumpChoice second() const
    {
        if (!holdsLedSuit(m_t, m_s))
            return {lowest(), R::SecondVoid};
        if (isAce(trick(1)))
            return {weakest(), R::SecondUnderAce};
        // From the Ace down: the Ace if held, else the cheapest card that wins.
        if (hasCardOverLead())
            return {above(value(trick(1))).highest(), R::SecondBeatsLead};
        return {weakest(), R::SecondCannotBeatLead};
    }

    NoTrumpChoice third() const
    {
        if (!holdsLedSuit(m_t, m_s))
            return {lowest(), R::ThirdVoid};
        if (isAce(trick(1)) || leaderAhead())
            return {weakest(), R::ThirdPartnerAhead};
        if (isAce(trick(2)) && m_t.trick.suit[2] == m_led)
            return {weakest(), R::ThirdSecondPlayedAce};
        // From the Two up: the best card that wins, the Ace only last.
        if (const Card c = above(value(trick(2))).lowest())
            return {c, R::ThirdBeatsSecond};
        return {weakest(), R::ThirdCannotBeatSecond};
    }

    // The fourth player never tries to win a low No Trumps trick.
    NoTrumpChoice fourth() const
    {
        if (!holdsLedSuit(m_t, m_s))
            return {lowest(), R::FourthVoid};
        return {weakest(), R::FourthFollowsLow};
    }

private:
    Card trick(int p) const { return m_t.trick.card[p]; }
    Card lowest() const { return lowestCard(m_t, m_s, Mode::Down); }
    CardSet ofLed() const { return m_t.hand(m_s) & suitCards(m_led); }
    CardSet above(int than) const { return ledCardsAbove(m_t, m_s, value, than) & suitCards(m_led); }
    // King first, down to the Two; the Ace only when it is the last of the suit.
    Card weakest() const
    {
        const CardSet belowAce = ofLed() - CardSet::of(aceOf(m_led));
        return belowAce.empty() ? ofLed().lowest() : belowAce.highest();
    }

    bool hasCardOverLead() const
    {
        if (!isAce(trick(1)) && ofLed().has(aceOf(m_led)))
            return true;
        return !above(value(trick(1))).empty();
    }
    bool leaderAhead() const
    {
        return isAce(trick(1)) || m_t.trick.suit[2] != m_led || value(trick(1)) > value(trick(2));
    }

    const TableState& m_t;
    Seat m_s;
    Suit m_led;
};

}  // namespace

PlayDecision chooseLowNoTrumpCard(const TableState& t, Seat s, int position)
{
    const LowSeat seat(t, s);
    NoTrumpChoice c;
    switch (position) {
    case 1: c = detail::leadNoTrumps(t, s, LowLadder, Mode::Down); break;
    case 2: c = seat.second(); break;
    case 3: c = seat.third(); break;
    case 4: c = seat.fourth(); break;
    default: break;
    }
    return detail::decision(c, Reason::Source::LowNoTrumps);
}

Seat decideLowNoTrumpWinner(const TableState& t) { return detail::noTrumpWinner(t, false); }

}  // namespace corvane
