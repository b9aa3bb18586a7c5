// The bidding round: the bid panel, each bid or pass shown on the seat's
// label with the bidding sound, and the contract shown on the table.
#include "scene/choreography.h"

namespace corvane {

namespace {
constexpr int HumanBidPause = 1000;
constexpr int RobotBidPause = 1500;
constexpr int RobotPassPause = 750;

const char* direction(bool high) { return high ? " HIGH" : " LOW"; }

// The score frame's caption for a contract; empty when the bid has no
// direction (the person's forced pass).
std::string contractKind(const TableState& t, Seat w)
{
    const bool noTrumps = t.trumps == NoTrumps;
    if (t.bidHigh[w])
        return noTrumps ? " UPTOWN NT" : " UPTOWN";
    if (t.bidLow[w])
        return noTrumps ? " DOWNTOWN NT" : " DOWNTOWN";
    return "";
}
}  // namespace

void Choreographer::on(const ev::HumanBidTurn&)
{
    logLines();
    m_pauseLength = HumanBidPause;
    show(Control::BidPanel, true);
}

void Choreographer::on(const ev::BidMade& e)
{
    const std::string& name = m_now->names[e.seat];
    if (e.seat == South)
        show(Control::BidPanel, false);
    else
        m_pauseLength = RobotBidPause;
    caption(nameLabel(e.seat), name + " BIDS " + std::to_string(e.level) + direction(e.high));
    logLines();
    sound(step::Cue::RingOut);
    pause();
    m_pauseLength = NormalPause;
}

void Choreographer::on(const ev::BidPassed& e)
{
    if (e.seat == South)
        show(Control::BidPanel, false);
    else
        m_pauseLength = RobotPassPause;
    caption(nameLabel(e.seat), m_now->names[e.seat] + " PASS");
    logLines();
    sound(step::Cue::RingOut);
    pause();
    // The person's pass leaves its 1000 ms for whatever comes next.
    if (e.seat != South)
        m_pauseLength = NormalPause;
}

void Choreographer::on(const ev::ContractSettled& e)
{
    const TableState& t = m_now->after;
    showNames();
    put(step::ShowTrumps{trumpPicture(e.trumps)});
    const std::string kind = contractKind(t, e.winner);
    if (!kind.empty()) {
        caption(Label::ScoresFrame, kind);
        place(arrangeSouthHand(t.hand(South), t.jokerSuit));
    }
    const Label teamBid = teamOf(e.winner) == OurTeam ? Label::YourBid : Label::TheirBid;
    caption(teamBid, std::to_string(e.level) + (t.bidHigh[e.winner] ? " High" : " Low"));
}

void Choreographer::on(const ev::BookCredited& e)
{
    const Team team = teamOf(e.seat);
    caption(team == OurTeam ? Label::YourMade : Label::TheirMade, std::to_string(m_now->after.teamBooks[team]));
    showTricks(e.seat);
    for (Seat other = South; other <= East; ++other)
        if (other != e.seat)
            caption(nameLabel(other), m_now->names[other]);
}

}  // namespace corvane
