// The bidding round: one turn a seat from the dealer's left, the dealer's
// forced bid when everybody passed, and the person's bid panel.
#include "engine/game.h"
#include "rules/bidding/bid_panel.h"
#include "rules/bidding/robot_bid.h"
#include "rules/choices.h"

namespace corvane {

Event Game::openBidding()
{
    m_t.forcedBid = false;
    m_t.bidWinner = NoSeat;
    m_counter = 0;
    m_next = Step::BidTurn;
    const Seat first = m_t.leader;
    Event e{ev::BiddingOpened{first}, {}, std::nullopt};
    if (first == South)
        e.log.add(m_names[South], " you start the bidding. Make your bid as above or Check Pass.");
    else
        e.log.add(m_names[first], " will start the bidding.");
    return e;
}

Event Game::bidTurn()
{
    if (m_forcedHuman) {
        waitFor(Awaiting::Bid);
        return Event{ev::HumanBidTurn{true}, {}, std::nullopt};
    }
    const Seat seat = seatAfter(m_t.leader, m_counter);
    if (seat != South)
        return robotBidTurn(seat);
    LogLines log;
    if (m_counter > 0)
        log.add(m_names[South], " your turn to bid. Make a bid as above or Check Pass.");
    waitFor(Awaiting::Bid);
    return Event{ev::HumanBidTurn{false}, std::move(log), std::nullopt};
}

Event Game::robotBidTurn(Seat s)
{
    if (m_outside[s])
        return waitForRobot(s, RobotTurn::Choice::Bid);
    return takeBid(s, m_rules.bid(m_t, s));
}

// A robot's bid or pass, in its turn or as the dealer who must bid.
Event Game::takeBid(Seat s, const BidDecision& d)
{
    if (const char* fault = bidFault(m_t, s, d))
        return robotFault(s, 0, fault);
    const bool forced = m_t.forcedBid;
    if (forced) {
        m_t.trumps = d.trumps;
        takeRobotBid(s, d);
        m_t.forcedBid = false;
        m_next = Step::Settle;
        return Event{ev::BidMade{s, d.level, d.high, d.trumps, true, d.why}, {}, std::nullopt};
    }
    if (!d.bid) {
        endBidTurn();
        return Event{ev::BidPassed{s, d.why}, {}, std::nullopt};
    }
    takeRobotBid(s, d);
    endBidTurn();
    return Event{ev::BidMade{s, d.level, d.high, d.trumps, false, d.why}, {}, std::nullopt};
}

Event Game::decideBid(Seat s, const BidDecision& d)
{
    if (!awaitsRobot(s, RobotTurn::Choice::Bid))
        return refused();
    m_wait = Awaiting::Nothing;
    return takeBid(s, d);
}

void Game::takeRobotBid(Seat s, const BidDecision& d)
{
    m_t.bidLevel[s] = d.level;
    m_t.bidHigh[s] = d.high;
    m_t.bidLow[s] = !d.high;
    m_t.bidWinner = s;
    m_t.trumpChoice[s] = d.trumps;
}

void Game::endBidTurn()
{
    if (m_forcedHuman) {
        m_forcedHuman = false;
        m_next = Step::Settle;
        return;
    }
    ++m_counter;
    if (m_counter < 4)
        m_next = Step::BidTurn;
    else
        m_next = m_t.bidWinner != NoSeat ? Step::Settle : Step::AllPassed;
}

Event Game::allPassed()
{
    const Seat d = m_t.dealer;
    m_t.leader = d;
    m_t.bidWinner = d;
    if (d == South) {
        m_forcedHuman = true;
        m_next = Step::BidTurn;
        Event e{ev::AllPassed{d}, {}, std::nullopt};
        e.log.add(m_names[South], "Every body passed so as dealer you must bid. Please make your bid.");
        return e;
    }
    m_t.forcedBid = true;
    m_next = Step::ForcedRobotBid;
    Event e{ev::AllPassed{d}, {}, std::nullopt};
    e.log.add("Every body passed so the Dealer ", m_names[d], " must bid and lead.");
    return e;
}

Event Game::forcedRobotBid()
{
    const Seat d = m_t.dealer;
    if (m_outside[d])
        return waitForRobot(d, RobotTurn::Choice::Bid);
    return takeBid(d, m_rules.bid(m_t, d));
}

Event Game::chooseTrumps(int option)
{
    if (m_wait != Awaiting::Bid)
        return refused(std::nullopt);
    panelChooseTrumps(m_t, option);
    return Event{ev::PanelChanged{}, {}, std::nullopt};
}

Event Game::chooseDirection(int option)
{
    if (m_wait != Awaiting::Bid)
        return refused(std::nullopt);
    panelChooseDirection(m_t, option);
    return Event{ev::PanelChanged{}, {}, std::nullopt};
}

Event Game::chooseLevel(int level)
{
    if (m_wait != Awaiting::Bid)
        return refused(std::nullopt);
    if (auto box = panelChooseLevel(m_t, level, m_names[South]))
        return refused(std::move(box));
    return Event{ev::PanelChanged{}, {}, std::nullopt};
}

Event Game::setPass(bool checked)
{
    if (m_wait != Awaiting::Bid)
        return refused(std::nullopt);
    if (auto box = panelSetPass(m_t, checked, m_names[South]))
        return refused(std::move(box));
    return Event{ev::PanelChanged{}, {}, std::nullopt};
}

Event Game::resetPanel()
{
    if (m_wait != Awaiting::Bid)
        return refused(std::nullopt);
    panelReset(m_t);
    return Event{ev::PanelChanged{}, {}, std::nullopt};
}

Event Game::finishBid()
{
    if (m_wait != Awaiting::Bid)
        return refused(std::nullopt);
    const FinishResult r = panelFinish(m_t, m_forcedHuman, m_names[South]);
    if (r.outcome == PanelOutcome::Refused)
        return refused(r.refusal);
    m_wait = Awaiting::Nothing;
    const std::string& name = m_names[South];
    if (r.outcome == PanelOutcome::Pass) {
        endBidTurn();
        Event e{ev::BidPassed{South, {}}, {}, std::nullopt};
        e.log.add(name, " Passes.");
        return e;
    }
    m_t.bidWinner = South;
    const int level = m_t.bidLevel[South];
    const bool high = m_t.bidHigh[South];
    const bool forced = m_forcedHuman;
    endBidTurn();
    Event e{ev::BidMade{South, level, high, m_t.trumpChoice[South], forced, {}}, {}, std::nullopt};
    e.log.add(name, " bids ", std::to_string(level), high ? " HIGH" : " LOW");
    return e;
}

Event Game::settle()
{
    const Seat w = m_t.bidWinner;
    m_t.trumps = m_t.trumpChoice[w];
    showTrumps(m_t, m_t.trumps);
    m_t.contractHigh = m_t.bidHigh[w];
    m_t.playPending = true;
    m_t.leader = w;
    m_t.teamContract[teamOf(w)] = m_t.bidLevel[w];
    m_next = w == South ? Step::HumanKitty : Step::RobotBook;
    return Event{ev::ContractSettled{w, m_t.trumps, m_t.contractHigh, m_t.bidLevel[w]}, {}, std::nullopt};
}

}  // namespace corvane
