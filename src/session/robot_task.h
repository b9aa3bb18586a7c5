#pragma once

#include <cstdint>

#include "engine/game.h"
#include "expert/expert_bidding.h"
#include "expert/expert_player.h"

namespace corvane {

// How the robots play: by their fixed rules, or at the Expert level.
enum class RobotLevel { Classic, Expert };

// A robot's decision to be made away from the table, on another thread:
// everything it needs, copied, so the table may go on (or go back) while
// it is made. `move` names the table's state it was asked in.
struct RobotTask {
    std::uint64_t move = 0;
    Game game;
    RobotTurn turn;
    expert::Knowledge knowledge{NoSeat};
    expert::ExpertBudget budget;
};

struct RobotAnswer {
    std::uint64_t move = 0;
    RobotTurn turn;
    BidDecision bid;
    DiscardDecision discards;
    PlayDecision card;
    expert::CardChoice weighing;  // what the Expert's card weighed
    expert::BidChoice bidding;    // what the Expert's bid weighed
};

// Makes the decision with the solver of the thread it runs on.
RobotAnswer decide(const RobotTask& task, expert::DoubleDummy& solver);

}  // namespace corvane
