#include "expert/expert_bidding.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "expert/sampler.h"
#include "rules/bidding/joker_exchange.h"
#include "rules/choices.h"
#include "rules/expert_rules.h"
#include "rules/scoring/hand_points.h"

namespace corvane::expert {

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The ten kinds of contract, in the order ties go.
struct Strain {
    Suit trumps;
    bool high;
};
constexpr std::array<Strain, 10> Strains = {{{Diamonds, true},
                                             {Diamonds, false},
                                             {Clubs, true},
                                             {Clubs, false},
                                             {Hearts, true},
                                             {Hearts, false},
                                             {Spades, true},
                                             {Spades, false},
                                             {NoTrumps, true},
                                             {NoTrumps, false}}};

// Books held back from each deal a bid weighs: the solver plays with every
// hand in view, and the best of many contracts weighed on a few deals is
// the one the deals flattered most.
constexpr int BidBooksHeldBack = 1;

// Salts that keep the bid's and the discards' deals apart from the cards'.
constexpr std::uint64_t BidSalt = 0xb1d5a17ULL;
constexpr std::uint64_t DiscardSalt = 0xd15ca2dULL;

// A table holding only what the discard rule and the joker swaps read.
TableState tableOf(const std::array<CardSet, 5>& hands, CardSet kitty, Seat s, Suit trumps, bool high)
{
    TableState t;
    for (Seat o = South; o <= East; ++o)
        t.at[at(o)] = hands[at(o)];
    t.at[KittyPlace] = kitty;
    t.trumps = trumps;
    showTrumps(t, trumps);
    t.contractHigh = high;
    t.bidHigh[at(s)] = high;
    t.bidWinner = s;
    return t;
}

// The play once seat s has thrown `discards` away from the 18 it holds in
// `t`: in No Trumps each robot's joker goes for a kitty card, as when play
// begins, and s leads.
Position playAfter(TableState t, Seat s, CardSet discards)
{
    t.at[at(s)] -= discards;
    t.at[KittyPlace] = discards;
    for (const auto& [joker, card] : noTrumpJokerSwaps(t))
        applyJokerSwap(t, static_cast<Seat>(t.placeOf(joker)), joker, card);
    Position p;
    for (Seat o = South; o <= East; ++o)
        p.hands[at(o)] = t.hand(o);
    p.trumps = t.trumps;
    p.high = t.contractHigh;
    p.leader = s;
    return p;
}

// A card's worth in the contract's direction; in No Trumps a joker's is none.
int worth(Card c, Suit trumps, bool high)
{
    if (trumps == NoTrumps && isJoker(c))
        return 0;
    return high ? highValue(c) : lowValue(c);
}

// `base` and then the least worth cards of `from` until six, ties to the
// lowest id.
CardSet fillUp(CardSet base, CardSet from, Suit trumps, bool high)
{
    std::vector<Card> cards(from.begin(), from.end());
    std::stable_sort(cards.begin(), cards.end(),
                     [&](Card a, Card b) { return worth(a, trumps, high) < worth(b, trumps, high); });
    for (Card c : cards)
        if (base.count() < 6 && !base.has(c))
            base.add(c);
    return base;
}

// The tricks of a solve; one that ran out of nodes has proved a bound on
// one side or both, and the bound it moved is the one near the answer.
int tricksOf(const Solution& s, int tricksLeft)
{
    if (s.finished)
        return s.tricks;
    const bool lowMoved = s.lower > 0;
    const bool highMoved = s.upper < tricksLeft;
    if (lowMoved && highMoved)
        return (s.lower + s.upper) / 2;
    if (lowMoved)
        return s.lower;
    if (highMoved)
        return s.upper;
    return tricksLeft / 2;
}

// The standard error of the average of n values, from their sum and the sum
// of their squares.
double standardError(double sum, double squares, double n)
{
    if (n < 2)
        return 0;
    const double variance = std::max(0.0, (squares - sum * sum / n) / (n - 1));
    return std::sqrt(variance / n);
}

}  // namespace

