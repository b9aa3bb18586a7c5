#include "engine/explain.h"

#include <cstdlib>

#include "rules/robot_rules.h"

namespace corvane {

namespace {

std::string cardList(CardSet cards)
{
    std::string out;
    for (Card c : cards) {
        if (!out.empty())
            out += ", ";
        out += cardName(c);
    }
    return out;
}

std::string direction(bool high) { return high ? "HIGH" : "LOW"; }

void replaceAll(std::string& text, std::string_view what, const std::string& with)
{
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

struct Explainer {
    const Names& names;
    Told when;

    std::string sentence(const std::string& subject, const Reason& why) const
    {
        if (why.rule == nullptr)
            return {};
        std::string out = subject + " " + std::string(why.rule->sentence);
        if (when == Told::AfterHand)
            if (const std::string figures = figuresOf(why); !figures.empty())
                out += " (" + figures + ")";
        return out + ".";
    }

    std::string operator()(const ev::BidMade& b) const
    {
        std::string bid = names[b.seat] + " bids " + std::to_string(b.level) + " " + direction(b.high);
        if (when == Told::AfterHand)
            bid += " in " + std::string(b.trumps == NoTrumps ? "No Trumps" : suitName(b.trumps));
        return sentence(bid, b.why);
    }
    std::string operator()(const ev::BidPassed& p) const { return sentence(names[p.seat] + " passes", p.why); }
    // The discards are shown face up beside the seat.
    std::string operator()(const ev::KittyDiscarded& k) const
    {
        return sentence(names[k.seat] + " discards " + cardList(k.discards), k.why);
    }
    // The card taken was a discard shown face up; the joker went from a
    // hidden hand into the face-down kitty.
    std::string operator()(const ev::JokerSwapped& j) const
    {
        const std::string joker = when == Told::AfterHand ? "the " + std::string(cardName(j.joker)) : "a joker";
        return sentence(names[j.seat] + " swaps " + joker + " for " + std::string(cardName(j.card)) + " from the kitty",
                        j.why);
    }
    std::string operator()(const ev::CardPlayed& c) const
    {
        return sentence(names[c.seat] + " plays " + std::string(cardName(c.card)), c.why);
    }
    template <class Other>
    std::string operator()(const Other&) const
    {
        return {};
    }
};

}  // namespace

std::string inTenths(int n)
{
    return (n < 0 ? "-" : "") + std::to_string(std::abs(n) / 10) + "." + std::to_string(std::abs(n) % 10);
}

std::string figuresOf(const Reason& why)
{
    if (why.rule == nullptr || why.rule->figures.empty())
        return {};
    std::string out(why.rule->figures);
    replaceAll(out, "{points/10}", inTenths(why.points));
    replaceAll(out, "{needed/10}", inTenths(why.needed));
    replaceAll(out, "{points}", std::to_string(why.points));
    replaceAll(out, "{needed}", std::to_string(why.needed));
    return out;
}

std::string explain(const Event& e, const Names& names, Told when) { return std::visit(Explainer{names, when}, e.data); }

std::vector<Reason> everyReason()
{
    std::vector<Reason> all;
    for (Reason::Source s : everySource())
        for (const Rule& r : rulesOf(s))
            all.push_back(Reason{s, &r});
    return all;
}

}  // namespace corvane
