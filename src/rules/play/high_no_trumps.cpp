// The robots' cards in No Trumps played high: only the led suit wins, Ace
// high, then King down to Two; the jokers are worth nothing.
#include <algorithm>

#include "rules/play/no_trumps_play.h"

namespace corvane {

namespace {

using R = NoTrumpRule;
using detail::NoTrumpChoice;

int value(Card c) { return highNTValue(c); }

class HighSeat {
public:
    HighSeat(const TableState& t, Seat s) : m_t(t), m_s(s), m_led(t.ledSuit()) {}

    NoTrumpChoice second() const
    {
        if (!holdsLedSuit(m_t, m_s))
            return {lowest(), R::SecondVoid};
        if (isAce(trick(1)))
            return {weakest(), R::SecondUnderAce};
        if (hasCardOverLead())
            return {above(value(trick(1))).lowest(), R::SecondBeatsLead};
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
        if (const Card c = above(value(trick(2))).lowest())
            return {c, R::ThirdBeatsSecond};
        return {weakest(), R::ThirdCannotBeatSecond};
    }

    NoTrumpChoice fourth() const
    {
        if (!holdsLedSuit(m_t, m_s))
            return {lowest(), R::FourthVoid};
        if (secondAhead())
            return {weakest(), R::FourthPartnerAhead};
        const bool thirdFollowed = m_t.trick.suit[3] == m_led;
        const bool secondFollowed = m_t.trick.suit[2] == m_led;
        const int over = std::max(value(trick(1)), value(trick(3)));
        if (thirdFollowed && secondFollowed) {
            if (const Card c = above(std::max(over, value(trick(2)))).lowest())
                return {c, R::FourthBeatsAll};
        } else if (thirdFollowed) {
            if (const Card c = above(over).lowest())
                return {c, R::FourthBeatsLeaderAndThird};
        }
        return {weakest(), R::FourthFollowsLow};
    }

private:
    Card trick(int p) const { return m_t.trick.card[p]; }
    Card lowest() const { return lowestCard(m_t, m_s, Mode::Up); }
    CardSet ofLed() const { return m_t.hand(m_s) & suitCards(m_led); }
    CardSet above(int than) const { return ledCardsAbove(m_t, m_s, value, than) & suitCards(m_led); }
    // Two first, the Ace last.
    Card weakest() const { return ofLed().lowest(); }

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
    bool secondAhead() const
    {
        if (m_t.trick.suit[2] != m_led)
            return false;
        if (m_t.trick.suit[3] == m_led)
            return value(trick(2)) > value(trick(1)) && value(trick(2)) > value(trick(3));
        return value(trick(2)) > value(trick(1));
    }

    const TableState& m_t;
    Seat m_s;
    Suit m_led;
};

}  // namespace

PlayDecision chooseHighNoTrumpCard(const TableState& t, Seat s, int position)
{
    const HighSeat seat(t, s);
    NoTrumpChoice c;
    switch (position) {
    case 1: c = detail::leadNoTrumps(t, s, HighLadder, Mode::Up); break;
    case 2: c = seat.second(); break;
    case 3: c = seat.third(); break;
    case 4: c = seat.fourth(); break;
    default: break;
    }
    return detail::decision(c, Reason::Source::HighNoTrumps);
}

Seat decideHighNoTrumpWinner(const TableState& t) { return detail::noTrumpWinner(t, true); }

}  // namespace corvane
