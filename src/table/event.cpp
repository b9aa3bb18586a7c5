#include "table/event.h"

#include <sstream>

namespace corvane {

namespace {

std::string cards(CardSet s)
{
    std::string out = "[";
    for (Card c : s) {
        if (out.size() > 1)
            out += ' ';
        out += std::to_string(c);
    }
    return out + "]";
}

std::string reason(const Reason& r)
{
    if (r.rule == nullptr)
        return "";
    return " why=" + std::to_string(static_cast<int>(r.source)) + "." + std::string(r.rule->id);
}

struct Describe {
    std::ostringstream& o;
    void operator()(const ev::Refused&) { o << "Refused"; }
    void operator()(const ev::PanelChanged&) { o << "PanelChanged"; }
    void operator()(const ev::HandStarted& e) { o << "HandStarted newGame=" << e.newGame; }
    void operator()(const ev::DealerDrawStarted&) { o << "DealerDrawStarted"; }
    void operator()(const ev::DealerCardTurned& e)
    {
        o << "DealerCardTurned seat=" << e.seat << " card=" << e.card << " diamond=" << e.diamond;
    }
    void operator()(const ev::DealerChosen& e) { o << "DealerChosen dealer=" << e.dealer << " first=" << e.firstBidder; }
    void operator()(const ev::DealerCardsCleared&) { o << "DealerCardsCleared"; }
    void operator()(const ev::PackGathered&) { o << "PackGathered"; }
    void operator()(const ev::CardDealt& e) { o << "CardDealt to=" << e.to << " card=" << e.card; }
    void operator()(const ev::BiddingOpened& e) { o << "BiddingOpened first=" << e.first; }
    void operator()(const ev::HumanBidTurn& e) { o << "HumanBidTurn forced=" << e.forced; }
    void operator()(const ev::BidMade& e)
    {
        o << "BidMade seat=" << e.seat << " level=" << e.level << (e.high ? " up" : " down") << " trumps=" << e.trumps
          << " forced=" << e.forced << reason(e.why);
    }
    void operator()(const ev::BidPassed& e) { o << "BidPassed seat=" << e.seat << reason(e.why); }
    void operator()(const ev::AllPassed& e) { o << "AllPassed dealer=" << e.dealer; }
    void operator()(const ev::ContractSettled& e)
    {
        o << "ContractSettled winner=" << e.winner << " trumps=" << e.trumps << (e.high ? " up" : " down")
          << " level=" << e.level;
    }
    void operator()(const ev::BookCredited& e) { o << "BookCredited seat=" << e.seat; }
    void operator()(const ev::KittyTaken& e) { o << "KittyTaken seat=" << e.seat << " kitty=" << cards(e.kitty); }
    void operator()(const ev::DiscardsOpened& e) { o << "DiscardsOpened auto=" << cards(e.autoPicked); }
    void operator()(const ev::DiscardPicked& e) { o << "DiscardPicked card=" << e.card; }
    void operator()(const ev::DiscardsReturned& e) { o << "DiscardsReturned " << cards(e.returned); }
    void operator()(const ev::DiscardsConfirmed& e) { o << "DiscardsConfirmed " << cards(e.discards); }
    void operator()(const ev::KittyDiscarded& e)
    {
        o << "KittyDiscarded seat=" << e.seat << " discards=" << cards(e.discards) << reason(e.why);
    }
    void operator()(const ev::ContractAnnounced& e) { o << "ContractAnnounced winner=" << e.winner; }
    void operator()(const ev::PlayStarting&) { o << "PlayStarting"; }
    void operator()(const ev::JokerSwapped& e)
    {
        o << "JokerSwapped seat=" << e.seat << " joker=" << e.joker << " card=" << e.card << reason(e.why);
    }
    void operator()(const ev::KittyCleared& e) { o << "KittyCleared " << cards(e.kitty); }
    void operator()(const ev::HumanCardTurn&) { o << "HumanCardTurn"; }
    void operator()(const ev::CardPlayed& e)
    {
        o << "CardPlayed seat=" << e.seat << " card=" << e.card << " pos=" << e.position << reason(e.why);
    }
    void operator()(const ev::TrickGathered& e) { o << "TrickGathered n=" << e.number << " winner=" << e.winner; }
    void operator()(const ev::HandScored& e)
    {
        o << "HandScored team=" << e.team << " points=" << e.points << " over=" << e.gameOver << " winner=" << e.winner;
    }
    void operator()(const ev::Answered& e) { o << "Answered button=" << e.button; }
    void operator()(const ev::RobotThinks& e) { o << "RobotThinks seat=" << e.seat; }
    void operator()(const ev::RobotFault& e)
    {
        o << "RobotFault seat=" << e.seat << " pos=" << e.position << (e.what ? " " : "") << (e.what ? e.what : "");
    }
};

}  // namespace

std::string describe(const Event& e)
{
    std::ostringstream o;
    std::visit(Describe{o}, e.data);
    for (const auto& line : e.log)
        o << " | " << line;
    if (e.message)
        o << " | box: " << e.message->title << ": " << e.message->text;
    return o.str();
}

}  // namespace corvane
