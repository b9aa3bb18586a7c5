// corvane-sim: plays whole games headless, South by the robots' rules, and
// reports what happened; with --bench, how fast.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "engine/explain.h"
#include "record/reason_text.h"
#include "record/record_writer.h"
#include "record/replay.h"
#include "sim/bench.h"
#include "sim/duel.h"
#include "sim/simulation.h"

using namespace corvane;
using namespace corvane::sim;

namespace {

struct Args {
    Options sim;
    bool json = false;
    bool bench = false;
    bool gamesGiven = false;
    bool reasons = false;
    std::string record;  // write every game here
    std::string replay;  // replay this record instead of simulating
    std::string duel;    // two levels to play against each other
    int jobs = 1;
};

void usage(FILE* to)
{
    std::fputs("usage: corvane-sim [--games N] [--seed S] [--deal N] [--south-nt] [--check] [--json] [--reasons]\n"
               "                   [--bench] [--record FILE]\n"
               "       corvane-sim --duel A,B [--games N] [--seed S] [--jobs J]\n"
               "       corvane-sim --replay FILE\n"
               "       corvane-sim --help\n"
               "  --games N    games to play (default 1)\n"
               "  --seed S     seed of the deals (default 1); the same seed plays the same games\n"
               "  --deal N     the first game begins with deal number N, as the window's\n"
               "               Play > Deal Number does\n"
               "  --south-nt   South names No Trumps whenever its rule makes an ordinary bid\n"
               "  --check      check every invariant after every action, and judge every trick,\n"
               "               hand and game by rules written apart from the engine's\n"
               "  --json       print the report as JSON\n"
               "  --reasons    print how often each robot rule decided, and the rules never reached\n"
               "  --bench      print hands per second (20000 games unless --games is given)\n"
               "               and the cost a hand of the engine, of the robots' decisions\n"
               "               alone, of playing and recording and of replaying the record,\n"
               "               each timed in turn on the first 200 games\n"
               "  --record F   write every game to F as JSON Lines\n"
               "  --replay F   replay the record F and check that every line comes out the same\n"
               "               (exit 0 the same, 1 a difference, 2 not a valid record)\n"
               "  --duel A,B   play each game twice from the same deal number, levels A and B\n"
               "               swapping teams, and report A against B with 95 % intervals;\n"
               "               the levels: classic (the robots' rules), expert (cards, bids and\n"
               "               discards by sampled double-dummy play), expert-fast (the Expert at\n"
               "               the Fast pace's smaller budget)\n"
               "  --jobs J     play the duel's games on J threads (the same results for any J)\n"
               "  --help, -h   show this text and leave\n",
               to);
}

bool parseNumber(const char* text, unsigned long long& out)
{
    char* end = nullptr;
    errno = 0;
    out = std::strtoull(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && text[0] != '-';
}

bool parse(int argc, char** argv, Args& a)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto number = [&](unsigned long long& out) {
            return i + 1 < argc && parseNumber(argv[++i], out);
        };
        unsigned long long n = 0;
        if (arg == "--games" && number(n) && n > 0) {
            a.sim.games = static_cast<long>(n);
            a.gamesGiven = true;
        }
        else if (arg == "--seed" && number(n))
            a.sim.seed = n;
        else if (arg == "--jobs" && number(n) && n > 0 && n <= 256)
            a.jobs = static_cast<int>(n);
        else if (arg == "--duel" && i + 1 < argc)
            a.duel = argv[++i];
        else if (arg == "--deal" && i + 1 < argc) {
            const DealEntry deal = readDealNumber(argv[++i]);
            if (!deal.number) {
                std::fprintf(stderr, "corvane-sim: %s\n", deal.error.c_str());
                return false;
            }
            a.sim.deal = deal.number;
        }
        else if (arg == "--south-nt")
            a.sim.southNoTrumps = true;
        else if (arg == "--check")
            a.sim.check = true;
        else if (arg == "--reasons")
            a.reasons = a.sim.countReasons = true;
        else if (arg == "--json")
            a.json = true;
        else if (arg == "--bench")
            a.bench = true;
        else if ((arg == "--record" || arg == "--replay") && i + 1 < argc)
            (arg == "--record" ? a.record : a.replay) = argv[++i];
        else if (arg == "--help" || arg == "-h") {
            usage(stdout);
            std::exit(0);
        } else {
            std::fprintf(stderr, "corvane-sim: bad argument '%s'\n", arg.c_str());
            return false;
        }
    }
    return true;
}

