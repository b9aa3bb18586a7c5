#pragma once

#include <string>

#include "scene/step.h"

namespace corvane {

// Puts a robot's reason into the steps of its action as an aside in the
// message log, right after the action's own log lines (or after all its
// steps when it logs nothing). An empty sentence leaves the steps as they are.
void addExplanation(Steps& steps, std::string sentence);

}  // namespace corvane
