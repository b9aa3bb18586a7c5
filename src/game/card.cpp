#include "game/card.h"

#include <array>

namespace corvane {

namespace {
constexpr std::array<std::string_view, 13> RankNames = {
    "Two of  ",  "Three of  ", "Four of  ", "Five of  ",  "Six of  ",   "Seven of  ", "Eight of  ",
    "Nine of  ", "Ten of  ",   "Jack of  ", "Queen of  ", "King  of  ", "Ace  of  ",
};
constexpr std::array<std::string_view, 5> SuitNames = {"", "Diamonds", "Clubs", "Hearts", "Spades"};
}  // namespace

std::string_view rankName(Card c) { return isValidCard(c) && !isJoker(c) ? RankNames[rankOf(c)] : ""; }

std::string_view suitName(Suit s) { return isPlainSuit(s) ? SuitNames[s] : ""; }

std::string cardName(Card c)
{
    if (c == LittleJoker)
        return "Little Joker";
    if (c == BigJoker)
        return "Big Joker";
    if (!isValidCard(c))
        return "";
    std::string name(rankName(c));
    name += suitName(printedSuit(c));
    return name;
}

}  // namespace corvane
