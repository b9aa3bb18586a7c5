#pragma once

#include <array>
#include <string_view>

namespace corvane {

// One of a robot's rules, as the person and the game records know it. Each
// decision module keeps its rules in one table of these, side by side; the
// code that decides names a rule by its id, so the id is also where to look
// for the branch that made a choice.
//   id        stable: written into every record, never renamed or reused
//   name      a few words for lists of rules and for the records
//   sentence  why, in plain words for the person ("because ..."): it names
//             no card or suit the table has not shown, and no figures
//   figures   how the figures the rule weighed are said once the hand is
//             over, with {points} and {needed}; empty for most rules
struct Rule {
    std::string_view id;
    std::string_view name;
    std::string_view sentence;
    std::string_view figures = {};
};

template <std::size_t N>
using RuleTable = std::array<Rule, N>;

// The rule of `table` with this id. Evaluated while compiling: a wrong id
// stops the build.
template <std::size_t N>
consteval const Rule* ruleIn(const RuleTable<N>& table, std::string_view id)
{
    for (const Rule& r : table)
        if (r.id == id)
            return &r;
    throw "no rule has this id";
}

}  // namespace corvane