DiscardDecision ruleDiscards(CardSet held, Seat s, Suit trumps, bool high)
{
    const CardSet jokers = trumps == NoTrumps ? held & Jokers : CardSet{};
    const TableState t = tableOf({}, {}, s, trumps, high);
    TableState mine = t;
    mine.at[at(s)] = held - jokers;
    DiscardDecision d = robotDiscards(mine, s, 6 - jokers.count());
    d.discards |= jokers;
    return d;
}

std::vector<CardSet> discardCandidates(CardSet held, Seat s, Suit trumps, bool high)
{
    std::vector<CardSet> out;
    const auto add = [&](CardSet c) {
        if (c.count() == 6 && std::find(out.begin(), out.end(), c) == out.end())
            out.push_back(c);
    };
    add(ruleDiscards(held, s, trumps, high).discards);
    const CardSet must = trumps == NoTrumps ? held & Jokers : CardSet{};
    CardSet trumpCards = isPlainSuit(trumps) ? (held & (suitCards(trumps) | Jokers)) : CardSet{};
    const CardSet side = held - must - trumpCards;
    // Trumps go only when the rest runs out.
    const auto fill = [&](CardSet base) { return fillUp(fillUp(base, side, trumps, high), trumpCards, trumps, high); };
    add(fill(must));
    // A short suit outside trumps thrown whole: the shortest two, and both.
    std::vector<CardSet> suits;
    for (Suit x = Diamonds; x <= Spades; ++x)
        if (const CardSet cards = side & suitCards(x); !cards.empty() && must.count() + cards.count() <= 6)
            suits.push_back(cards);
    std::stable_sort(suits.begin(), suits.end(), [](CardSet a, CardSet b) { return a.count() < b.count(); });
    for (std::size_t i = 0; i < suits.size() && i < 2; ++i)
        add(fill(must | suits[i]));
    if (suits.size() >= 2 && must.count() + suits[0].count() + suits[1].count() <= 6)
        add(fill(must | suits[0] | suits[1]));
    return out;
}

BidChoice weighBids(const Game& g, Seat s, const Knowledge& k, const ExpertBudget& budget, DoubleDummy& solver)
{
    TableState t = g.table();
    if (s == South && g.forcedHumanTurn())
        t.forcedBid = true;
    return weighBids(t, s, k, budget, solver);
}

BidChoice weighBids(const TableState& t, Seat s, const Knowledge& k, const ExpertBudget& budget, DoubleDummy& solver)
{
    BidChoice choice;
    // Drawn from the seat's own twelve cards: the same hand weighs the same
    // deals whatever was bid before it.
    Sampler sampler(k, samplerSeed(k.hand().bits ^ BidSalt, k));
    std::vector<std::array<int, Strains.size()>> books;
    for (int i = 0; i < budget.bidDeals; ++i) {
        const std::optional<SampledDeal> deal = sampler.draw();
        if (!deal)
            break;
        std::array<CardSet, 5> hands = deal->position.hands;
        hands[at(s)] |= deal->kitty;
        std::array<int, Strains.size()> dealBooks{};
        for (std::size_t j = 0; j < Strains.size(); ++j) {
            const Strain& x = Strains[j];
            const TableState dealt = tableOf(hands, {}, s, x.trumps, x.high);
            const CardSet thrown = ruleDiscards(hands[at(s)], s, x.trumps, x.high).discards;
            const Position p = playAfter(dealt, s, thrown);
            const Solution sol = solver.solve(p, budget.nodesPerBidSolve);
            choice.unfinished += !sol.finished;
            dealBooks[j] = std::max(0, 1 + tricksOf(sol, p.tricksLeft()) - BidBooksHeldBack);
        }
        books.push_back(dealBooks);
    }
    choice.deals = static_cast<int>(books.size());
    if (books.empty()) {
        choice.decision = robotBid(t, s);
        return choice;
    }
    for (int level = 3; level <= 7; ++level)
        for (std::size_t j = 0; j < Strains.size(); ++j) {
            const Strain& x = Strains[j];
            if (!bidBeatsOthers(t, s, level, x.trumps))
                continue;
            double points = 0, squares = 0, taken = 0;
            for (const auto& b : books) {
                const int p = handPoints(x.trumps == NoTrumps, level, b[j]);
                points += p;
                squares += p * p;
                taken += b[j];
            }
            const double n = static_cast<double>(books.size());
            choice.contracts.push_back(
                {level, x.high, x.trumps, points / n, taken / n, points / n - standardError(points, squares, n)});
        }
    // The surest points; ties to the lower level, then the kind's order.
    std::stable_sort(choice.contracts.begin(), choice.contracts.end(),
                     [](const ContractWeighing& a, const ContractWeighing& b) { return a.sure > b.sure; });
    if (choice.contracts.empty()) {
        choice.decision = BidDecision{false, 0, false, NoSuit, Reason{Reason::Source::Expert, expertRule("pass-over-deals")}};
        return choice;
    }
    const ContractWeighing& best = choice.contracts.front();
    const auto why = [&](const Rule* rule) {
        return Reason{Reason::Source::Expert, rule, tenthsOf(best.points), tenthsOf(best.books)};
    };
    const Seat partner = partnerOf(s);
    const bool partnerHolds = t.bidWinner == partner && t.bidLevel[at(partner)] > 0;
    if (t.forcedBid)
        choice.decision = BidDecision{true, best.level, best.high, best.trumps, why(expertRule("forced-contract"))};
    else if (partnerHolds && best.sure <= t.bidLevel[at(partner)])
        choice.decision = BidDecision{false, 0, false, NoSuit, why(expertRule("leave-partners-bid"))};
    else if (best.sure > 0)
        choice.decision = BidDecision{true, best.level, best.high, best.trumps, why(expertRule("best-contract"))};
    else
        choice.decision = BidDecision{false, 0, false, NoSuit, why(expertRule("pass-over-deals"))};
    return choice;
}

