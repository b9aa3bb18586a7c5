#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "table/table_state.h"

namespace corvane::testing {

// Cards by short names separated by blanks: rank 2..9, T, J, Q, K, A and
// suit D, C, H, S ("TD", "AS"), or LJ and BJ for the jokers.
inline CardSet cards(std::string_view text)
{
    constexpr std::string_view Ranks = "23456789TJQKA";
    constexpr std::string_view Suits = "DCHS";
    CardSet set;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::string_view name = text.substr(i, 2);
        i += 2;
        if (name == "LJ") {
            set.add(LittleJoker);
        } else if (name == "BJ") {
            set.add(BigJoker);
        } else {
            const auto r = Ranks.find(name[0]);
            const auto s = name.size() == 2 ? Suits.find(name[1]) : std::string_view::npos;
            if (r == std::string_view::npos || s == std::string_view::npos)
                throw std::invalid_argument("bad card name " + std::string(name));
            set.add(cardOf(static_cast<Suit>(s) + 1, static_cast<int>(r) + 1));
        }
    }
    return set;
}

// A table as it stands before a deal (no game under way, jokers in No
// Trumps' suit as during the bidding) with the given cards moved into the
// given places; every other card stays out of play.
inline TableState tableWith(const std::vector<std::pair<Place, std::string_view>>& places)
{
    TableState t;
    t.gameStarted = false;
    resetTable(t);
    for (const auto& [place, text] : places)
        for (Card c : cards(text))
            t.move(c, place);
    return t;
}

}  // namespace corvane::testing
