#include "scene/layouts.h"

namespace corvane {

namespace {

// A row of cards from a first spot, one step further for each card.
struct Row {
    Spot start;
    int dx;
    int dy;
    bool faceUp;
};

Layout layRow(const Row& row, CardSet cards)
{
    Layout out;
    int i = 0;
    for (Card c : cards) {
        out.push_back({c, {row.start.left + row.dx * i, row.start.top + row.dy * i}, row.faceUp});
        ++i;
    }
    return out;
}

constexpr Row HandRows[6] = {
    {},
    {{1800, SouthRowTop}, 400, 0, true},
    {{480, 2280}, 0, 300, false},
    {{3000, 120}, 300, 0, false},
    {{10200, 2280}, 0, 300, false},
    {{4000, 3960}, 500, 0, false},
};

constexpr Row KittyRows[5] = {
    {},
    {{3480, 5160}, 300, 0, true},
    {{1920, 2640}, 0, 300, true},
    {{3480, 1560}, 300, 0, true},
    {{8760, 2640}, 0, 300, true},
};

}  // namespace

Layout sortPlace(Place p, CardSet cards)
{
    if (p < South || p > KittyPlace)
        return {};
    return layRow(HandRows[p], cards);
}

Layout sortSouth(CardSet hand) { return sortPlace(South, hand); }
Layout sortWest(CardSet hand) { return sortPlace(West, hand); }
Layout sortNorth(CardSet hand) { return sortPlace(North, hand); }
Layout sortEast(CardSet hand) { return sortPlace(East, hand); }
Layout sortKitty(CardSet kitty) { return sortPlace(KittyPlace, kitty); }

Layout arrangeSouthHand(CardSet hand, Suit jokerSuit)
{
    Layout out;
    for (Suit s = Diamonds; s <= Spades; ++s) {
        CardSet group = hand & suitCards(s);
        if (jokerSuit == s)
            group |= hand & Jokers;
        for (Card c : group)
            out.push_back({c, {1800 + 400 * static_cast<int>(out.size()), SouthRowTop}, true});
    }
    return out;
}

Layout kittyDisplay(Seat s, CardSet cards)
{
    if (!isSeat(s))
        return {};
    return layRow(KittyRows[s], cards);
}

Spot drawSpot(Seat s)
{
    constexpr Spot Spots[5] = {{}, {5280, 5280}, {3600, 3840}, {5280, 2880}, {6960, 3840}};
    return isSeat(s) ? Spots[s] : Spot{};
}

Spot packSpot(Card c) { return {5040 + 2 * (c - 1), 3720 - 2 * (c - 1)}; }

Slide dealSlide(Place to)
{
    switch (to) {
    case South: return {{4400, 4400}, Spot{3840, 4400}};
    case West: return {{3720, 3840}, Spot{2400, 3240}};
    case North: return {{4560, 3000}, Spot{3840, 1920}};
    case East: return {{6240, 3480}, Spot{8520, 2900}};
    default: return {{4000, 3960}, std::nullopt};
    }
}

Slide playSlide(Seat s)
{
    switch (s) {
    case West: return {{1920, 3720}, Spot{3600, 3840}};
    case North: return {{5280, 1560}, Spot{5280, 2880}};
    case East: return {{8520, 3720}, Spot{6960, 3840}};
    default: return {HumanTrickSpot, std::nullopt};
    }
}

Slide gatherSlide(Seat winner)
{
    switch (winner) {
    case South: return {{5520, 5400}, Spot{5640, 6960}};
    case West: return {{3360, 3720}, Spot{1320, 3720}};
    case North: return {{5520, 2040}, Spot{5520, 600}};
    case East: return {{8040, 3480}, Spot{10080, 3360}};
    default: return {GatherSpot, std::nullopt};  // no winner: the card stays on the stack
    }
}

}  // namespace corvane
