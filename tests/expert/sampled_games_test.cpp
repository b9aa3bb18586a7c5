#include <gtest/gtest.h>

#include <string>

#include "expert/knowledge.h"
#include "expert/sampler.h"
#include "hand_script.h"
#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::expert;
using namespace corvane::testing;

namespace {

// Whole engine games, South played by the robots' rules. Before every card
// played, each seat's knowledge is held against the true deal, and each
// seat draws deals from its own.
class GameWatch {
public:
    std::string fault;
    long decisions = 0;
    long draws = 0;
    long kittyDraws = 0;        // draws with an unseen card in the kitty
    long noTrumpDecisions = 0;

    void see(const Event& e, const TableState& before, const Game& g)
    {
        if (!fault.empty())
            return;
        if (e.is<ev::PackGathered>()) {
            m_kitty = {};
            m_swapTaken = {};
            m_swapGiven = {};
            m_played = {};
        } else if (const auto* c = e.as<ev::KittyCleared>()) {
            m_kitty = c->kitty;
        } else if (const auto* s = e.as<ev::JokerSwapped>()) {
            m_swapTaken[ix(s->seat)].add(s->card);
            m_swapGiven[ix(s->seat)].add(s->joker);
        } else if (const auto* t = e.as<ev::TrickGathered>()) {
            for (int i = 1; i <= 4; ++i)
                m_played[ix(t->seats[ix(i)])].add(t->cards[ix(i)]);
        } else if (const auto* p = e.as<ev::CardPlayed>()) {
            check(*p, before, g);
        }
        for (Seat v = South; v <= East; ++v)
            m_views[ix(v)].observe(e);
    }

private:
    void fail(const std::string& what, Seat viewer)
    {
        if (fault.empty())
            fault = what + " (viewer " + std::to_string(viewer) + ", decision " + std::to_string(decisions) + ")";
    }

    void check(const ev::CardPlayed& p, const TableState& t, const Game& g)
    {
        ++decisions;
        noTrumpDecisions += t.trumps == NoTrumps;
        Whereabouts truth{};
        for (Seat s = South; s <= East; ++s)
            truth[ix(s)] = t.hand(s);
        truth[KittyPlace] = m_kitty;
        std::array<CardSet, 5> played = m_played;
        for (int i = 1; i < p.position; ++i)
            played[ix(t.trick.seat[ix(i)])].add(t.trick.card[ix(i)]);

        for (Seat v = South; v <= East; ++v) {
            const Knowledge& k = m_views[ix(v)];
            if (std::string m = misfit(k, truth); !m.empty())
                return fail("the true deal does not fit: " + m, v);
            if (k.hand() != truth[ix(v)])
                return fail("its own hand is not known", v);
            if (k.leader() != t.leader || k.onTrick() != p.position - 1 || k.trumps() != t.trumps ||
                k.high() != t.contractHigh || k.bidWinner() != t.bidWinner)
                return fail("the contract or the trick is wrong", v);
            for (int i = 0; i < k.onTrick(); ++i)
                if (k.trickCard(i) != t.trick.card[ix(i + 1)])
                    return fail("a card of the trick is wrong", v);
            const bool sawDiscards = v == t.bidWinner || t.bidWinner != South;
            for (Seat s = South; s <= East; ++s) {
                if (k.played(s) != played[ix(s)])
                    return fail("the cards played are not known", v);
                if (s == v)
                    continue;
                // Another seat's cards are known only when a swap showed them.
                const CardSet shown = sawDiscards ? m_swapTaken[ix(s)] & truth[ix(s)] : CardSet();
                if (k.known(s) != shown)
                    return fail("seat " + std::to_string(s) + "'s cards known are not those shown", v);
            }
            // The kitty: a face-up one is known but for the jokers swapped in
            // face down; one face down only for the joker the viewer put there.
            const CardSet kitty = k.known(KittyPlace);
            if (sawDiscards ? !(m_kitty - Jokers - kitty).empty() : !(kitty - m_swapGiven[ix(v)]).empty())
                return fail("the kitty known is not the kitty shown", v);
            if (!(m_swapGiven[ix(v)] - kitty).empty())
                return fail("a joker it swapped is not known in the kitty", v);
        }

        for (Seat v = South; v <= East; ++v)
            drawFor(v, p, g);
    }

    void drawFor(Seat v, const ev::CardPlayed& p, const Game& g)
    {
        const Knowledge& k = m_views[ix(v)];
        Sampler sampler(k, samplerSeed(*g.dealNumber(), k));
        for (int n = 0; n < 2; ++n) {
            const std::optional<SampledDeal> d = sampler.draw();
            if (!d)
                return fail("no deal drawn", v);
            ++draws;
            kittyDraws += k.unknownCount(KittyPlace) > 0;
            if (std::string m = misfit(k, whereaboutsOf(*d)); !m.empty())
                return fail("a drawn deal does not fit: " + m, v);
            if (const char* m = positionFault(d->position))
                return fail(std::string("a drawn deal is no position: ") + m, v);
            // The seat to play holds the card it plays in every deal it draws.
            if (v == p.seat && !d->position.hands[ix(p.seat)].has(p.card))
                return fail("the card played is not in the drawn hand", v);
        }
    }

    std::array<Knowledge, 5> m_views{Knowledge(NoSeat), Knowledge(South), Knowledge(West), Knowledge(North),
                                     Knowledge(East)};
    CardSet m_kitty;
    std::array<CardSet, 5> m_swapTaken{};
    std::array<CardSet, 5> m_swapGiven{};
    std::array<CardSet, 5> m_played{};
};

void watchGames(bool southNoTrumps, std::uint64_t seed)
{
    sim::Options o;
    o.games = 300;
    o.seed = seed;
    o.southNoTrumps = southNoTrumps;
    GameWatch watch;
    const sim::Tally tally = sim::simulate(
        o, [&watch](const Event& e, const TableState& before, const Game& g) { watch.see(e, before, g); });
    EXPECT_EQ(tally.firstFault, "");
    EXPECT_EQ(watch.fault, "");
    EXPECT_EQ(tally.games, 300);
    EXPECT_EQ(watch.decisions, tally.hands * 48);
    EXPECT_EQ(watch.draws, 8 * watch.decisions);
    // Both kinds of kitty were met: seen whole, and with cards unseen.
    EXPECT_GT(watch.kittyDraws, 0);
    EXPECT_LT(watch.kittyDraws, watch.draws);
    if (southNoTrumps)
        EXPECT_GT(watch.noTrumpDecisions, 0);
}

TEST(SampledGames, TrumpGamesFitAtEveryCard) { watchGames(false, 31); }

TEST(SampledGames, NoTrumpGamesFitAtEveryCard) { watchGames(true, 32); }

}  // namespace
