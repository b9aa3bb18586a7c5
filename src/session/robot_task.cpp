#include "session/robot_task.h"

namespace corvane {

RobotAnswer decide(const RobotTask& task, expert::DoubleDummy& solver)
{
    RobotAnswer a{task.move, task.turn, {}, {}, {}, {}, {}};
    const Seat s = task.turn.seat;
    switch (task.turn.choice) {
    case RobotTurn::Choice::Bid:
        a.bidding = expert::weighBids(task.game, s, task.knowledge, task.budget, solver);
        a.bid = a.bidding.decision;
        break;
    case RobotTurn::Choice::Discards:
        a.discards = expert::weighDiscards(task.game, s, task.knowledge, task.budget, solver).decision;
        break;
    case RobotTurn::Choice::Play:
        a.weighing = expert::weighCards(task.game, s, task.knowledge, task.budget, solver);
        a.card = expert::expertCard(task.game, s, a.weighing);
        break;
    case RobotTurn::Choice::None: break;
    }
    return a;
}

}  // namespace corvane
