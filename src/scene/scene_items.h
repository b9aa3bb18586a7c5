#pragma once

#include "table/card.h"
#include "table/seat.h"

namespace corvane {

// The texts on the table that change during a game: the four seat-name
// labels, the score panel's six numbers and the score frame's caption.
enum class Label {
    SouthName,
    WestName,
    NorthName,
    EastName,
    YourBid,
    TheirBid,
    YourMade,
    TheirMade,
    YourScore,
    TheirScore,
    ScoresFrame,
};
inline constexpr int LabelCount = 11;

constexpr Label nameLabel(Seat s) { return static_cast<Label>(s - South); }

// The table's controls that come and go: the four dealer markers, the three
// buttons, the bid panel and the outline of the playing area.
enum class Control {
    SouthDealer,
    WestDealer,
    NorthDealer,
    EastDealer,
    CarryOn,
    BidPanel,
    StartAgain,
    DiscardCarryOn,
    Outline,
};
inline constexpr int ControlCount = 9;

constexpr Control dealerMarker(Seat s) { return static_cast<Control>(s - South); }

// The trump symbol in the trumps frame, by its number in the original
// image list: 60 Hearts, 61 Clubs, 62 Diamonds, 63 Spades, 64 No Trumps;
// 0 for none (before the first hand).
using TrumpPicture = int;
inline constexpr TrumpPicture NoTrumpPicture = 0;

// The symbol for a trump number 1..5; NoTrumpPicture for any other number.
constexpr TrumpPicture trumpPicture(Suit s)
{
    constexpr TrumpPicture Pictures[6] = {NoTrumpPicture, 62, 61, 60, 63, 64};
    return s >= Diamonds && s <= NoTrumps ? Pictures[s] : NoTrumpPicture;
}

}  // namespace corvane
