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

const std::string& cardName(Card c)
{
    // Built once: the log names a card at every play.
    static const std::array<std::string, CardCount + 1> names = [] {
        std::array<std::string, CardCount + 1> n{};
        for (Card id = 1; id <= 52; ++id)
            n[id] = std::string(rankName(id)) + std::string(suitName(printedSuit(id)));
        n[LittleJoker] = "Little Joker";
        n[BigJoker] = "Big Joker";
        return n;
    }();
    return names[isValidCard(c) ? c : 0];
}

}  // namespace corvane
