#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "table/card.h"
#include "table/card_set.h"
#include "table/log_lines.h"
#include "table/optional_box.h"
#include "table/place.h"
#include "table/rule.h"
#include "table/seat.h"

namespace corvane {

// A question or notice for the person, shown in the program's message box:
// the text, one to three button captions (an empty caption means no button)
// and one of the six pictures.
struct MessageBox {
    std::string text;
    std::string caption1;
    std::string caption2;
    std::string caption3;
    int picture = 0;
    std::string title;
    bool operator==(const MessageBox&) const = default;
};

// Why a robot chose what it did: the rule that decided, and the decision
// module that holds it (the two trump strategies share one table of rules,
// as do the two No Trumps ones).
struct Reason {
    enum class Source { None, Bid, Discard, JokerSwap, PlayItHigh, PlayItLow, HighNoTrumps, LowNoTrumps, Expert };
    static constexpr std::size_t SourceCount = 9;  // None included
    Source source = Source::None;
    const Rule* rule = nullptr;
    // Figures the deciding branch weighed (the bid rule: a strength and the
    // strength or level it had to reach), said once the hand is over.
    int points = 0;
    int needed = 0;
    // The same reason is the same rule of the same module; the figures only
    // describe it.
    bool operator==(const Reason& o) const { return source == o.source && rule == o.rule; }
};

// One kind of struct for each thing that can happen at the table. The engine
// answers every advance() and every accepted command with one of these.
namespace ev {
struct Refused {};  // a command was refused; the message or log line says why
struct PanelChanged {};
struct HandStarted { bool newGame; };       // table reset, shuffle sound
struct DealerDrawStarted {};                // all cards hidden
struct DealerCardTurned { Seat seat; Card card; bool diamond; };
struct DealerChosen { Seat dealer; Seat firstBidder; };  // waits for Carry On
struct DealerCardsCleared {};               // Carry On after the draw
struct PackGathered {};                     // 54 cards face down in one pack
struct CardDealt { Place to; Card card; };  // to a seat 1..4 or the kitty (5)
struct BiddingOpened { Seat first; };
struct HumanBidTurn { bool forced; };       // the panel opens
struct BidMade { Seat seat; int level; bool high; Suit trumps; bool forced; Reason why; };
struct BidPassed { Seat seat; Reason why; };
struct AllPassed { Seat dealer; };
struct ContractSettled { Seat winner; Suit trumps; bool high; int level; };
struct BookCredited { Seat seat; };         // the discards count as a book
struct KittyTaken { Seat seat; CardSet kitty; };
struct DiscardsOpened { CardSet autoPicked; };  // jokers picked for the person
struct DiscardPicked { Card card; };
struct DiscardsReturned { CardSet returned; };
struct DiscardsConfirmed { CardSet discards; };
struct KittyDiscarded { Seat seat; CardSet discards; Reason why; };
struct ContractAnnounced { Seat winner; };  // waits for Carry On
struct PlayStarting {};
struct JokerSwapped { Seat seat; Card joker; Card card; Reason why; };
struct KittyCleared { CardSet kitty; };
struct HumanCardTurn {};
struct CardPlayed { Seat seat; Card card; int position; Reason why; };
// The trick's cards by position 1..4, and the seat that played each.
struct TrickGathered { int number; Seat winner; std::array<Card, 5> cards; std::array<Seat, 5> seats; };
struct HandScored { Team team; int points; bool gameOver; Team winner; };
struct Answered { int button; };
struct RobotThinks { Seat seat; };  // a robot deciding outside the engine has the turn
// A robot chose what the rules refuse (`what`), or found no card (position
// 1..4 of the trick, `what` null): a bug, and the game stops.
struct RobotFault { Seat seat; int position; const char* what; };
}  // namespace ev

using EventData =
    std::variant<ev::Refused, ev::PanelChanged, ev::HandStarted, ev::DealerDrawStarted, ev::DealerCardTurned,
                 ev::DealerChosen, ev::DealerCardsCleared, ev::PackGathered, ev::CardDealt, ev::BiddingOpened,
                 ev::HumanBidTurn, ev::BidMade, ev::BidPassed, ev::AllPassed, ev::ContractSettled,
                 ev::BookCredited, ev::KittyTaken, ev::DiscardsOpened, ev::DiscardPicked, ev::DiscardsReturned,
                 ev::DiscardsConfirmed,
                 ev::KittyDiscarded, ev::ContractAnnounced, ev::PlayStarting, ev::JokerSwapped, ev::KittyCleared,
                 ev::HumanCardTurn, ev::CardPlayed, ev::TrickGathered, ev::HandScored, ev::Answered,
                 ev::RobotThinks, ev::RobotFault>;

// What happened, with the message-log lines it produced (exact texts, in
// order) and the message box the person must see, if any.
struct Event {
    EventData data;
    LogLines log;
    OptionalBox<MessageBox> message;

    // User-provided: GCC 12 clears the whole object before building an
    // aggregate event from constants, and most events are made of constants.
    Event() noexcept {}
    Event(EventData d, LogLines l = {}, OptionalBox<MessageBox> m = {}) noexcept
        : data(d), log(std::move(l)), message(std::move(m))
    {
    }

    template <class T>
    const T* as() const { return std::get_if<T>(&data); }
    template <class T>
    bool is() const { return std::holds_alternative<T>(data); }
};

// One line describing an event, for golden tests, records and bug reports.
std::string describe(const Event& e);

}  // namespace corvane
