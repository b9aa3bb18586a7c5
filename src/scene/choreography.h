#pragma once

#include "scene/layouts.h"
#include "scene/pace.h"
#include "scene/scene.h"
#include "scene/step.h"
#include "table/event.h"
#include "table/names.h"
#include "table/table_state.h"

namespace corvane {

// Turns the engine's events into the steps the table shows: where each card
// goes, captions, buttons, sounds, log lines and pauses, in the order and
// with the pause lengths of the original table.
//
// The pause length is carried from event to event, as the original's
// PauseLength was: each activity sets it on entry and usually restores the
// normal 125 ms when it ends, but not always (a pass of the person leaves
// 1000 ms for whatever comes next, and laying out West's hand restores
// 125 ms in the middle of an activity). The choreographer also keeps the
// scene as it will be once its steps are played, since some steps are
// relative to where a card lies (a picked discard is raised by 200).
//
// Use: for each event, stepsFor(event, the table after it, the names), and
// hand the steps to the pacer. The pace scales every pause it gives from
// then on.
class Choreographer {
public:
    explicit Choreographer(Pace pace = Pace::Normal) : m_pace(pace) {}

    Pace pace() const { return m_pace; }
    void setPace(Pace p) { m_pace = p; }

    // The length the next pause would have, in ms at normal pace.
    int pauseLength() const { return m_pauseLength; }
    // The table once every step given so far has been played.
    const Scene& scene() const { return m_scene; }

    Steps stepsFor(const Event& e, const TableState& after, const Names& names);
    // A step given out beside the events (a hint's rings, a robot's reason, a
    // line of the window's own for the log), which the scene takes too.
    void apply(const Step& s) { m_scene.apply(s); }
    void add(Steps& steps, Step s)
    {
        apply(s);
        steps.push_back(std::move(s));
    }

private:
    // The event being choreographed.
    struct Context {
        const Event& event;
        const TableState& after;
        const Names& names;
    };
    struct Dispatch;

    void put(Step s);
    void pause();
    void dealSoundPause();
    void sound(step::Cue cue);
    void logLines();
    void move(Card c, Spot at, bool faceUp, bool toFront);
    void show(Card c, bool visible);
    void show(Control c, bool visible);
    void caption(Label l, std::string text);
    void place(const Layout& layout);
    void layOut(Place p);
    void slide(Card c, const Slide& s, bool faceUp, bool toFront);
    void showNames();
    void showTricks(Seat s);

    void on(const ev::HandStarted& e);
    void on(const ev::DealerDrawStarted& e);
    void on(const ev::DealerCardTurned& e);
    void on(const ev::DealerChosen& e);
    void on(const ev::DealerCardsCleared& e);
    void on(const ev::PackGathered& e);
    void on(const ev::CardDealt& e);
    void on(const ev::HumanBidTurn& e);
    void on(const ev::BidMade& e);
    void on(const ev::BidPassed& e);
    void on(const ev::ContractSettled& e);
    void on(const ev::BookCredited& e);
    void on(const ev::KittyTaken& e);
    void on(const ev::DiscardsOpened& e);
    void on(const ev::DiscardPicked& e);
    void on(const ev::DiscardsReturned& e);
    void on(const ev::DiscardsConfirmed& e);
    void on(const ev::KittyDiscarded& e);
    void on(const ev::ContractAnnounced& e);
    void on(const ev::PlayStarting& e);
    void on(const ev::JokerSwapped& e);
    void on(const ev::KittyCleared& e);
    void on(const ev::CardPlayed& e);
    void on(const ev::TrickGathered& e);
    void on(const ev::HandScored& e);
    // Events that only log (the opening of the bidding, a refused command…).
    template <class Other>
    void on(const Other&) {}

    Pace m_pace;
    int m_pauseLength = NormalPause;
    Scene m_scene;
    Steps m_steps;
    const Context* m_now = nullptr;
    bool m_logged = false;
};

}  // namespace corvane
