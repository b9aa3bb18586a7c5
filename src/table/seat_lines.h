#pragma once

#include <array>
#include <string>
#include <string_view>

#include "table/names.h"
#include "table/seat.h"

namespace corvane {

// The log lines of trick play that name a seat, made once for each name
// rather than at every card.
class SeatLines {
public:
    explicit SeatLines(const Names& names);

    // "<name> played ", to be followed by the card's name.
    std::string_view played(Seat s) const { return m_played[s]; }
    // The winner of a trick that is not the last, who leads the next.
    std::string_view wonTrick(Seat s) const { return m_wonTrick[s]; }
    // South's turn to play.
    std::string_view yourCard() const { return m_yourCard; }

private:
    std::array<std::string, 5> m_played;
    std::array<std::string, 5> m_wonTrick;
    std::string m_yourCard;
};

}  // namespace corvane
