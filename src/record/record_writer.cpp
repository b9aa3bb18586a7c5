#include "record/record_writer.h"

#include <algorithm>
#include <charconv>

#include "record/json_string.h"
#include "record/record_format.h"
#include "record/reason_text.h"

namespace corvane::record {

namespace {

std::string_view direction(bool high) { return field::direction.choices[high ? 0 : 1]; }

}  // namespace

void RecordWriter::Line::grow(std::size_t n)
{
    const std::size_t capacity = std::max(2 * m_capacity, m_size + n);
    auto data = std::make_unique<char[]>(capacity);
    std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
}

void RecordWriter::Line::largeNumber(long long v)
{
    room(24);
    const auto r = std::to_chars(m_data.get() + m_size, m_data.get() + m_capacity, v);
    m_size = static_cast<std::size_t>(r.ptr - m_data.get());
}

void RecordWriter::Line::unsignedNumber(std::uint64_t v)
{
    room(24);
    const auto r = std::to_chars(m_data.get() + m_size, m_data.get() + m_capacity, v);
    m_size = static_cast<std::size_t>(r.ptr - m_data.get());
}

void RecordWriter::Line::string(std::string_view s)
{
    room(jsonStringRoom(s.size()));
    char* end = writeJsonString(m_data.get() + m_size, s);
    m_size = static_cast<std::size_t>(end - m_data.get());
}

RecordWriter::RecordWriter(RecordOptions options, Sink sink)
    : m_options(options), m_sink(std::move(sink)), m_game(options.firstGame - 1)
{
}

void RecordWriter::restart(RecordOptions options)
{
    m_options = options;
    rewind({{}, {}, 0, options.firstGame - 1, 0, 0, 0});
}

RecordWriter::Position RecordWriter::position() const
{
    return {std::string(m_log.view()), m_drawn, m_lines, m_game, m_hand, m_trick, m_dealt, m_pendingLines};
}

void RecordWriter::rewind(const Position& p)
{
    m_log.assign(p.pendingLog);
    m_pendingLines = p.pendingLines;
    m_drawn = p.drawn;
    m_lines = p.lines;
    m_game = p.game;
    m_hand = p.hand;
    m_trick = p.trick;
    m_dealt = p.dealt;
}

void RecordWriter::begin(const LineType& type)
{
    m_written = {&type, NoCard, true};
    m_line.clear();
    m_line.put(type.start());
}

void RecordWriter::key(const Field& f)
{
    m_line.put(f.key.next());
}

void RecordWriter::integer(const Field& f, long long value)
{
    check(value >= f.lo && static_cast<std::uint64_t>(value) <= f.hi);
    if (&f == &field::card)
        m_written.card = static_cast<Card>(value);
    key(f);
    m_line.number(value);
}

void RecordWriter::seat(const Field& f, Seat s)
{
    // A seat the engine could not name is written as null, never as a number
    // the reader would refuse.
    key(f);
    check(isSeat(s) || f.nullable);
    if (isSeat(s))
        m_line.number(s);
    else
        m_line.put("null");
}

void RecordWriter::text(const Field& f, std::string_view value)
{
    key(f);
    m_line.string(value);
}

void RecordWriter::boolean(const Field& f, bool value)
{
    key(f);
    m_line.put(value ? "true" : "false");
}

void RecordWriter::cards(const Field& f, CardSet set)
{
    key(f);
    cardList(f, set);
}

// A set's cards are distinct and ascending; only their number may be wrong.
void RecordWriter::cardList(const Field& f, CardSet set)
{
    check(f.size ? set.count() == static_cast<int>(f.size) : !set.empty());
    m_line.put('[');
    bool first = true;
    for (Card c : set) {
        if (!first)
            m_line.put(',');
        first = false;
        m_line.number(c);
    }
    m_line.put(']');
}

void RecordWriter::why(const Reason& r)
{
    key(field::why);
    if (r.rule == nullptr) {
        m_line.put("null");
        return;
    }
    // Most reasons' texts are escaped once: a record repeats a few dozen of
    // them. Those with figures differ from one to the next.
    if (!r.rule->figures.empty()) {
        m_line.string(reasonText(r));
        return;
    }
    std::string& cached = m_whyCache[{r.source, r.rule}];
    if (cached.empty())
        appendJsonString(cached, reasonText(r));
    m_line.put(std::string_view(cached));
}

void RecordWriter::end()
{
    key(field::log);
    m_line.put('[');
    m_line.put(m_log.view());
    m_line.put("]}");
    m_log.clear();
    m_pendingLines = 0;
    ++m_lines;
    m_sink(m_line.view());
}

void RecordWriter::renamed(Seat s, std::string_view name)
{
    begin(line::rename);
    seat(field::seat, s);
    text(field::name, name);
    end();
}

void RecordWriter::gameLine(const Game& g)
{
    ++m_game;
    m_hand = 0;
    m_trick = 0;
    m_drawn.clear();
    begin(line::game);
    integer(field::game, m_game);
    key(field::seed);
    m_line.unsignedNumber(m_options.seed);
    if (const std::optional<std::uint64_t> deal = g.chosenDeal()) {
        key(field::deal);
        check(*deal <= field::deal.hi);
        m_line.unsignedNumber(*deal);
    }
    text(field::south, field::south.choices[m_options.south == SouthPlayer::Human ? 1 : 0]);
    boolean(field::southNt, m_options.southNoTrumps);
    // Only the Expert level is named: a game of the fixed rules reads as
    // records always have.
    if (g.decidesOutside(West))
        text(field::robots, field::robots.choices[1]);
    // Its budget changes what an Expert chooses, so a replay must know it.
    if (g.decidesOutside(West) && m_options.quickExpert)
        text(field::budget, field::budget.choices[1]);
    key(field::names);
    m_line.put('[');
    for (Seat s = South; s <= East; ++s) {
        if (s != South)
            m_line.put(',');
        m_line.string(g.name(s));
    }
    m_line.put(']');
    end();
}

void RecordWriter::dealLine(const Game& g)
{
    const TableState& t = g.table();
    ++m_hand;
    m_trick = 0;
    begin(line::deal);
    integer(field::hand, m_hand);
    seat(field::dealer, t.dealer);
    key(field::hands);
    m_line.put('{');
    CardSet all = t.kitty();
    int dealt = all.count();
    for (Seat s = South; s <= East; ++s) {
        const Field& held = *field::handsOfSeats.members[static_cast<std::size_t>(s - South)];
        m_line.put(s == South ? held.key.first() : held.key.next());
        cardList(held, t.hand(s));
        all |= t.hand(s);
        dealt += t.hand(s).count();
    }
    m_line.put('}');
    check(dealt == all.count());  // each card dealt once
    cards(field::kitty, t.kitty());
    end();
}

void RecordWriter::handEndLine(const ev::HandScored& s, const Event& e, const Game& g)
{
    const TableState& t = g.table();
    begin(line::handEnd);
    key(field::books);
    m_line.put('{');
    m_line.put(field::team1.key.first());
    m_line.number(t.teamBooks[1]);
    m_line.put(field::team2.key.next());
    m_line.number(t.teamBooks[2]);
    for (int team : {1, 2})
        check(t.teamBooks[team] >= field::team1.lo && t.teamBooks[team] <= static_cast<int>(field::team1.hi));
    m_line.put('}');
    key(field::points);
    m_line.put('[');
    m_line.number(s.team == OurTeam ? s.points : 0);
    m_line.put(',');
    m_line.number(s.team == TheirTeam ? s.points : 0);
    m_line.put(']');
    key(field::gamePoints);
    m_line.put('[');
    m_line.number(t.gamePoints[1]);
    m_line.put(',');
    m_line.number(t.gamePoints[2]);
    m_line.put(']');
    key(field::message);
    const MessageBox box = e.message.value_or(MessageBox{});
    m_line.put('{');
    m_line.put(field::title.key.first());
    m_line.string(box.title);
    m_line.put(field::text.key.next());
    m_line.string(box.text);
    m_line.put(field::caption1.key.next());
    m_line.string(box.caption1);
    m_line.put('}');
    end();
    m_trick = 0;
}

void RecordWriter::observe(const Event& e, const Game& g)
{
    for (std::string_view line : e.log) {
        if (!m_log.view().empty())
            m_log.put(',');
        m_log.string(line);
        ++m_pendingLines;
    }
    // The cards dealt and played, most of the events, are looked for first.
    if (e.is<ev::CardDealt>()) {
        if (++m_dealt == 54)
            dealLine(g);
    } else if (auto pl = e.as<ev::CardPlayed>()) {
        m_trick = g.table().tricksPlayed;
        begin(line::play);
        seat(field::seat, pl->seat);
        integer(field::card, pl->card);
        why(pl->why);
        end();
    } else if (auto h = e.as<ev::HandStarted>()) {
        if (h->newGame)
            gameLine(g);
    } else if (auto d = e.as<ev::DealerCardTurned>()) {
        m_drawn.push_back(d->card);
    } else if (auto c = e.as<ev::DealerChosen>()) {
        begin(line::dealerDraw);
        key(field::drawn);
        m_line.put('[');
        CardSet drawn;
        for (std::size_t k = 0; k < m_drawn.size(); ++k) {
            if (k)
                m_line.put(',');
            m_line.number(m_drawn[k]);
            check(isValidCard(m_drawn[k]) && !drawn.has(m_drawn[k]));
            if (isValidCard(m_drawn[k]))
                drawn.add(m_drawn[k]);
        }
        m_line.put(']');
        check(!m_drawn.empty());
        seat(field::dealer, c->dealer);
        end();
        m_drawn.clear();
    } else if (e.is<ev::PackGathered>()) {
        m_dealt = 0;
    } else if (auto b = e.as<ev::BidMade>()) {
        begin(line::bid);
        seat(field::seat, b->seat);
        integer(field::level, b->level);
        text(field::direction, direction(b->high));
        integer(field::trumps, b->trumps);
        boolean(field::forced, b->forced);
        why(b->why);
        end();
    } else if (auto p = e.as<ev::BidPassed>()) {
        begin(line::pass);
        seat(field::seat, p->seat);
        why(p->why);
        end();
    } else if (auto s = e.as<ev::ContractSettled>()) {
        begin(line::contract);
        seat(field::seat, s->winner);
        integer(field::level, s->level);
        text(field::direction, direction(s->high));
        integer(field::trumps, s->trumps);
        end();
    } else if (auto k = e.as<ev::KittyDiscarded>()) {
        begin(line::exchange);
        seat(field::seat, k->seat);
        cards(field::discards, k->discards);
        why(k->why);
        end();
    } else if (auto dc = e.as<ev::DiscardsConfirmed>()) {
        begin(line::exchange);
        seat(field::seat, South);
        cards(field::discards, dc->discards);
        why(Reason{});
        end();
    } else if (auto j = e.as<ev::JokerSwapped>()) {
        begin(line::jokerSwap);
        seat(field::seat, j->seat);
        integer(field::joker, j->joker);
        integer(field::suitCard, j->card);
        why(j->why);
        end();
    } else if (auto tg = e.as<ev::TrickGathered>()) {
        m_trick = tg->number;
        begin(line::trick);
        integer(field::trick, tg->number);
        seat(field::trickWinner, tg->winner);
        end();
    } else if (auto hs = e.as<ev::HandScored>()) {
        handEndLine(*hs, e, g);
        if (hs->gameOver) {
            begin(line::gameEnd);
            integer(field::gameWinner, hs->winner);
            end();
        }
    }
}

}  // namespace corvane::record
