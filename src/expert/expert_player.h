#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/seat_player.h"
#include "expert/double_dummy.h"
#include "expert/knowledge.h"

namespace corvane::expert {

// How much an Expert decision may weigh: deals drawn, and the solver's
// card plays for each. Counted in work, not time, so a choice is the same
// on any machine.
struct ExpertBudget {
    int deals = 20;
    std::uint64_t nodesPerDeal = 2'000'000;
};

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

// The Expert's cards: for each, deals of the unseen cards drawn consistently
// with what the seat has seen, each solved with all hands in view, and the
// card with the best average score for its side played (making or setting
// the contract counts, not only tricks). Bids and discards are the robots'
// rules. It must see every event of the game, through observe().
class ExpertPlayer : public SeatPlayer {
public:
    explicit ExpertPlayer(ExpertBudget budget = {});

    void observe(const Event& e) override;
    BidDecision bid(const Game& g, Seat s) override;
    DiscardDecision discards(const Game& g, Seat s) override;
    PlayDecision card(const Game& g, Seat s) override;

    // The weighing behind card(), for a hint or a reason.
    CardChoice weighCards(const Game& g, Seat s);

private:
    ExpertBudget m_budget;
    std::array<Knowledge, 5> m_knowledge;
    std::unique_ptr<SeatPlayer> m_classic;
    DoubleDummy m_solver;
};

}  // namespace corvane::expert
