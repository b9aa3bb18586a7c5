#include "expert/expert_player.h"

#include "expert/expert_bidding.h"
#include "expert/sampler.h"
#include "rules/expert_rules.h"
#include "rules/scoring/hand_points.h"

namespace corvane::expert {

namespace {

// What the hand is worth to the team of `mine` when it takes `tricks` more
// of the `left` still to play: the contract's points, for or against.
int handScore(const TableState& t, Team mine, int tricks, int left)
{
    const Team bidders = teamOf(t.bidWinner);
    const int books = t.teamBooks[bidders] + (mine == bidders ? tricks : left - tricks);
    const int points = handPoints(t.trumps == NoTrumps, t.teamContract[bidders], books);
    return mine == bidders ? points : -points;
}

}  // namespace

SeenBySeat::SeenBySeat() : m_seats{Knowledge(NoSeat), Knowledge(South), Knowledge(West), Knowledge(North), Knowledge(East)}
{
}

void SeenBySeat::observe(const Event& e)
{
    for (Seat s = South; s <= East; ++s)
        m_seats[static_cast<std::size_t>(s)].observe(e);
}

CardChoice weighCards(const Game& g, Seat s, const Knowledge& k, const ExpertBudget& budget, DoubleDummy& solver)
{
    const TableState& t = g.table();
    // Drawn from what the seat has seen: its own twelve cards name the hand,
    // and a replay, which may deal the recorded cards from another number,
    // draws the same deals.
    Sampler sampler(k, samplerSeed((k.hand() | k.played(s)).bits, k));
    CardChoice choice;
    std::vector<long> points, tricks;
    for (int i = 0; i < budget.deals; ++i) {
        const std::optional<SampledDeal> deal = sampler.draw();
        if (!deal)
            break;
        const Solution solved = solver.analyse(deal->position, budget.nodesPerDeal);
        if (!solved.finished)
            continue;
        if (choice.cards.empty()) {
            for (const CardValue& v : solved.cards)
                choice.cards.push_back({v.card, 0, 0});
            points.assign(choice.cards.size(), 0);
            tricks.assign(choice.cards.size(), 0);
        }
        const int left = deal->position.tricksLeft();
        for (std::size_t c = 0; c < solved.cards.size() && c < choice.cards.size(); ++c) {
            points[c] += handScore(t, teamOf(s), solved.cards[c].tricks, left);
            tricks[c] += solved.cards[c].tricks;
        }
        ++choice.deals;
    }
    for (std::size_t c = 0; c < choice.cards.size(); ++c) {
        choice.cards[c].points = static_cast<double>(points[c]) / choice.deals;
        choice.cards[c].tricks = static_cast<double>(tricks[c]) / choice.deals;
    }
    // The best score, then the most tricks, then the first in id order, so
    // ties go the same way every time.
    const CardWeighing* best = nullptr;
    for (const CardWeighing& w : choice.cards)
        if (best == nullptr || w.points > best->points || (w.points == best->points && w.tricks > best->tricks))
            best = &w;
    if (best != nullptr)
        choice.card = best->card;
    return choice;
}

PlayDecision expertCard(const Game& g, Seat s, const CardChoice& choice)
{
    // Nothing solved (a budget too small): the robots' rule decides.
    if (choice.card == NoCard)
        return chooseCard(g.table(), s, g.trickPosition());
    const CardWeighing* best = nullptr;
    double next = 0;
    bool other = false;
    for (const CardWeighing& w : choice.cards) {
        if (w.card == choice.card) {
            best = &w;
        } else if (!other || w.points > next) {
            next = w.points;
            other = true;
        }
    }
    return {choice.card, Reason{Reason::Source::Expert, &ExpertRules[0], tenthsOf(best->tricks),
                                other ? tenthsOf(best->points - next) : 0}};
}

ExpertPlayer::ExpertPlayer(ExpertBudget budget) : m_budget(budget), m_solver(ExpertTableBits) {}

BidDecision ExpertPlayer::bid(const Game& g, Seat s)
{
    return weighBids(g, s, m_seen.of(s), m_budget, m_solver).decision;
}

DiscardDecision ExpertPlayer::discards(const Game& g, Seat s)
{
    return weighDiscards(g, s, m_seen.of(s), m_budget, m_solver).decision;
}

PlayDecision ExpertPlayer::card(const Game& g, Seat s)
{
    return expertCard(g, s, weighCards(g, s, m_seen.of(s), m_budget, m_solver));
}

}  // namespace corvane::expert
