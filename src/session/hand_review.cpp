#include "session/hand_review.h"

#include "engine/explain.h"

namespace corvane {

namespace {

std::string sentence(const Event& e, const Names& names) { return explain(e, names, Told::AfterHand); }

}  // namespace

void HandReviewer::observe(const Event& e, const TableState& after, const Names& names)
{
    HandReview& r = m_review;
    if (const auto* h = e.as<ev::HandStarted>()) {
        if (h->newGame)
            m_hands = 0;
    } else if (e.is<ev::PackGathered>()) {
        r = HandReview{};
        r.hand = ++m_hands;
        r.dealer = after.dealer;
    } else if (const auto* d = e.as<ev::CardDealt>()) {
        (d->to == KittyPlace ? r.kitty : r.dealt[d->to]).add(d->card);
    } else if (const auto* b = e.as<ev::BidMade>()) {
        r.bids.push_back({b->seat, false, b->level, b->high, b->trumps, b->forced, sentence(e, names)});
    } else if (const auto* p = e.as<ev::BidPassed>()) {
        r.bids.push_back({p->seat, true, 0, false, NoSuit, false, sentence(e, names)});
    } else if (const auto* c = e.as<ev::ContractSettled>()) {
        r.declarer = c->winner;
        r.level = c->level;
        r.high = c->high;
        r.trumps = c->trumps;
    } else if (const auto* k = e.as<ev::KittyDiscarded>()) {
        r.discards = k->discards;
        r.discardWhy = sentence(e, names);
    } else if (const auto* dc = e.as<ev::DiscardsConfirmed>()) {
        r.discards = dc->discards;
    } else if (const auto* j = e.as<ev::JokerSwapped>()) {
        r.swaps.push_back({j->seat, j->joker, j->card, sentence(e, names)});
    } else if (const auto* pl = e.as<ev::CardPlayed>()) {
        if (pl->position == 1)
            r.tricks.push_back({static_cast<int>(r.tricks.size()) + 1, pl->seat, {}, {}, NoSeat});
        if (!r.tricks.empty()) {
            r.tricks.back().bySeat[pl->seat] = pl->card;
            r.tricks.back().why[pl->seat] = sentence(e, names);
        }
    } else if (const auto* t = e.as<ev::TrickGathered>()) {
        if (!r.tricks.empty())
            r.tricks.back().winner = t->winner;
    } else if (const auto* s = e.as<ev::HandScored>()) {
        r.names = names;
        r.books = after.teamBooks;
        r.points = {};
        r.points[s->team] = s->points;
        r.gamePoints = after.gamePoints;
        r.message = e.message ? e.message->text : std::string();
    }
}

}  // namespace corvane
