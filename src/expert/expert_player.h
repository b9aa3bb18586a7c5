#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

#include "engine/seat_player.h"
#include "expert/double_dummy.h"
#include "expert/knowledge.h"

namespace corvane::expert {

// How much an Expert decision may weigh: deals drawn, and the solver's
// card plays for each. Counted in work, not time, so a choice is the same
// on any machine.
// The size of the solver's table the Expert decides with. Part of the
// budget: a smaller table may leave a deal unsolved that this one solves.
inline constexpr int ExpertTableBits = 18;

struct ExpertBudget {
    int deals = 12;
    std::uint64_t nodesPerDeal = 1'000'000;
    // A bid solves each deal once for each of the ten kinds of contract, a
    // discard once for each set of six it weighs; each solve is the whole
    // twelve tricks, so the deals are fewer.
    int bidDeals = BidDeals;
    std::uint64_t nodesPerBidSolve = NodesPerBidSolve;
    int discardDeals = DiscardDeals;
    std::uint64_t nodesPerDiscardSolve = NodesPerDiscardSolve;

    // The budget at the Fast pace: a few deals, each weighed less deeply.
    static constexpr ExpertBudget quick() { return {6, 300'000, 3, 60'000, 4, 80'000}; }
    static constexpr ExpertBudget forPace(bool fast) { return fast ? quick() : ExpertBudget{}; }

    static constexpr int BidDeals = 5;
    static constexpr std::uint64_t NodesPerBidSolve = 150'000;
    static constexpr int DiscardDeals = 8;
    static constexpr std::uint64_t NodesPerDiscardSolve = 200'000;
};

// An average in tenths, as the Expert's reasons and hints give its figures.
inline int tenthsOf(double x) { return static_cast<int>(std::lround(10 * x)); }

// What an Expert card decision weighed: each legal card's average score for
// the side (its points for the hand) and tricks over the deals drawn.
struct CardWeighing {
    Card card = NoCard;
    double points = 0;
    double tricks = 0;
};
struct CardChoice {
    Card card = NoCard;
    int deals = 0;  // deals solved to the end
    std::vector<CardWeighing> cards;  // in id order
};

// What each seat has seen of the hand in play, kept from every event.
class SeenBySeat {
public:
    SeenBySeat();
    void observe(const Event& e);
    const Knowledge& of(Seat s) const { return m_seats[static_cast<std::size_t>(s)]; }

private:
    std::array<Knowledge, 5> m_seats;  // index 0 unused
};

// The Expert's card for seat s, who knows `k`: deals of the unseen cards
// drawn consistently with it, each solved with all hands in view, and the
// card with the best average score for its side (making or setting the
// contract counts, not only tricks). NoCard when no deal was solved within
// the budget. The deals are drawn from the seat's own cards and the play,
// so the same position always weighs the same.
CardChoice weighCards(const Game& g, Seat s, const Knowledge& k, const ExpertBudget& budget, DoubleDummy& solver);

// The Expert level as a player: its cards by weighCards(), its bids by
// weighBids() and its discards by weighDiscards(). It must see every event
// of the game, through observe().
class ExpertPlayer : public SeatPlayer {
public:
    explicit ExpertPlayer(ExpertBudget budget = {});

    void observe(const Event& e) override { m_seen.observe(e); }
    BidDecision bid(const Game& g, Seat s) override;
    DiscardDecision discards(const Game& g, Seat s) override;
    PlayDecision card(const Game& g, Seat s) override;

private:
    ExpertBudget m_budget;
    SeenBySeat m_seen;
    DoubleDummy m_solver;
};

// The card weighCards() chose, or the robots' rule's when none was.
PlayDecision expertCard(const Game& g, Seat s, const CardChoice& choice);

}  // namespace corvane::expert
