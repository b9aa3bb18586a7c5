#include "sim/simulation.h"

#include <array>
#include <type_traits>
#include <utility>
#include <variant>

#include "rules/robot_rules.h"
#include "sim/referee.h"

namespace corvane::sim {

long& Tally::timesDecided(const Reason& why)
{
    const auto at = static_cast<std::size_t>(why.rule - rulesOf(why.source).data());
    return reasons[static_cast<std::size_t>(why.source)][at & 63];
}

const char* kindName(int kind)
{
    static const char* const names[KindCount] = {"uptown_trumps", "downtown_trumps", "uptown_no_trumps",
                                                 "downtown_no_trumps"};
    return names[kind];
}

int kindOf(const TableState& t)
{
    if (t.trumps == NoTrumps)
        return t.contractHigh ? UpNoTrumps : DownNoTrumps;
    return t.contractHigh ? UpTrumps : DownTrumps;
}

bool contractMade(const TableState& t, Team team) { return t.teamBooks[team] >= t.teamContract[team] + 6; }

namespace {

// The checks of a long property run: the table's own invariants after every
// action, and a referee with rules of its own.
class Checker {
public:
    explicit Checker(Tally& tally) : m_tally(tally) {}

    void after(const Event& e, const Game& g)
    {
        if (!m_tally.firstFault.empty())
            return;
        std::string fault = g.check();
        if (fault.empty())
            fault = m_referee.judge(e, g.table());
        if (!fault.empty())
            m_tally.firstFault = std::move(fault) + " (game " + std::to_string(m_tally.games + 1) + ")";
    }

private:
    Tally& m_tally;
    Referee m_referee;
};

void countReason(Tally& tally, const Reason& why)
{
    if (why.rule != nullptr)
        ++tally.timesDecided(why);
}

void countHand(Tally& tally, const ev::HandScored& d, const TableState& after)
{
    ++tally.hands;
    (contractMade(after, d.team) ? tally.made : tally.set)[kindOf(after)]++;
    if (d.gameOver)
        ++tally.gamesWon[d.winner];
}

// Which kinds of event carry the reason for a robot's choice.
template <class T>
constexpr bool HasReason = requires(const T& d) { d.why; };
template <std::size_t... I>
constexpr std::array<bool, sizeof...(I)> reasonKinds(std::index_sequence<I...>)
{
    return {HasReason<std::variant_alternative_t<I, EventData>>...};
}
constexpr auto CarriesReason = reasonKinds(std::make_index_sequence<std::variant_size_v<EventData>>());

// The report's counts of one event. The cards played and dealt, most of the
// events, are looked at before anything else, and only events with a reason
// are visited, when the reasons are counted.
void count(Tally& tally, const Event& e, const TableState& after, bool reasons)
{
    if (const auto* p = e.as<ev::CardPlayed>()) {
        tally.robotCards += p->seat != South;
        if (reasons)
            countReason(tally, p->why);
        return;
    }
    if (e.is<ev::CardDealt>())
        return;
    if (const auto* d = e.as<ev::HandScored>())
        return countHand(tally, *d, after);
    if (reasons && CarriesReason[e.data.index()])
        std::visit(
            [&](const auto& d) {
                if constexpr (HasReason<std::decay_t<decltype(d)>>)
                    countReason(tally, d.why);
            },
            e.data);
}

// A game that has not ended after this many hands is stuck, and so is a
// hand that goes on for this many actions (the longest of 200,000 games
// took 181).
constexpr long HandLimit = 1000;
constexpr long ActionLimit = 2000;

}  // namespace

Tally simulate(const Options& options, const Observer& observe)
{
    Tally tally;
    Checker checker(tally);
    Game g(options.seed);
    const AutoplayOptions south{options.southNoTrumps};
    const bool checking = options.check;
    const bool observing = static_cast<bool>(observe);
    const bool keepBefore = checking || observing;
    long handActions = 0;
    auto take = [&](const Event& e, const TableState& before) {
        ++tally.actions;
        if (++handActions > ActionLimit && tally.firstFault.empty())
            tally.firstFault = "a hand went on for " + std::to_string(ActionLimit) + " actions";
        if (e.is<ev::HandScored>())
            handActions = 0;
        count(tally, e, g.table(), options.countReasons);
        if (keepBefore) {
            if (checking)
                checker.after(e, g);
            if (observing)
                observe(e, before, g);
        }
    };
    for (long n = 0; n < options.games && tally.firstFault.empty(); ++n) {
        const long handLimit = tally.hands + HandLimit;
        TableState before = g.table();
        take(n == 0 && options.deal ? g.newGameAt(*options.deal) : g.newGame(), before);
        handActions = 0;
        while (tally.firstFault.empty()) {
            if (keepBefore)
                before = g.table();
            const Awaiting a = g.awaiting();
            if (a == Awaiting::Nothing) {
                take(g.advance(), before);
                continue;
            }
            if (a == Awaiting::NewGame)
                break;
            // South has a turn in every hand's bidding, so a game that
            // deals on and on is caught here.
            if (tally.hands > handLimit) {
                tally.firstFault = "a game did not end";
                break;
            }
            autoplaySouth(g, south, [&](const Event& e) { take(e, before); });
        }
        ++tally.games;
    }
    return tally;
}

}  // namespace corvane::sim
