#include "rules/robot_rules.h"

#include <array>

#include "rules/bidding/joker_exchange.h"
#include "rules/expert_rules.h"
#include "rules/bidding/robot_bid.h"
#include "rules/bidding/robot_discard.h"
#include "rules/play/no_trumps_play.h"
#include "rules/play/trump_play.h"

namespace corvane {

namespace {

using S = Reason::Source;

struct Module {
    S source;
    std::string_view name;
    std::span<const Rule> rules;
};

constexpr std::array<Module, Reason::SourceCount - 1> Modules{{
    {S::Bid, "Bid", BidRules},
    {S::Discard, "Discard", DiscardRules},
    {S::JokerSwap, "JokerSwap", JokerSwapRules},
    {S::PlayItHigh, "PlayItHigh", TrumpRules},
    {S::PlayItLow, "PlayItLow", TrumpRules},
    {S::HighNoTrumps, "HighNoTrumps", NoTrumpRules},
    {S::LowNoTrumps, "LowNoTrumps", NoTrumpRules},
    {S::Expert, "Expert", ExpertRules},
}};

constexpr std::array<S, Modules.size()> Sources = [] {
    std::array<S, Modules.size()> out{};
    for (std::size_t i = 0; i < Modules.size(); ++i)
        out[i] = Modules[i].source;
    return out;
}();

// The modules lie in the order of their sources, None left out.
constexpr bool inSourceOrder()
{
    for (std::size_t i = 0; i < Modules.size(); ++i)
        if (static_cast<std::size_t>(Modules[i].source) != i + 1)
            return false;
    return true;
}
static_assert(inSourceOrder());

const Module* moduleOf(S s)
{
    const auto i = static_cast<std::size_t>(s);
    return i >= 1 && i <= Modules.size() ? &Modules[i - 1] : nullptr;
}

}  // namespace

std::span<const Rule> rulesOf(S s)
{
    const Module* m = moduleOf(s);
    return m ? m->rules : std::span<const Rule>();
}

std::string_view sourceName(S s)
{
    const Module* m = moduleOf(s);
    return m ? m->name : std::string_view();
}

S sourceNamed(std::string_view name)
{
    for (const Module& m : Modules)
        if (m.name == name)
            return m.source;
    return S::None;
}

const Rule* findRule(S s, std::string_view id)
{
    for (const Rule& r : rulesOf(s))
        if (r.id == id)
            return &r;
    return nullptr;
}

std::span<const S> everySource() { return Sources; }

}  // namespace corvane
