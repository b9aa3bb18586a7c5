#pragma once

#include <span>
#include <string_view>

#include "table/event.h"

namespace corvane {

// The rules of every decision module, looked up by the module: for the
// records, which write a rule as its module and id, and for lists of rules.

// The module's rules; empty for Source::None.
std::span<const Rule> rulesOf(Reason::Source s);
// The module's name as the records write it ("PlayItHigh").
std::string_view sourceName(Reason::Source s);
// The module named so, or Source::None.
Reason::Source sourceNamed(std::string_view name);
// The rule of module s with this id, or nullptr.
const Rule* findRule(Reason::Source s, std::string_view id);
// Every module that decides, in a fixed order.
std::span<const Reason::Source> everySource();

}  // namespace corvane
