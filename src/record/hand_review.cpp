#include "record/hand_review.h"

#include "record/json.h"
#include "record/record_reader.h"

namespace corvane::record {

namespace {

int integer(const Json& v, std::string_view key) { return static_cast<int>(*v.find(key)->asInt64()); }

CardSet cards(const Json& list)
{
    CardSet out;
    for (const Json& c : list.items())
        out.add(static_cast<Card>(*c.asInt64()));
    return out;
}

std::string why(const Json& v)
{
    const Json* w = v.find("why");
    return w != nullptr && w->isString() ? w->asString() : std::string();
}

std::array<int, 3> byTeam(const Json& list)
{
    return {0, static_cast<int>(*list.items()[0].asInt64()), static_cast<int>(*list.items()[1].asInt64())};
}

// One line into the review; the reader's schema has been checked already.
void take(HandReview& r, const Json& v)
{
    const std::string& type = v.find("type")->asString();
    if (type == "game") {
        for (Seat s = South; s <= East; ++s)
            r.names[s] = v.find("names")->items()[static_cast<std::size_t>(s - 1)].asString();
    } else if (type == "rename") {
        r.names[integer(v, "seat")] = v.find("name")->asString();
    } else if (type == "deal") {
        r.hand = integer(v, "hand");
        r.dealer = integer(v, "dealer");
        for (Seat s = South; s <= East; ++s)
            r.dealt[s] = cards(*v.find("hands")->find(std::to_string(s)));
        r.kitty = cards(*v.find("kitty"));
    } else if (type == "bid" || type == "pass") {
        HandReview::Bid b;
        b.seat = integer(v, "seat");
        b.pass = type == "pass";
        if (!b.pass) {
            b.level = integer(v, "level");
            b.high = v.find("direction")->asString() == "up";
            b.trumps = integer(v, "trumps");
            b.forced = v.find("forced")->asBool();
        }
        b.why = why(v);
        r.bids.push_back(std::move(b));
    } else if (type == "contract") {
        r.declarer = integer(v, "seat");
        r.level = integer(v, "level");
        r.high = v.find("direction")->asString() == "up";
        r.trumps = integer(v, "trumps");
    } else if (type == "exchange") {
        r.discards = cards(*v.find("discards"));
        r.discardWhy = why(v);
    } else if (type == "joker_swap") {
        r.swaps.push_back({integer(v, "seat"), integer(v, "joker"), integer(v, "card")});
    } else if (type == "play") {
        if (r.tricks.empty() || r.tricks.back().winner != 0) {
            r.tricks.emplace_back();
            r.tricks.back().number = static_cast<int>(r.tricks.size());
            r.tricks.back().leader = integer(v, "seat");
        }
        const auto seat = static_cast<std::size_t>(integer(v, "seat"));
        r.tricks.back().bySeat[seat] = integer(v, "card");
        r.tricks.back().why[seat] = why(v);
    } else if (type == "trick") {
        if (!r.tricks.empty())
            r.tricks.back().winner = integer(v, "winner");
    } else if (type == "hand_end") {
        r.books = {0, integer(*v.find("books"), "1"), integer(*v.find("books"), "2")};
        r.points = byTeam(*v.find("points"));
        r.gamePoints = byTeam(*v.find("game_points"));
        r.message = v.find("message")->find("text")->asString();
    }
}

}  // namespace

std::optional<HandReview> reviewHand(const std::vector<std::string>& lines, std::string& error)
{
    HandReview r;
    bool ended = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<Json> v = parseJson(lines[i], error);
        if (v)
            error = schemaError(*v);
        if (!v || !error.empty()) {
            error = "line " + std::to_string(i + 1) + ": " + error;
            return std::nullopt;
        }
        const std::string& type = v->find("type")->asString();
        if ((i == 0) != (type == "game") || (i == 1 && type != "deal")) {
            error = "line " + std::to_string(i + 1) + ": a hand is its game line, then its deal onwards";
            return std::nullopt;
        }
        take(r, *v);
        ended = ended || type == "hand_end";
    }
    if (!ended) {
        error = "the hand has no end";
        return std::nullopt;
    }
    return r;
}

}  // namespace corvane::record
