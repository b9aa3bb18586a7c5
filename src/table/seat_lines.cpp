#include "table/seat_lines.h"

namespace corvane {

SeatLines::SeatLines(const Names& names) : m_yourCard(names[South] + " please click on the card you wish to play.")
{
    for (Seat s = 0; s <= 4; ++s) {
        m_played[s] = names[s] + " played ";
        m_wonTrick[s] = s == South ? names[s] + " you won this trick, please click on card to play."
                                   : names[s] + " won this trick and will now lead a card.";
    }
}

}  // namespace corvane
