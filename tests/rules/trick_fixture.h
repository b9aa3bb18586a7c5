#pragma once

#include <string_view>
#include <vector>

#include "rules/play/play.h"
#include "support/table_builder.h"

namespace corvane::testing {

// A table in the middle of a hand: the contract, the cards already gathered,
// the seat to play holding `hand`, and the trick so far (positions 1.. in
// order, played by the seats before `seat`).
struct TrickTable {
    TableState t;
    Seat seat;

    TrickTable(Suit trumps, bool high, Seat who, std::string_view hand, std::string_view trick = "",
               std::string_view gathered = "")
        : seat(who)
    {
        t = tableWith({{who, hand}});
        t.gameStarted = true;
        t.trumps = trumps;
        t.contractHigh = high;
        showTrumps(t, trumps);
        for (Card c : cards(gathered))
            t.cardPlayed.add(c);
        std::vector<Card> order = inOrder(trick);
        const int before = static_cast<int>(order.size());
        for (int p = 1; p <= before; ++p) {
            t.trick.card[p] = order[p - 1];
            t.trick.suit[p] = t.suitOf(order[p - 1]);
            t.trick.seat[p] = (who - 1 + 4 - before + p - 1) % 4 + 1;
        }
        if (before < 4)
            t.trick.seat[before + 1] = who;
    }

    int position() const
    {
        int p = 1;
        while (p <= 4 && t.trick.card[p] != NoCard)
            ++p;
        return p;
    }
    Card choose() const { return chooseCard(t, seat, position()).card; }
    PlayDecision decide() const { return chooseCard(t, seat, position()); }

    // Cards in the order written (a CardSet would sort them).
    static std::vector<Card> inOrder(std::string_view text)
    {
        std::vector<Card> out;
        for (std::size_t i = 0; i < text.size(); i += 3)
            out.push_back(cards(text.substr(i, 2)).lowest());
        return out;
    }
};

inline Card card(std::string_view name) { return cards(name).lowest(); }

}  // namespace corvane::testing