DiscardChoice weighDiscards(const Game& g, Seat s, const Knowledge& k, const ExpertBudget& budget,
                            DoubleDummy& solver)
{
    const TableState& t = g.table();
    // The person's picks lie in the kitty already (the No Trumps jokers).
    const CardSet held = t.hand(s) | (s == South ? t.selected : CardSet{});
    const Suit trumps = t.trumps;
    const bool high = t.bidHigh[at(s)];
    const int level = t.bidLevel[at(s)];
    DiscardChoice choice;
    const std::vector<CardSet> candidates = discardCandidates(held, s, trumps, high);
    for (CardSet c : candidates)
        choice.candidates.push_back({c, 0, 0});

    // A robot takes the kitty without a word: the seat sees it now.
    Knowledge seen = k;
    if (seen.count(KittyPlace) > 0 && seen.hand() != held)
        seen.observe(Event{ev::KittyTaken{s, held - seen.hand()}});
    Sampler sampler(seen, samplerSeed(held.bits ^ (DiscardSalt + static_cast<std::uint64_t>(2 * trumps + high)), seen));
    std::vector<long> points(candidates.size(), 0), books(candidates.size(), 0);
    for (int i = 0; i < budget.discardDeals; ++i) {
        const std::optional<SampledDeal> deal = sampler.draw();
        if (!deal)
            break;
        std::array<CardSet, 5> hands = deal->position.hands;
        hands[at(s)] = held;
        const TableState dealt = tableOf(hands, {}, s, trumps, high);
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            const Position p = playAfter(dealt, s, candidates[c]);
            const Solution sol = solver.solve(p, budget.nodesPerDiscardSolve);
            choice.unfinished += !sol.finished;
            const int taken = 1 + tricksOf(sol, p.tricksLeft());
            points[c] += handPoints(trumps == NoTrumps, level, taken);
            books[c] += taken;
        }
        ++choice.deals;
    }
    if (choice.deals == 0) {
        choice.decision = ruleDiscards(held, s, trumps, high);
        return choice;
    }
    const double n = choice.deals;
    std::size_t best = 0;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        choice.candidates[c].points = static_cast<double>(points[c]) / n;
        choice.candidates[c].books = static_cast<double>(books[c]) / n;
        if (points[c] > points[best])
            best = c;
    }
    const DiscardWeighing& w = choice.candidates[best];
    choice.decision = DiscardDecision{
        w.discards, Reason{Reason::Source::Expert, expertRule("best-discards"), tenthsOf(w.points),
                           tenthsOf(w.points - choice.candidates.front().points)}};
    return choice;
}

}  // namespace corvane::expert
