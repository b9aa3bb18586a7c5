// Twelve tricks: each card played is one action, then the trick is judged,
// counted and gathered, and the winner leads the next.
#include "engine/game.h"
#include "rules/choices.h"
#include "rules/play/play.h"
#include "rules/scoring/hand_outcome.h"
#include "rules/scoring/hand_points.h"

namespace corvane {

namespace {
const char* const PositionWord[5] = {"", "first", "second", "third", "fourth"};
}  // namespace

Event Game::humanCardTurn()
{
    m_t.waitingForHuman = true;
    waitFor(Awaiting::PlayCard);
    Event e{ev::HumanCardTurn{}, {}, std::nullopt};
    e.log.add(m_lines.yourCard());
    return e;
}

Event Game::placeCard(Seat s, Card c, Reason why)
{
    const int position = m_counter + 1;
    m_t.trick.card[position] = c;
    m_t.trick.suit[position] = m_t.suitOf(c);
    m_t.move(c, s, OutOfPlay);
    ++m_counter;
    m_next = m_counter == 4 ? Step::Gather : Step::TrickCard;
    Event e{ev::CardPlayed{s, c, position, why}, {}, std::nullopt};
    e.log.add(m_lines.played(s), cardName(c));
    return e;
}

Event Game::trickCard()
{
    if (m_counter == 0) {
        ++m_t.tricksPlayed;
        m_t.trick = {};
    }
    const int position = m_counter + 1;
    const Seat seat = seatAfter(m_t.leader, m_counter);
    m_t.trick.seat[position] = seat;
    if (seat == South)
        return humanCardTurn();
    if (m_outside[seat])
        return waitForRobot(seat, RobotTurn::Choice::Play);
    return takeCard(seat, m_rules.card(m_t, seat, position));
}

Event Game::takeCard(Seat s, const PlayDecision& d)
{
    const int position = m_counter + 1;
    if (d.card == NoCard)
        return robotFault(s, position, nullptr);
    if (checkPlay(m_t, s, d.card, position) != PlayCheck::Legal)
        return robotFault(s, position, "played a card it may not");
    return placeCard(s, d.card, d.why);
}

Event Game::decideCard(Seat s, const PlayDecision& d)
{
    if (!awaitsRobot(s, RobotTurn::Choice::Play))
        return refused();
    m_wait = Awaiting::Nothing;
    return takeCard(s, d);
}

// Only a bug can leave a robot without a card or with one the rules refuse;
// say so rather than play on, and let a new game begin.
Event Game::robotFault(Seat seat, int position, const char* what)
{
    m_next = Step::None;
    m_wait = Awaiting::NewGame;
    m_t.gameStarted = false;
    const std::string line = what == nullptr ? std::string(" Something wrong regarding ") + PositionWord[position] +
                                                   " card " + std::to_string(seat) + " did not find one to play"
                                             : " Something wrong regarding " + m_names[seat] + ": it " + what + ".";
    return Event{ev::RobotFault{seat, position, what}, {line}, std::nullopt};
}

Event Game::playCard(Card c)
{
    if (m_wait != Awaiting::PlayCard || !m_t.hand(South).has(c))
        return refused(std::nullopt);
    const int position = m_counter + 1;
    if (checkPlay(m_t, South, c, position) != PlayCheck::Legal)
        return refused(std::nullopt, {m_names[South] + " sorry, you must follow suit. Please try again"});
    m_t.waitingForHuman = false;
    m_wait = Awaiting::Nothing;
    return placeCard(South, c, {});
}

Event Game::gather()
{
    const Seat w = decideWinner(m_t);
    m_t.trickWinner = w;
    if (isSeat(w)) {
        ++m_t.seatTricks[w];
        ++m_t.teamBooks[teamOf(w)];
    }
    std::array<Card, 5> cards = m_t.trick.card;
    for (int p = 1; p <= 4; ++p)
        m_t.cardPlayed.add(cards[p]);
    Event e{ev::TrickGathered{m_t.tricksPlayed, w, cards, m_t.trick.seat}, {}, std::nullopt};
    if (m_t.tricksPlayed == 12 || !isSeat(w)) {
        m_next = Step::Score;
        return e;
    }
    e.log.add(m_lines.wonTrick(w));
    m_t.leader = w;
    m_counter = 0;
    m_next = Step::TrickCard;
    return e;
}

Event Game::score()
{
    m_next = Step::NextHand;
    const Seat w = m_t.bidWinner;
    if (!isSeat(w))
        return nextHand();
    const Team team = teamOf(w);
    const int points = handPoints(m_t.trumps == NoTrumps, m_t.teamContract[team], m_t.teamBooks[team]);
    m_t.gamePoints[team] += points;
    std::optional<HandOutcome> outcome = handOutcome(team, m_t.gamePoints[team], m_names[South]);
    HandOutcome& out = *outcome;
    if (m_chosenDeal)
        out = uncounted(std::move(out));
    m_stats.gamesWon += out.wonAdded;
    m_stats.gamesPlayed += out.playedAdded;
    if (out.gameOver) {
        m_t.gameStarted = false;
        m_gameOver = true;
    }
    waitFor(Awaiting::Answer);
    return Event{ev::HandScored{team, points, out.gameOver, out.winner}, {}, std::move(out.message)};
}

}  // namespace corvane
