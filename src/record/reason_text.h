#pragma once

#include <string>

#include "table/event.h"

namespace corvane::record {

// A robot's reason as a short readable text: the deciding module, its rule
// number and the rule's name, e.g. "PlayItHigh 9: second player beats the
// lead". Empty for Source::None (an action that came as a command).
std::string reasonText(const Reason& why);

}  // namespace corvane::record
