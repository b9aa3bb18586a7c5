#pragma once

#include <string>
#include <vector>

#include "table/event.h"
#include "table/names.h"

namespace corvane {

// When a sentence is read: during the hand it tells only what the table has
// shown (no robot's suit before the contract, no card not yet seen, no
// figures); once the hand is over it also gives the bid's suit and the
// figures the rule weighed.
enum class Told { DuringHand, AfterHand };

// Why a robot did what the event records, as one plain sentence with the
// seat's name and the cards named as the log names them. Empty for events
// that are no robot's decision. The sentence is built from the reason the
// deciding rule returned, never from a fresh look at the table.
std::string explain(const Event& e, const Names& names, Told when = Told::DuringHand);

// The rule's figures in words ("Hearts uptown: 152 points, ..."); empty for
// a rule that weighs none.
// A number of tenths as the log writes it: 74 as "7.4", -6 as "-0.6".
std::string inTenths(int tenths);

std::string figuresOf(const Reason& why);

// Every reason a robot module can give, module by module.
std::vector<Reason> everyReason();

}  // namespace corvane
