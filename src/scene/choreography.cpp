// The choreographer's shared moves; the events are in choreography_*.cpp,
// one file a stage of the hand.
#include "scene/choreography.h"

namespace corvane {

struct Choreographer::Dispatch {
    Choreographer& c;
    template <class E>
    void operator()(const E& e)
    {
        c.on(e);
    }
};

Steps Choreographer::stepsFor(const Event& e, const TableState& after, const Names& names)
{
    const Context now{e, after, names};
    m_now = &now;
    m_logged = false;
    m_steps.clear();
    std::visit(Dispatch{*this}, e.data);
    // Most events log when they are done; those that log earlier say so.
    if (!m_logged)
        logLines();
    m_now = nullptr;
    return std::move(m_steps);
}

void Choreographer::put(Step s)
{
    m_scene.apply(s);
    m_steps.push_back(std::move(s));
}

void Choreographer::pause()
{
    // At the Instant pace a pause is no step at all.
    const auto length = scaledPause(m_pauseLength, m_pace);
    if (length.count() > 0)
        put(step::Pause{length});
}

void Choreographer::sound(step::Cue cue) { put(step::Sound{cue}); }

void Choreographer::dealSoundPause()
{
    sound(step::Cue::CardDeal);
    pause();
}

void Choreographer::logLines()
{
    m_logged = true;
    for (std::string_view line : m_now->event.log)
        put(step::Log{std::string(line)});
}

void Choreographer::move(Card c, Spot at, bool faceUp, bool toFront)
{
    put(step::Move{c, at.left, at.top, faceUp, toFront});
}

void Choreographer::show(Card c, bool visible) { put(step::ShowCard{c, visible}); }
void Choreographer::show(Control c, bool visible) { put(step::ShowControl{c, visible}); }
void Choreographer::caption(Label l, std::string text) { put(step::Caption{l, std::move(text)}); }

void Choreographer::place(const Layout& layout)
{
    for (const Placement& p : layout)
        move(p.card, p.at, p.faceUp, true);
}

void Choreographer::layOut(Place p)
{
    place(sortPlace(p, m_now->after.at[p]));
    // Laying out West's hand has always restored the normal pause, even in
    // the middle of a slower activity.
    if (p == West)
        m_pauseLength = NormalPause;
}

// Every slide of the table: a jump, a pause, and when there is a second spot
// the second jump with the card sound and its pause.
void Choreographer::slide(Card c, const Slide& s, bool faceUp, bool toFront)
{
    move(c, s.first, faceUp, false);
    pause();
    if (!s.second)
        return;
    move(c, *s.second, faceUp, toFront);
    dealSoundPause();
}

void Choreographer::showNames()
{
    for (Seat s = South; s <= East; ++s)
        caption(nameLabel(s), m_now->names[s]);
}

// The seat's name label with the books it has taken this hand.
void Choreographer::showTricks(Seat s)
{
    caption(nameLabel(s), m_now->names[s] + "- Tricks " + std::to_string(m_now->after.seatTricks[s]));
}

}  // namespace corvane
