#pragma once

#include <string>

#include "table/event.h"
#include "table/names.h"

namespace corvane {

// Why a robot did what the event records, as one plain sentence with the
// seat's name and the cards named as the log names them. Empty for events
// that are no robot's decision. The sentence is built from the reason the
// deciding rule returned, never from a fresh look at the table.
std::string explain(const Event& e, const Names& names);

// The sentence's clause for a reason alone ("because ..."); empty for a
// reason no rule gives. Every rule of every robot module has its own.
std::string reasonClause(const Reason& why);

}  // namespace corvane

#include <vector>

namespace corvane {

// Every reason a robot module can give, module by module.
std::vector<Reason> everyReason();

}  // namespace corvane
