// The tricks: each card played to the table, each trick gathered to its
// winner's side, and the hand's score.
#include "scene/choreography.h"

namespace corvane {

namespace {
constexpr int CardPlayedPause = 400;
constexpr int GatherPause = 350;
}  // namespace

void Choreographer::on(const ev::CardPlayed& e)
{
    if (e.seat == South) {
        // The click placed the card: no slide, and the hand keeps its gap.
        move(e.card, HumanTrickSpot, true, false);
        dealSoundPause();
        logLines();
        return;
    }
    m_pauseLength = CardPlayedPause;
    slide(e.card, playSlide(e.seat), true, true);
    logLines();
    pause();
    layOut(e.seat);
    m_pauseLength = NormalPause;
}

void Choreographer::on(const ev::TrickGathered& e)
{
    const Seat w = e.winner;
    if (isSeat(w)) {
        const Team team = teamOf(w);
        caption(team == OurTeam ? Label::YourMade : Label::TheirMade, std::to_string(m_now->after.teamBooks[team]));
        showTricks(w);
    }
    m_pauseLength = GatherPause;
    for (int p = 1; p <= 4; ++p) {
        const Sprite& s = m_scene.card(e.cards[p]);
        move(e.cards[p], {s.left, s.top}, false, false);
        pause();
    }
    for (int p = 1; p <= 4; ++p)
        move(e.cards[p], GatherSpot, false, false);
    for (int p = 1; p <= 3; ++p)
        show(e.cards[p], false);
    if (isSeat(w))
        slide(e.cards[4], gatherSlide(w), false, false);
    show(e.cards[4], false);
    m_pauseLength = NormalPause;
}

void Choreographer::on(const ev::HandScored& e)
{
    caption(e.team == OurTeam ? Label::YourScore : Label::TheirScore,
            std::to_string(m_now->after.gamePoints[e.team]));
}

}  // namespace corvane
