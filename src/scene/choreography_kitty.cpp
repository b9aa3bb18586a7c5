// The kitty: the bid winner's exchange and discards, the wait before play,
// the No Trumps joker swaps and the kitty leaving the table.
#include "scene/choreography.h"

namespace corvane {

void Choreographer::on(const ev::KittyTaken& e)
{
    const TableState& t = m_now->after;
    place(kittyDisplay(e.seat, e.kitty));
    if (t.trumps == NoTrumps)
        layOut(South);
    else
        place(arrangeSouthHand(t.hand(South), t.jokerSuit));
}

void Choreographer::on(const ev::DiscardsOpened& e)
{
    show(Control::StartAgain, true);
    show(Control::DiscardCarryOn, true);
    for (Card joker : {BigJoker, LittleJoker}) {
        if (!e.autoPicked.has(joker))
            continue;
        const Sprite& s = m_scene.card(joker);
        move(joker, {s.left, s.top - PickRaise}, s.faceUp, true);
    }
}

void Choreographer::on(const ev::DiscardPicked& e)
{
    const Sprite& s = m_scene.card(e.card);
    move(e.card, {s.left, s.top - PickRaise}, s.faceUp, false);
}

void Choreographer::on(const ev::DiscardsReturned& e)
{
    // In No Trumps every suit card of the hand goes down, the jokers stay up.
    const TableState& t = m_now->after;
    const CardSet down = t.trumps == NoTrumps ? t.hand(South) - Jokers : e.returned;
    for (Card c : down) {
        const Sprite& s = m_scene.card(c);
        move(c, {s.left, SouthRowTop}, s.faceUp, false);
    }
}

void Choreographer::on(const ev::DiscardsConfirmed& e)
{
    const TableState& t = m_now->after;
    place(kittyDisplay(South, e.discards));
    place(arrangeSouthHand(t.hand(South), t.jokerSuit));
    show(Control::StartAgain, false);
    show(Control::DiscardCarryOn, false);
}

void Choreographer::on(const ev::KittyDiscarded& e)
{
    place(kittyDisplay(e.seat, e.discards));
    layOut(e.seat);
}

void Choreographer::on(const ev::ContractAnnounced&)
{
    logLines();
    show(Control::CarryOn, true);
}

void Choreographer::on(const ev::PlayStarting&) { show(Control::CarryOn, false); }

void Choreographer::on(const ev::JokerSwapped& e)
{
    layOut(e.seat);
    layOut(KittyPlace);
}

void Choreographer::on(const ev::KittyCleared& e)
{
    for (Card c : e.kitty)
        show(c, false);
}

}  // namespace corvane
