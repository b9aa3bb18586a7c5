#include "table/table_state.h"

namespace corvane {

Place TableState::placeOf(Card c) const
{
    for (Place p = 1; p < PlaceCount; ++p)
        if (at[p].has(c))
            return p;
    return 0;
}

CardSet TableState::holdingOfSuit(Seat s, Suit t) const
{
    CardSet h = at[s] & suitCards(t);
    if (jokerSuit == t)
        h |= at[s] & Jokers;
    return h;
}

void showTrumps(TableState& t, int s)
{
    if (s >= Diamonds && s <= NoTrumps)
        t.jokerSuit = s;
}

void resetTable(TableState& t)
{
    if (!t.gameStarted) {
        t.gamePoints = {};
        t.dealer = NoSeat;
    }
    t.trumps = NotChosen;
    showTrumps(t, NoTrumps);
    t.bidLevelChosen = false;
    t.highLowChosen = false;
    t.at = {};
    t.at[OutOfPlay] = AllCards;
    t.selected = {};
    t.cardPlayed = {};
    t.bidLevel = {};
    t.bidHigh = {};
    t.bidLow = {};
    t.passed = {};
    t.seatTricks = {};
    t.trumpChoice = {};
    t.teamContract = {};
    t.panel = {};
    t.firstDealPending = false;
    t.contractHigh = false;
    t.waitingForHuman = false;
    t.humanHasPlayed = false;
    t.discardMode = false;
    t.tricksPlayed = 0;
    t.teamBooks = {};
    t.trick = {};
    t.forcedBid = false;
}

std::string checkTable(const TableState& t)
{
    CardSet seen;
    int total = 0;
    for (Place p = 1; p < PlaceCount; ++p) {
        if (!(seen & t.at[p]).empty())
            return "a card lies in two places";
        seen |= t.at[p];
        total += t.at[p].count();
    }
    if (seen != AllCards || total != CardCount)
        return "the places do not hold exactly the 54 cards";
    if (!(t.cardPlayed - t.at[OutOfPlay]).empty())
        return "a played card is back in a hand";
    if (!(t.selected - t.at[KittyPlace]).empty())
        return "a picked discard is not in the kitty";
    const int books = t.teamBooks[1] + t.teamBooks[2];
    if (books != t.seatTricks[1] + t.seatTricks[2] + t.seatTricks[3] + t.seatTricks[4])
        return "team books differ from the seats' books";
    if (t.teamBooks[1] != t.seatTricks[1] + t.seatTricks[3])
        return "our team's books differ from South's and North's";
    if (books > 13)
        return "more than 13 books in a hand";
    return {};
}

}  // namespace corvane
