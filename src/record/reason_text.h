#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "table/event.h"

namespace corvane::record {

// A robot's reason as the records write it: the deciding module, the rule's
// stable id, its name and any figures it weighed, e.g. "PlayItHigh
// second-beats-lead: second: the cheapest card that beats the lead". Empty
// for an action that came as a command.
std::string reasonText(const Reason& why);

// The module and rule that a record's reason names, read back (the figures
// are not); nothing when it names no rule of ours.
std::optional<Reason> readReason(std::string_view text);

}  // namespace corvane::record
