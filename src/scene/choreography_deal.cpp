// A hand begins: the table is cleared, the dealer is drawn at the start of a
// game, the pack is gathered and the 54 cards are dealt.
#include "scene/choreography.h"

namespace corvane {

namespace {
constexpr int DrawPause = 250;
constexpr int SeatDealPause = 50;
constexpr int KittyDealPause = 25;
}  // namespace

void Choreographer::on(const ev::HandStarted& e)
{
    showNames();
    for (Label l : {Label::YourMade, Label::TheirMade, Label::TheirBid, Label::YourBid})
        caption(l, "");
    caption(Label::ScoresFrame, "Scores");
    put(step::ClearLog{});
    if (e.newGame) {
        caption(Label::YourScore, "");
        caption(Label::TheirScore, "");
    }
    put(step::ShowTrumps{trumpPicture(NoTrumps)});
    for (Seat s = South; s <= East; ++s)
        show(dealerMarker(s), false);
    show(Control::Outline, true);
    sound(step::Cue::Shuffle);
    logLines();
    if (e.newGame)
        pause();
}

void Choreographer::on(const ev::DealerDrawStarted&)
{
    m_pauseLength = DrawPause;
    for (Card c = 1; c <= CardCount; ++c)
        show(c, false);
    pause();
}

void Choreographer::on(const ev::DealerCardTurned& e)
{
    show(e.card, true);
    move(e.card, drawSpot(e.seat), true, true);
    dealSoundPause();
    if (!e.diamond && (e.seat == West || e.seat == North))
        pause();
}

void Choreographer::on(const ev::DealerChosen& e)
{
    logLines();
    show(dealerMarker(e.dealer), true);
    show(Control::CarryOn, true);
}

void Choreographer::on(const ev::DealerCardsCleared&)
{
    show(Control::CarryOn, false);
    for (Card c : m_now->after.at[SetAside])
        show(c, false);
}

void Choreographer::on(const ev::PackGathered&)
{
    m_pauseLength = DrawPause;
    sound(step::Cue::Shuffle);
    for (Card c = 1; c <= CardCount; ++c) {
        show(c, true);
        move(c, packSpot(c), false, true);
    }
    sound(step::Cue::Shuffle);
}

void Choreographer::on(const ev::CardDealt& e)
{
    m_pauseLength = e.to == KittyPlace ? KittyDealPause : SeatDealPause;
    slide(e.card, dealSlide(e.to), false, false);
    layOut(e.to);
    m_pauseLength = NormalPause;
}

}  // namespace corvane
