#include "rules/scoring/hand_points.h"

namespace corvane {

int handPoints(bool doubled, int level, int books)
{
    if (level < 3 || level > 7)
        return 0;
    if (books >= level + 6)
        return (books - 6) * (doubled ? 2 : 1);
    return -level * (doubled ? 3 : 1);
}

}  // namespace corvane
