#include "sim/bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bidding/robot_bid.h"
#include "bidding/robot_discard.h"
#include "play/play.h"

namespace corvane::sim {

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    TableState table;
    Seat seat;
    int position;
};

// At most `most` samples spread evenly over all of them: few enough that
// their tables come from the cache rather than memory (in a game the one
// table is always at hand), yet too many for the branch predictor to learn.
std::vector<Sample> spread(const std::vector<Sample>& all, std::size_t most)
{
    if (all.size() <= most)
        return all;
    std::vector<Sample> some;
    some.reserve(most);
    for (std::size_t i = 0; i < most; ++i)
        some.push_back(all[i * all.size() / most]);
    return some;
}

template <class F>
double nsPerCall(const std::vector<Sample>& samples, F&& decide)
{
    if (samples.empty())
        return 0;
    long sink = 0;
    const int rounds = 100;
    const auto start = Clock::now();
    for (int r = 0; r < rounds; ++r)
        for (const Sample& s : samples)
            sink += decide(s);
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    if (sink == -1)
        std::puts("");
    return ns / (static_cast<double>(rounds) * static_cast<double>(samples.size()));
}

// The smaller of a fastest time so far and a new one; the first run has none.
void keepFastest(double& best, double time, int run)
{
    best = run == 0 ? time : std::min(best, time);
}

// The table a discard decision saw: the kitty taken into the hand.
TableState withKittyTaken(TableState t, Seat s)
{
    for (Card c : t.kitty())
        t.move(c, s);
    return t;
}

}  // namespace

Bench bench(const Options& o, Tally& tally, const Observer& observe, int runs)
{
    // The decisions alone are timed on tables met in a shorter run.
    std::vector<Sample> cards, bids, discards;
    Options few = o;
    few.games = std::min<long>(o.games, 200);
    const Tally small = simulate(few, [&](const Event& e, const TableState& before, const Game&) {
        if (auto p = e.as<ev::CardPlayed>())
            cards.push_back({before, p->seat, p->position});
        if (auto m = e.as<ev::BidMade>())
            bids.push_back({before, m->seat, 0});
        if (auto m = e.as<ev::BidPassed>())
            bids.push_back({before, m->seat, 0});
        if (auto k = e.as<ev::KittyDiscarded>())
            discards.push_back({withKittyTaken(before, k->seat), k->seat, 0});
    });
    // Decisions a hand, counted before the samples are thinned out.
    const double hands = static_cast<double>(std::max<long>(small.hands, 1));
    const double cardsPerHand = static_cast<double>(cards.size()) / hands;
    const double bidsPerHand = static_cast<double>(bids.size()) / hands;
    const std::size_t most = 4096;
    cards = spread(cards, most);
    bids = spread(bids, most);
    discards = spread(discards, most);

    // The games and the decisions take turns, so that both are timed on the
    // machine as it is at that moment, whatever else it is doing then.
    Bench b;
    b.runs = observe ? 1 : std::max(runs, 1);
    for (int run = 0; run < b.runs; ++run) {
        const auto start = Clock::now();
        tally = simulate(o, observe);
        keepFastest(b.seconds, std::chrono::duration<double>(Clock::now() - start).count(), run);
        keepFastest(b.nsPerCardDecision,
                    nsPerCall(cards, [](const Sample& s) { return chooseCard(s.table, s.seat, s.position).card; }),
                    run);
        keepFastest(b.nsPerBidDecision,
                    nsPerCall(bids, [](const Sample& s) { return robotBid(s.table, s.seat).level; }), run);
        keepFastest(b.nsPerDiscardDecision, nsPerCall(discards, [](const Sample& s) {
                        return robotDiscards(s.table, s.seat).discards.count();
                    }),
                    run);
    }
    if (small.hands > 0)
        b.nsDecisionsPerHand = cardsPerHand * b.nsPerCardDecision + bidsPerHand * b.nsPerBidDecision +
                               b.nsPerDiscardDecision;  // one contract, one set of discards a hand
    return b;
}

}  // namespace corvane::sim
