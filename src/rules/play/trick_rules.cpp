#include "rules/play/trick_rules.h"

namespace corvane {

namespace {

// The four cards of rank number r (Two = 1 .. Ace = 13).
constexpr CardSet rankCards(int r)
{
    return CardSet::of(cardOf(Diamonds, r)) | CardSet::of(cardOf(Clubs, r)) | CardSet::of(cardOf(Hearts, r)) |
           CardSet::of(cardOf(Spades, r));
}

// Rank number holding a given lowValue 1..13 (King 1 .. Two 12, Ace 13).
constexpr int rankOfLowValue(int v) { return v == 13 ? 13 : 13 - v; }

bool played(const TableState& t, Card c) { return t.cardPlayed.has(c); }

}  // namespace

bool holdsLedSuit(const TableState& t, Seat s) { return !t.holdingOfSuit(s, t.ledSuit()).empty(); }

Card lowestOfSuit(const TableState& t, Suit suit, Seat s, Mode m)
{
    const CardSet held = t.hand(s);
    const CardSet ofSuit = held & suitCards(suit);
    if (!ofSuit.empty()) {
        if (m == Mode::Up)
            return ofSuit.lowest();
        const CardSet belowAce = ofSuit - CardSet::of(aceOf(suit));
        return belowAce.empty() ? aceOf(suit) : belowAce.highest();
    }
    if (held.has(LittleJoker))
        return LittleJoker;
    if (held.has(BigJoker))
        return BigJoker;
    return NoCard;
}

Card lowestCard(const TableState& t, Seat s, Mode m)
{
    const CardSet held = t.hand(s);
    const CardSet plain = held - suitCards(t.trumps) - Jokers;
    for (int v = 1; v <= 13 && !plain.empty(); ++v) {
        const CardSet withValue = plain & rankCards(m == Mode::Up ? v : rankOfLowValue(v));
        if (!withValue.empty())
            return m == Mode::Up ? withValue.lowest() : withValue.highest();
    }
    return held.highest();
}

bool canBeatLead(const TableState& t, Seat s, Mode m)
{
    const Card led = t.trick.card[1];
    if (led == BigJoker || (led == LittleJoker && played(t, BigJoker)))
        return false;
    if (t.ledSuit() == t.trumps) {
        if (isAce(led) && played(t, LittleJoker) && played(t, BigJoker))
            return false;
    } else if (holdsLedSuit(t, s)) {
        if (isAce(led))
            return false;
    } else {
        return !t.holdingOfSuit(s, t.trumps).empty();
    }
    return !ledCardsAbove(t, s, [m](Card c) { return valueIn(m, c); }, valueIn(m, led)).empty();
}

bool leadBeatsSecond(const TableState& t, Mode m)
{
    const Card first = t.trick.card[1];
    const Card second = t.trick.card[2];
    const Suit led = t.ledSuit();
    const Suit suit2 = t.trick.suit[2];
    if (first == BigJoker || (first == LittleJoker && played(t, BigJoker)))
        return true;
    if (led == t.trumps)
        return suit2 != t.trumps || valueIn(m, first) > valueIn(m, second);
    if (suit2 == led)
        return isAce(first) || valueIn(m, first) > valueIn(m, second);
    return suit2 != t.trumps;
}

bool secondBeatsOthers(const TableState& t, Mode m)
{
    const auto& card = t.trick.card;
    const auto& suit = t.trick.suit;
    const Suit led = suit[1];
    const Suit trumps = t.trumps;
    if (card[1] == BigJoker)
        return false;
    if (card[2] == BigJoker)
        return true;
    if (card[2] == LittleJoker && card[3] != BigJoker)
        return true;
    if (suit[2] == trumps && led != trumps && suit[3] != trumps)
        return true;
    if (led == trumps && suit[2] != trumps)
        return false;
    if (suit[3] == trumps && led != trumps && suit[2] != trumps)
        return false;
    return suit[2] == led && suit[3] == led && led != trumps && !isAce(card[1]) &&
           valueIn(m, card[2]) > valueIn(m, card[1]) && valueIn(m, card[2]) > valueIn(m, card[3]);
}

Seat decideTrickWinner(const TableState& t, Mode m)
{
    const auto& trick = t.trick;
    const int w = trickWinnerPosition(std::span<const Card, 4>(trick.card.data() + 1, 4),
                                      std::span<const Suit, 4>(trick.suit.data() + 1, 4), t.trumps, m);
    return w < 0 ? t.trickWinner : trick.seat[static_cast<std::size_t>(w) + 1];
}

LadderLead leadByLadder(const TableState& t, Seat s, const Ladder& ladder)
{
    for (int step = 0; step < 3; ++step) {
        for (Suit suit = Diamonds; suit <= Spades; ++suit) {
            bool cleared = played(t, aceOf(suit));
            for (int above = 0; above < step; ++above)
                cleared = cleared && played(t, cardOf(suit, ladder[above]));
            const Card c = cardOf(suit, ladder[step]);
            if (cleared && t.hand(s).has(c))
                return {c, step};
        }
    }
    return {};
}

}  // namespace corvane
