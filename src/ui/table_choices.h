#pragma once

#include "scene/pace.h"
#include "session/robot_task.h"

namespace corvane {

// What the Options menu chooses.
struct TableChoices {
    Pace pace = Pace::Normal;
    bool sound = true;
    bool explain = false;  // the robots' reasons in the log
    RobotLevel robots = RobotLevel::Classic;  // from the next game
    bool operator==(const TableChoices&) const = default;
};

}  // namespace corvane
