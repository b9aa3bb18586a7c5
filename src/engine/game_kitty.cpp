// The kitty: the bid winner takes it and throws six cards away, which count
// as the team's first book; in No Trumps the jokers leave play.
#include "engine/game.h"
#include "rules/bidding/joker_exchange.h"
#include "rules/bidding/robot_discard.h"
#include "rules/choices.h"

namespace corvane {

Event Game::creditBook(Seat s, Step next)
{
    ++m_t.seatTricks[s];
    ++m_t.teamBooks[teamOf(s)];
    m_next = next;
    return Event{ev::BookCredited{s}, {}, std::nullopt};
}

Event Game::robotKitty()
{
    const Seat s = m_t.bidWinner;
    for (Card c : m_t.kitty())
        m_t.move(c, KittyPlace, s);
    if (m_outside[s])
        return waitForRobot(s, RobotTurn::Choice::Discards);
    return takeDiscards(s, m_rules.discards(m_t, s, 6));
}

Event Game::takeDiscards(Seat s, const DiscardDecision& d)
{
    if (const char* fault = discardFault(m_t.hand(s), m_t.trumps, d.discards))
        return robotFault(s, 0, fault);
    for (Card c : d.discards)
        m_t.move(c, s, KittyPlace);
    m_next = Step::Announce;
    return Event{ev::KittyDiscarded{s, d.discards, d.why}, {}, std::nullopt};
}

Event Game::decideDiscards(Seat s, const DiscardDecision& d)
{
    if (!awaitsRobot(s, RobotTurn::Choice::Discards))
        return refused();
    m_wait = Awaiting::Nothing;
    return takeDiscards(s, d);
}

Event Game::humanKitty()
{
    const CardSet taken = m_t.kitty();
    for (Card c : taken)
        m_t.move(c, South);
    m_next = Step::OpenDiscards;
    Event e{ev::KittyTaken{South, taken}, {}, std::nullopt};
    if (m_t.trumps == NoTrumps) {
        e.message = MessageBox{m_names[South] + " should you have any Jokers in your hand you must discard them.",
                               "Right", "", "", 4, "Jokers must be discarded."};
        waitFor(Awaiting::Answer);
    }
    return e;
}

Event Game::openDiscards()
{
    m_t.waitingForHuman = true;
    m_t.discardMode = true;
    CardSet picked;
    if (m_t.trumps == NoTrumps)
        for (Card joker : {BigJoker, LittleJoker})
            if (m_t.hand(South).has(joker)) {
                m_t.selected.add(joker);
                m_t.move(joker, KittyPlace);
                picked.add(joker);
            }
    m_next = Step::HumanBook;
    waitFor(Awaiting::Discards);
    Event e{ev::DiscardsOpened{picked}, {}, std::nullopt};
    e.log.add(m_names[South], " click a total of six cards to discard.Click 'Carry On' button when finished.");
    return e;
}

Event Game::pickDiscard(Card c)
{
    if (m_wait != Awaiting::Discards || !m_t.hand(South).has(c))
        return refused(std::nullopt);
    if (m_t.selected.count() == 6)
        return refused(MessageBox{m_names[South] + " you have alread clicked on six cards. Either click finished or "
                                                   "'Start Again' button.",
                                  "Right", "", "", 4, "Max number clicked to throw away"});
    m_t.selected.add(c);
    m_t.move(c, KittyPlace);
    return Event{ev::DiscardPicked{c}, {}, std::nullopt};
}

Event Game::startAgain()
{
    if (m_wait != Awaiting::Discards)
        return refused(std::nullopt);
    // In No Trumps the jokers stay thrown away.
    const CardSet returned = m_t.trumps == NoTrumps ? m_t.selected - Jokers : m_t.selected;
    for (Card c : returned)
        m_t.move(c, South);
    m_t.selected -= returned;
    return Event{ev::DiscardsReturned{returned},
                 {m_names[South] + "You can now go back and pick six again to discard."},
                 std::nullopt};
}

Event Game::confirmDiscards()
{
    if (m_wait != Awaiting::Discards)
        return refused(std::nullopt);
    // The picks lie in the kitty already: they are checked as the hand held
    // them, as a robot's are.
    if (discardFault(m_t.hand(South) | m_t.selected, m_t.trumps, m_t.selected) != nullptr)
        return refused(std::nullopt,
                       {m_names[South] + " you must click 6 cards to discard before clicking 'Continue'"});
    m_t.discardMode = false;
    m_t.waitingForHuman = false;
    m_t.selected = {};
    m_wait = Awaiting::Nothing;
    return Event{ev::DiscardsConfirmed{m_t.kitty()}, {}, std::nullopt};
}

Event Game::announce()
{
    const Seat w = m_t.bidWinner;
    m_next = Step::JokerSwaps;
    waitFor(Awaiting::CarryOn);
    Event e{ev::ContractAnnounced{w}, {}, std::nullopt};
    e.log.add(m_names[w], " won bid and will lead card. Press 'Return or click button when you have seen Kitty");
    return e;
}

Event Game::jokerSwaps()
{
    if (m_t.trumps == NoTrumps) {
        const auto swaps = noTrumpJokerSwaps(m_t);
        if (!swaps.empty()) {
            const auto [joker, card] = swaps.front();
            const Seat s = m_t.placeOf(joker);
            applyJokerSwap(m_t, s, joker, card);
            const Reason why{Reason::Source::JokerSwap, &JokerSwapRules[0]};
            return Event{ev::JokerSwapped{s, joker, card, why}, {}, std::nullopt};
        }
    }
    m_next = Step::KittyClear;
    return kittyClear();
}

Event Game::kittyClear()
{
    const CardSet kitty = m_t.kitty();
    for (Card c : kitty)
        m_t.move(c, KittyPlace, OutOfPlay);
    m_counter = 0;
    m_next = Step::TrickCard;
    return Event{ev::KittyCleared{kitty}, {}, std::nullopt};
}

}  // namespace corvane
