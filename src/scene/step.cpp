#include "scene/step.h"

#include <sstream>

namespace corvane {

namespace {

const char* const LabelNames[LabelCount] = {"SouthName", "WestName",  "NorthName", "EastName",
                                            "YourBid",   "TheirBid",  "YourMade",  "TheirMade",
                                            "YourScore", "TheirScore", "ScoresFrame"};
const char* const ControlNames[ControlCount] = {"SouthDealer", "WestDealer", "NorthDealer",
                                                "EastDealer",  "CarryOn",    "BidPanel",
                                                "StartAgain",  "DiscardCarryOn", "Outline"};
const char* const CueNames[3] = {"Shuffle", "CardDeal", "RingOut"};

struct Describe {
    std::ostringstream& o;
    void operator()(const step::Move& m)
    {
        o << "Move " << m.card << " " << m.left << "," << m.top << (m.faceUp ? " face" : " back")
          << (m.toFront ? " front" : "");
    }
    void operator()(const step::ShowCard& s) { o << (s.visible ? "Show " : "Hide ") << s.card; }
    void operator()(const step::ShowControl& s)
    {
        o << (s.visible ? "Show " : "Hide ") << ControlNames[static_cast<int>(s.control)];
    }
    void operator()(const step::Caption& c)
    {
        o << "Caption " << LabelNames[static_cast<int>(c.label)] << " \"" << c.text << "\"";
    }
    void operator()(const step::ShowTrumps& t) { o << "Trumps " << t.picture; }
    void operator()(const step::Sound& s) { o << "Sound " << CueNames[static_cast<int>(s.cue)]; }
    void operator()(const step::Pause& p) { o << "Pause " << static_cast<double>(p.length.count()) / 1000.0 << "ms"; }
    void operator()(const step::Log& l) { o << (l.aside ? "Aside \"" : "Log \"") << l.line << "\""; }
    void operator()(const step::ClearLog&) { o << "ClearLog"; }
    void operator()(const step::Ring& r)
    {
        o << "Ring";
        for (Card c : r.cards)
            o << " " << c;
    }
    void operator()(const step::ShowTrick& t)
    {
        o << (t.caption.empty() ? "HideTrick" : "ShowTrick");
        for (Seat s = South; s <= East; ++s)
            o << " " << t.bySeat[s];
    }
};

}  // namespace

std::string describe(const Step& s)
{
    std::ostringstream o;
    std::visit(Describe{o}, s);
    return o.str();
}

std::chrono::microseconds totalTime(const Steps& steps)
{
    std::chrono::microseconds total{0};
    for (const Step& s : steps)
        if (const auto* p = std::get_if<step::Pause>(&s))
            total += p->length;
    return total;
}

}  // namespace corvane