void report(const Args& a, const Tally& t, const Bench* b)
{
    const double perGame = t.games ? static_cast<double>(t.hands) / static_cast<double>(t.games) : 0;
    if (a.json) {
        std::printf("{\"games\":%ld,\"hands\":%ld,\"average_hands_per_game\":%.4f,\"won\":{\"1\":%ld,\"2\":%ld},"
                    "\"contracts\":{",
                    t.games, t.hands, perGame, t.gamesWon[1], t.gamesWon[2]);
        for (int k = 0; k < KindCount; ++k)
            std::printf("%s\"%s\":{\"made\":%ld,\"set\":%ld}", k ? "," : "", kindName(k), t.made[k], t.set[k]);
        std::printf("}");
        if (b)
            std::printf(",\"timings\":%d,\"seconds\":%.4f,\"hands_per_second\":%.0f,\"ns_per_card_decision\":%.1f,"
                        "\"ns_per_bid_decision\":%.1f,\"ns_per_discard_decision\":%.1f,"
                        "\"ns_decisions_per_hand\":%.0f,\"ns_engine_per_hand\":%.0f,\"ns_record_per_hand\":%.0f,"
                        "\"ns_replay_per_hand\":%.0f,\"replayed_hands_per_second\":%.0f",
                        b->timings, b->seconds, static_cast<double>(t.hands) / b->seconds, b->nsPerCardDecision,
                        b->nsPerBidDecision, b->nsPerDiscardDecision, b->nsDecisionsPerHand, b->nsEnginePerHand,
                        b->nsRecordPerHand, b->nsReplayPerHand, b->nsReplayPerHand > 0 ? 1e9 / b->nsReplayPerHand : 0.0);
        std::printf(",\"fault\":\"%s\"}\n", t.firstFault.c_str());
        return;
    }
    std::printf("games %ld\nhands %ld\naverage hands per game %.4f\ngames won by South and North %ld, by West and "
                "East %ld\n",
                t.games, t.hands, perGame, t.gamesWon[1], t.gamesWon[2]);
    for (int k = 0; k < KindCount; ++k)
        std::printf("%-20s made %ld set %ld\n", kindName(k), t.made[k], t.set[k]);
    if (a.sim.check)
        std::printf("actions checked %ld\n", t.actions);
#ifndef NDEBUG
        // A build with assertions checks the table inside every advance() too.
        std::printf("assertions on\n");
#endif
    if (b) {
        std::printf("seconds %.3f\nhands per second %.0f\nrobot card decision %.1f ns\nrobot bid decision %.1f ns\n"
                    "robot discard decision %.1f ns\n",
                    b->seconds, static_cast<double>(t.hands) / b->seconds, b->nsPerCardDecision, b->nsPerBidDecision,
                    b->nsPerDiscardDecision);
        std::printf("engine per hand %.0f ns\ndecisions alone per hand %.0f ns (engine %.2f times; the fastest of %d "
                    "timings of each)\n",
                    b->nsEnginePerHand, b->nsDecisionsPerHand,
                    b->nsDecisionsPerHand > 0 ? b->nsEnginePerHand / b->nsDecisionsPerHand : 0.0, b->timings);
        std::printf("played and recorded per hand %.0f ns\nreplayed per hand %.0f ns (%.0f hands per second, %.2f times "
                    "playing and recording)\n",
                    b->nsRecordPerHand, b->nsReplayPerHand, b->nsReplayPerHand > 0 ? 1e9 / b->nsReplayPerHand : 0.0,
                    b->nsRecordPerHand > 0 ? b->nsReplayPerHand / b->nsRecordPerHand : 0.0);
    }
    if (!t.firstFault.empty())
        std::printf("FAULT %s\n", t.firstFault.c_str());
}

void reportReasons(const Tally& t)
{
    const std::vector<Reason> all = everyReason();
    int reached = 0;
    for (const Reason& r : all) {
        const long n = t.timesDecided(r);
        reached += n > 0;
        std::printf("%-8ld %s\n", n, record::reasonText(r).c_str());
    }
    std::printf("reasons reached %d of %zu\n", reached, all.size());
}

