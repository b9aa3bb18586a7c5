#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace corvane {

// A card is its id 1..54: 1..13 Diamonds Two..Ace, 14..26 Clubs, 27..39
// Hearts, 40..52 Spades, 53 the Little Joker, 54 the Big Joker. Within a suit
// the id runs with the rank (Two = 1 .. Ace = 13), so id order is the order
// hands are laid out in and the tie-break of every "first card" scan.
using Card = int;
inline constexpr Card NoCard = 0;
inline constexpr Card LittleJoker = 53;
inline constexpr Card BigJoker = 54;
inline constexpr int CardCount = 54;

// Suit and trump numbers. The same numbers name a contract's trumps, with
// NoTrumps and NotChosen added.
using Suit = int;
inline constexpr Suit NoSuit = 0;
inline constexpr Suit Diamonds = 1;
inline constexpr Suit Clubs = 2;
inline constexpr Suit Hearts = 3;
inline constexpr Suit Spades = 4;
inline constexpr Suit NoTrumps = 5;
inline constexpr Suit NotChosen = 6;

constexpr bool isValidCard(Card c) { return c >= 1 && c <= CardCount; }
constexpr bool isJoker(Card c) { return c == LittleJoker || c == BigJoker; }
constexpr bool isPlainSuit(Suit s) { return s >= Diamonds && s <= Spades; }

// Rank 0 (Two) .. 12 (Ace) of a suit card.
constexpr int rankOf(Card c) { return (c - 1) % 13; }

// The printed suit of a suit card; 0 for the jokers, whose suit in play
// depends on the contract (see TableState::suitOf).
constexpr Suit printedSuit(Card c) { return isJoker(c) ? NoSuit : (c - 1) / 13 + 1; }

// The card of suit s and rank number r (Two = 1 .. King = 12, Ace = 13).
constexpr Card cardOf(Suit s, int r) { return (s - 1) * 13 + r; }
constexpr Card aceOf(Suit s) { return s * 13; }
constexpr bool isAce(Card c) { return !isJoker(c) && rankOf(c) == 12; }

// Strength when high cards win: Two 1 .. King 12, Ace 13, jokers 24 and 25.
constexpr int highValue(Card c)
{
    if (isJoker(c))
        return c == BigJoker ? 25 : 24;
    return rankOf(c) + 1;
}

// Strength when low cards win: King 1 .. Two 12, Ace still 13, jokers 24/25.
constexpr int lowValue(Card c)
{
    if (isJoker(c))
        return c == BigJoker ? 25 : 24;
    const int r = rankOf(c);
    return r == 12 ? 13 : 12 - r;
}

// In No Trumps the jokers have no value at all.
constexpr int highNTValue(Card c) { return isJoker(c) ? 0 : highValue(c); }
constexpr int lowNTValue(Card c) { return isJoker(c) ? 0 : lowValue(c); }

// Value in the order of a mode: 0 uptown (HighValue), 1 downtown (LowValue).
enum class Mode { Up = 0, Down = 1 };
constexpr int valueIn(Mode m, Card c) { return m == Mode::Up ? highValue(c) : lowValue(c); }

// The texts the log names cards by: "Two of  Diamonds", "King  of  Clubs",
// "Little Joker". The blanks are part of the names.
namespace detail {
inline constexpr std::array<std::string_view, 13> RankNames = {
    "Two of  ",  "Three of  ", "Four of  ", "Five of  ",  "Six of  ",   "Seven of  ", "Eight of  ",
    "Nine of  ", "Ten of  ",   "Jack of  ", "Queen of  ", "King  of  ", "Ace  of  ",
};
inline constexpr std::array<std::string_view, 5> SuitNames = {"", "Diamonds", "Clubs", "Hearts", "Spades"};

// Every card's whole name, laid end to end at compile time: the log names a
// card at every play.
struct CardNames {
    std::array<char, 1024> text{};
    std::array<unsigned, CardCount + 2> start{};  // name c is text[start[c], start[c + 1])
};
constexpr CardNames makeCardNames()
{
    CardNames n;
    unsigned at = 0;
    const auto put = [&](std::string_view part) {
        for (char ch : part)
            n.text[at++] = ch;
    };
    for (Card c = 0; c <= CardCount; ++c) {
        n.start[static_cast<std::size_t>(c)] = at;
        if (c == LittleJoker) {
            put("Little Joker");
        } else if (c == BigJoker) {
            put("Big Joker");
        } else if (isValidCard(c)) {
            put(RankNames[static_cast<std::size_t>(rankOf(c))]);
            put(SuitNames[static_cast<std::size_t>(printedSuit(c))]);
        }
    }
    n.start[CardCount + 1] = at;
    return n;
}
inline constexpr CardNames Names = makeCardNames();
}  // namespace detail

constexpr std::string_view rankName(Card c)
{
    return isValidCard(c) && !isJoker(c) ? detail::RankNames[static_cast<std::size_t>(rankOf(c))] : "";
}
constexpr std::string_view suitName(Suit s) { return isPlainSuit(s) ? detail::SuitNames[static_cast<std::size_t>(s)] : ""; }
// Empty for a number that is no card.
constexpr std::string_view cardName(Card c)
{
    const std::size_t i = isValidCard(c) ? static_cast<std::size_t>(c) : 0;
    return {detail::Names.text.data() + detail::Names.start[i], detail::Names.start[i + 1] - detail::Names.start[i]};
}

}  // namespace corvane
