#include "sim/bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "record/record_writer.h"
#include "record/replay.h"

#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/play.h"

namespace corvane::sim {

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    TableState table;
    Seat seat;
    int position;
};

// Bytes of each table read, a cache line apart, so that the tables are in
// the cache before they are decided on.
long touch(const Sample* from, const Sample* to)
{
    const auto* first = reinterpret_cast<const unsigned char*>(from);
    const auto* last = reinterpret_cast<const unsigned char*>(to);
    long sum = 0;
    for (const unsigned char* p = first; p < last; p += 64)
        sum += *p;
    return sum;
}

// Every table is decided on once, as in a game, where no decision comes twice:
// the same few thousand timed again and again let the branch predictor learn
// them, and the decisions then look cheaper than they are. In a game the one
// table is always at hand, so the tables are read into the first-level cache
// a slice at a time, and only the decisions are timed.
template <class F>
double nsPerCall(const std::vector<Sample>& samples, F&& decide)
{
    if (samples.empty())
        return 0;
    const std::size_t slice = 64;  // 20 KB of tables
    long sink = 0;
    double ns = 0;
    for (std::size_t i = 0; i < samples.size(); i += slice) {
        const Sample* from = samples.data() + i;
        const Sample* to = samples.data() + std::min(samples.size(), i + slice);
        sink += touch(from, to);
        const auto start = Clock::now();
        for (const Sample* s = from; s != to; ++s)
            sink += decide(*s);
        ns += std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    }
    if (sink == -1)
        std::puts("");
    return ns / static_cast<double>(samples.size());
}

// The smaller of a fastest time so far and a new one; the first run has none.
void keepFastest(double& best, double time, int run)
{
    best = run == 0 ? time : std::min(best, time);
}

// The run played with its record written to memory, as --record writes it.
std::string recorded(const Options& o)
{
    std::string text;
    record::RecordWriter w({o.seed, record::SouthPlayer::Robot, o.southNoTrumps, 1}, [&](std::string_view line) {
        text += line;
        text += '\n';
    });
    simulate(o, [&](const Event& e, const TableState&, const Game& g) { w.observe(e, g); });
    return text;
}

// The table a discard decision saw: the kitty taken into the hand.
TableState withKittyTaken(TableState t, Seat s)
{
    for (Card c : t.kitty())
        t.move(c, s);
    return t;
}

}  // namespace

Bench bench(const Options& o, Tally& tally, const Observer& observe, int timings)
{
    // The decisions alone are timed on the tables met in a shorter run, and
    // the engine on that run's games.
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
    const double hands = static_cast<double>(std::max<long>(small.hands, 1));
    const double cardsPerHand = static_cast<double>(cards.size()) / hands;
    const double bidsPerHand = static_cast<double>(bids.size()) / hands;

    Bench b;
    // The whole run once, for its counts and its hands a second.
    const auto whole = Clock::now();
    tally = simulate(o, observe);
    b.seconds = std::chrono::duration<double>(Clock::now() - whole).count();

    // The shorter run's games and its decisions then take turns, many times,
    // in timings of a few milliseconds each, and the fastest of each is kept:
    // a timing of half a second nearly always meets other work on the
    // machine, one of a few milliseconds often none, so only timings of about
    // the same length are compared.
    b.timings = std::max(timings, 1);
    const std::string record = recorded(few);
    for (int run = 0; run < b.timings; ++run) {
        const auto start = Clock::now();
        simulate(few);
        const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        keepFastest(b.nsEnginePerHand, ns / hands, run);
        keepFastest(b.nsPerCardDecision,
                    nsPerCall(cards, [](const Sample& s) { return chooseCard(s.table, s.seat, s.position).card; }),
                    run);
        keepFastest(b.nsPerBidDecision,
                    nsPerCall(bids, [](const Sample& s) { return robotBid(s.table, s.seat).level; }), run);
        keepFastest(b.nsPerDiscardDecision, nsPerCall(discards, [](const Sample& s) {
                        return robotDiscards(s.table, s.seat).discards.count();
                    }),
                    run);
        const auto played = Clock::now();
        const std::size_t size = recorded(few).size();
        keepFastest(b.nsRecordPerHand,
                    std::chrono::duration<double, std::nano>(Clock::now() - played).count() / hands, run);
        std::istringstream in(record);
        const auto replaying = Clock::now();
        const record::ReplayResult replayed = record::replayRecord(in);
        keepFastest(b.nsReplayPerHand,
                    std::chrono::duration<double, std::nano>(Clock::now() - replaying).count() / hands, run);
        // A replay that stopped early would look fast.
        if (replayed.status != 0 || size != record.size())
            std::fprintf(stderr, "bench: the record of the timed games did not replay: %s\n",
                         replayed.message.c_str());
    }
    // One contract, so one set of discards, a hand.
    b.nsDecisionsPerHand =
        cardsPerHand * b.nsPerCardDecision + bidsPerHand * b.nsPerBidDecision + b.nsPerDiscardDecision;
    return b;
}

}  // namespace corvane::sim
