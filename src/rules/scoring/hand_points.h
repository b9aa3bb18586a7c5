#pragma once

namespace corvane {

// The points the bidding team scores for a hand: every book above six when
// it took its level + 6 books, else minus the level; No Trumps (doubled)
// scores twice a made contract and three times a failed one. A level outside
// 3..7 scores nothing.
int handPoints(bool doubled, int level, int books);

}  // namespace corvane
