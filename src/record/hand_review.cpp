#include "record/hand_review.h"

#include "record/record_reader.h"

namespace corvane::record {

namespace {

int integer(const RecordLine& l, const Field& f) { return static_cast<int>(l.integer(f)); }

CardSet cards(std::span<const Card> list)
{
    CardSet out;
    for (Card c : list)
        out.add(c);
    return out;
}

std::array<int, 3> byTeam(std::span<const std::int64_t> pair)
{
    return {0, static_cast<int>(pair[0]), static_cast<int>(pair[1])};
}

// One line into the review; the reader has checked it already.
void take(HandReview& r, const RecordLine& v)
{
    using namespace field;
    if (v.is(line::game)) {
        const auto n = v.strings(names);
        for (Seat s = South; s <= East; ++s)
            r.names[s] = std::string(n[static_cast<std::size_t>(s - 1)]);
    } else if (v.is(line::rename)) {
        r.names[integer(v, seat)] = std::string(v.string(name));
    } else if (v.is(line::deal)) {
        r.hand = integer(v, hand);
        r.dealer = integer(v, dealer);
        const std::span<const Card> dealt = v.cards(hands);
        for (Seat s = South; s <= East; ++s)
            r.dealt[s] = cards(dealt.subspan(static_cast<std::size_t>(12 * (s - 1)), 12));
        r.kitty = cards(v.cards(kitty));
    } else if (v.is(line::bid) || v.is(line::pass)) {
        HandReview::Bid b;
        b.seat = integer(v, seat);
        b.pass = v.is(line::pass);
        if (!b.pass) {
            b.level = integer(v, level);
            b.high = v.string(direction) == direction.choices[0];
            b.trumps = integer(v, trumps);
            b.forced = v.flag(forced);
        }
        b.why = std::string(v.string(why));
        r.bids.push_back(std::move(b));
    } else if (v.is(line::contract)) {
        r.declarer = integer(v, seat);
        r.level = integer(v, level);
        r.high = v.string(direction) == direction.choices[0];
        r.trumps = integer(v, trumps);
    } else if (v.is(line::exchange)) {
        r.discards = cards(v.cards(discards));
        r.discardWhy = std::string(v.string(why));
    } else if (v.is(line::jokerSwap)) {
        r.swaps.push_back({integer(v, seat), integer(v, joker), integer(v, suitCard)});
    } else if (v.is(line::play)) {
        if (r.tricks.empty() || r.tricks.back().winner != 0) {
            r.tricks.emplace_back();
            r.tricks.back().number = static_cast<int>(r.tricks.size());
            r.tricks.back().leader = integer(v, seat);
        }
        const auto s = static_cast<std::size_t>(integer(v, seat));
        r.tricks.back().bySeat[s] = integer(v, card);
        r.tricks.back().why[s] = std::string(v.string(why));
    } else if (v.is(line::trick)) {
        if (!r.tricks.empty())
            r.tricks.back().winner = integer(v, trickWinner);
    } else if (v.is(line::handEnd)) {
        const auto b = v.numbers(books);
        r.books = {0, static_cast<int>(b[0]), static_cast<int>(b[1])};
        r.points = byTeam(v.numbers(points));
        r.gamePoints = byTeam(v.numbers(gamePoints));
        r.message = std::string(v.strings(message)[1]);  // the box's text
    }
}

}  // namespace

std::optional<HandReview> reviewHand(const std::vector<std::string>& lines, std::string& error)
{
    HandReview r;
    bool ended = false;
    LineParser parser;
    RecordLine v;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!parser.read(lines[i], v, error)) {
            error = "line " + std::to_string(i + 1) + ": " + error;
            return std::nullopt;
        }
        if ((i == 0) != v.is(line::game) || (i == 1 && !v.is(line::deal))) {
            error = "line " + std::to_string(i + 1) + ": a hand is its game line, then its deal onwards";
            return std::nullopt;
        }
        take(r, v);
        ended = ended || v.is(line::handEnd);
    }
    if (!ended) {
        error = "the hand has no end";
        return std::nullopt;
    }
    return r;
}

}  // namespace corvane::record
