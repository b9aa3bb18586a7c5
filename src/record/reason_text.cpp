#include "record/reason_text.h"

#include "engine/explain.h"
#include "rules/robot_rules.h"

namespace corvane::record {

std::string reasonText(const Reason& why)
{
    if (why.rule == nullptr)
        return {};
    std::string out = std::string(sourceName(why.source)) + " " + std::string(why.rule->id) + ": " +
                      std::string(why.rule->name);
    if (const std::string figures = figuresOf(why); !figures.empty())
        out += " (" + figures + ")";
    return out;
}

std::optional<Reason> readReason(std::string_view text)
{
    const std::size_t blank = text.find(' ');
    const std::size_t colon = text.find(':');
    if (blank == std::string_view::npos || colon == std::string_view::npos || colon < blank)
        return std::nullopt;
    const Reason::Source source = sourceNamed(text.substr(0, blank));
    const Rule* rule = findRule(source, text.substr(blank + 1, colon - blank - 1));
    if (rule == nullptr)
        return std::nullopt;
    return Reason{source, rule};
}

}  // namespace corvane::record
