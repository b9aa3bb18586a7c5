#pragma once

#include <array>
#include <string>

#include "table/log_lines.h"
#include "table/names.h"
#include "table/seat.h"

namespace corvane {

// The log lines of trick play that name a seat, made once for each name
// rather than at every card.
class SeatLines {
public:
    explicit SeatLines(const Names& names);

    // "<name> played ", to be followed by the card's name.
    PaddedText played(Seat s) const { return view(m_played[s]); }
    // The winner of a trick that is not the last, who leads the next.
    PaddedText wonTrick(Seat s) const { return view(m_wonTrick[s]); }
    // South's turn to play.
    PaddedText yourCard() const { return view(m_yourCard); }

private:
    // Each line is kept with LogLines::Slack bytes after it.
    static std::string padded(std::string line);
    static PaddedText view(const std::string& line) { return PaddedText{{line.data(), line.size() - LogLines::Slack}}; }

    std::array<std::string, 5> m_played;
    std::array<std::string, 5> m_wonTrick;
    std::string m_yourCard;
};

}  // namespace corvane
