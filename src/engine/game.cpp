#include "engine/game.h"

#include <cassert>

namespace corvane {

Game::Game(std::uint64_t seed, Names names) : m_names(std::move(names)), m_rng(seed)
{
    m_t.at[OutOfPlay] = AllCards;
}

Event Game::waitForRobot(Seat s, RobotTurn::Choice choice)
{
    m_robotTurn = {s, choice};
    m_wait = Awaiting::Robot;
    return Event{ev::RobotThinks{s}, {}, std::nullopt};
}

bool Game::awaitsRobot(Seat s, RobotTurn::Choice choice) const
{
    return m_wait == Awaiting::Robot && m_robotTurn.seat == s && m_robotTurn.choice == choice;
}

Event Game::refused(std::optional<MessageBox> message, LogLines log)
{
    return Event{ev::Refused{}, std::move(log), std::move(message)};
}

Event Game::step()
{
    switch (m_next) {
    case Step::DrawStart: return drawStart();
    case Step::DrawCard: return drawCard();
    case Step::DrawDone: return drawDone();
    case Step::DealPack: return dealPack();
    case Step::DealCard: return dealCard();
    case Step::OpenBidding: return openBidding();
    case Step::BidTurn: return bidTurn();
    case Step::AllPassed: return allPassed();
    case Step::ForcedRobotBid: return forcedRobotBid();
    case Step::Settle: return settle();
    case Step::RobotBook: return creditBook(m_t.bidWinner, Step::RobotKitty);
    case Step::RobotKitty: return robotKitty();
    case Step::HumanKitty: return humanKitty();
    case Step::OpenDiscards: return openDiscards();
    case Step::HumanBook: return creditBook(South, Step::Announce);
    case Step::Announce: return announce();
    case Step::JokerSwaps: return jokerSwaps();
    case Step::KittyClear: return kittyClear();
    case Step::TrickCard: return trickCard();
    case Step::Gather: return gather();
    case Step::Score: return score();
    case Step::NextHand: return nextHand();
    case Step::None: break;
    }
    m_wait = Awaiting::NewGame;
    return refused();
}

Event Game::advance()
{
    // One object returned, so that it is built in the caller's place.
    Event e = m_wait == Awaiting::Nothing ? step() : refused();
    assert(check().empty());
    return e;
}

Event Game::answer(int button)
{
    if (m_wait != Awaiting::Answer)
        return refused(std::nullopt);
    m_wait = m_gameOver ? Awaiting::NewGame : Awaiting::Nothing;
    if (m_gameOver)
        m_next = Step::None;
    m_gameOver = false;
    return Event{ev::Answered{button}, {}, std::nullopt};
}

std::optional<Event> Game::refusesNewGame() const
{
    if (m_t.gameStarted)
        return Event{ev::Refused{}, {},
                     MessageBox{m_names[South] + " you are in the middle of a game. Please finish the current one "
                                                 "before starting a new one.",
                                "O.K", "", "", 5, "Finish Game"}};
    if (m_wait == Awaiting::Answer || (m_wait == Awaiting::Nothing && m_next != Step::None))
        return Event{ev::Refused{}, {}, std::nullopt};  // the draw is still turning cards up
    return std::nullopt;
}

Event Game::newGame()
{
    if (std::optional<Event> refusal = refusesNewGame())
        return std::move(*refusal);
    m_nextDeal.reset();
    m_chosenDeal.reset();
    resetTable(m_t);
    m_next = Step::DrawStart;
    m_wait = Awaiting::Nothing;
    return Event{ev::HandStarted{true},
                 {m_names[South] + " a card will now be dealt to each player and the first one with a Diamond will be "
                                   "dealer"},
                 std::nullopt};
}

Event Game::newGameAt(std::uint64_t number)
{
    const std::optional<Deal> deal = dealOf(number);
    if (!deal)
        return refused(std::nullopt);
    Event e = newGame();
    if (e.is<ev::Refused>())
        return e;
    // The game's later hands follow from the number too, so it can be
    // played again the same way.
    m_rng.seed(~number);
    m_presetDraw = drawNaming(deal->dealer, m_rng);
    m_nextDeal = deal;
    m_chosenDeal = number;
    return e;
}

Event Game::replayDeal()
{
    if (!m_deal)
        return refused(std::nullopt);
    return newGameAt(corvane::dealNumber(*m_deal));
}

std::optional<std::uint64_t> Game::dealNumber() const
{
    if (!m_deal)
        return std::nullopt;
    return corvane::dealNumber(*m_deal);
}

Event Game::carryOn()
{
    if (m_wait != Awaiting::CarryOn)
        return refused(std::nullopt);
    m_wait = Awaiting::Nothing;
    if (m_t.firstDealPending) {
        m_t.firstDealPending = false;
        m_next = Step::DealPack;
        return Event{ev::DealerCardsCleared{}, {"Shuffling and dealing the cards. 12 each and 6 for the Kitty"},
                     std::nullopt};
    }
    m_t.playPending = false;
    m_next = Step::JokerSwaps;
    return Event{ev::PlayStarting{}, {}, std::nullopt};
}

std::string Game::check() const
{
    std::string fault = checkTable(m_t);
    if (!fault.empty())
        return fault;
    const bool dealing = m_next == Step::DealPack || m_next == Step::DealCard;
    if (!m_t.gameStarted || dealing)
        return {};
    if (m_t.tricksPlayed == 0) {
        CardSet held = m_t.kitty();
        for (Seat s = South; s <= East; ++s) {
            held |= m_t.hand(s);
            if (s != m_t.bidWinner && m_t.hand(s).count() != 12)
                return "seat " + std::to_string(s) + " does not hold twelve cards";
        }
        // Once the kitty has left play the four hands hold the other 48.
        const bool kittyGone = m_t.kitty().empty() && held.count() == 48;
        if (held != AllCards && !kittyGone)
            return "cards outside the hands and the kitty before play";
        return {};
    }
    // During play every seat holds twelve less what it has played.
    const int gathered = m_t.cardPlayed.count() / 4;
    for (Seat s = South; s <= East; ++s) {
        int playedNow = 0;
        for (int p = 1; p <= 4; ++p)
            if (m_t.trick.seat[p] == s && m_t.trick.card[p] != NoCard && !m_t.cardPlayed.has(m_t.trick.card[p]))
                playedNow = 1;
        if (m_t.hand(s).count() != 12 - gathered - playedNow)
            return "seat " + std::to_string(s) + " holds the wrong number of cards";
    }
    if (!m_t.kitty().empty())
        return "the kitty is still on the table during play";
    return {};
}

}  // namespace corvane