void printInterval(const char* what, const Interval& i)
{
    std::printf("%s %+.4f (95%% interval %+.4f to %+.4f)\n", what, i.mean, i.low, i.high);
}

// Two known levels "A,B", or why not.
std::string duelLevels(const std::string& text, DuelOptions& o)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return "--duel takes two levels, as in classic,classic";
    o.levels = {levelNamed(text.substr(0, comma)), levelNamed(text.substr(comma + 1))};
    for (const Level& l : o.levels)
        if (!l.make)
            return "no level is called '" + l.name + "'";
    return {};
}

int runDuel(const Args& a)
{
    DuelOptions o;
    if (const std::string trouble = duelLevels(a.duel, o); !trouble.empty()) {
        std::fprintf(stderr, "corvane-sim: %s\n", trouble.c_str());
        return 2;
    }
    o.games = a.sim.games;
    o.seed = a.sim.seed;
    o.jobs = a.jobs;
    const DuelReport r = duel(o);
    const char* first = o.levels[0].name.c_str();
    const char* second = o.levels[1].name.c_str();
    std::printf("duel %s against %s\ngame pairs %ld\nhands %ld\n", first, second, r.pairs, r.hands);
    printInterval("points per hand ahead", r.pointsPerHand);
    printInterval("games won ahead per game", r.gamesWon);
    for (std::size_t level = 0; level < 2; ++level)
        for (int k = 0; k < KindCount; ++k)
            std::printf("%-8s %-20s made %ld set %ld\n", o.levels[level].name.c_str(), kindName(k), r.made[level][k],
                        r.set[level][k]);
    for (std::size_t level = 0; level < 2; ++level)
        std::printf("time a decision %s %.1f us (%ld decisions)\n", o.levels[level].name.c_str(),
                    r.decisions[level] ? 1e6 * r.seconds[level] / static_cast<double>(r.decisions[level]) : 0.0,
                    r.decisions[level]);
    if (!r.fault.empty())
        std::printf("FAULT %s\n", r.fault.c_str());
    return r.fault.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Args a;
    if (!parse(argc, argv, a)) {
        usage(stderr);
        return 2;
    }
    // A benchmark needs enough hands to time.
    if (a.bench && !a.gamesGiven)
        a.sim.games = 20000;
    if (!a.duel.empty())
        return runDuel(a);
    if (!a.replay.empty()) {
        const record::ReplayResult r = record::replayFile(a.replay);
        if (r.status == 0)
            std::printf("replayed %ld games, %ld lines: the same\n", r.games, r.lines);
        else
            std::fprintf(stderr, "corvane-sim: %s: %s\n", a.replay.c_str(), r.message.c_str());
        return r.status;
    }
    FILE* out = nullptr;
    std::string pending;  // record lines not yet written
    std::optional<record::RecordWriter> writer;
    Observer observe;
    if (!a.record.empty()) {
        out = std::fopen(a.record.c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "corvane-sim: cannot write %s: %s\n", a.record.c_str(), std::strerror(errno));
            return 2;
        }
        writer.emplace(record::RecordOptions{a.sim.seed, record::SouthPlayer::Robot, a.sim.southNoTrumps, 1},
                       [out, &pending](std::string_view line) {
                           pending += line;
                           pending += '\n';
                           if (pending.size() >= 1 << 16) {
                               std::fwrite(pending.data(), 1, pending.size(), out);
                               pending.clear();
                           }
                       });
        observe = [&writer](const Event& e, const TableState&, const Game& g) { writer->observe(e, g); };
    }
    Tally t;
    Bench b;
    if (a.bench)
        b = bench(a.sim, t, observe);
    else
        t = simulate(a.sim, observe);
    if (out)
        std::fwrite(pending.data(), 1, pending.size(), out);
    if (out && (std::ferror(out) | std::fclose(out))) {
        std::fprintf(stderr, "corvane-sim: writing %s failed\n", a.record.c_str());
        return 2;
    }
    report(a, t, a.bench ? &b : nullptr);
    if (a.reasons)
        reportReasons(t);
    return t.firstFault.empty() ? 0 : 1;
}
