#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "scene/choreography.h"

namespace corvane {

inline void PrintTo(const Spot& s, std::ostream* o) { *o << "(" << s.left << ", " << s.top << ")"; }

}  // namespace corvane

namespace corvane::testing {

inline Names tableNames() { return {"", "Ann", "Wes", "Nora", "Eve"}; }

inline Event event(EventData data, std::vector<std::string> log = {}) { return Event{std::move(data), LogLines(log), {}}; }

// A table at the start of a hand with the given cards moved to a place.
inline TableState tableWith(std::initializer_list<std::pair<Place, std::initializer_list<Card>>> places)
{
    TableState t;
    resetTable(t);
    for (const auto& [place, cards] : places)
        for (Card c : cards)
            t.move(c, place);
    return t;
}

// The pause lengths of a list of steps, in ms.
inline std::vector<double> pauses(const Steps& steps)
{
    std::vector<double> out;
    for (const Step& s : steps)
        if (const auto* p = std::get_if<step::Pause>(&s))
            out.push_back(static_cast<double>(p->length.count()) / 1000.0);
    return out;
}

inline double totalMs(const Steps& steps) { return static_cast<double>(totalTime(steps).count()) / 1000.0; }

inline std::vector<std::string> described(const Steps& steps)
{
    std::vector<std::string> out;
    for (const Step& s : steps)
        out.push_back(describe(s));
    return out;
}

}  // namespace corvane::testing
