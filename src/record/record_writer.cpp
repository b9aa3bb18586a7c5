#include "record/record_writer.h"

#include <charconv>

#include "record/json.h"
#include "record/reason_text.h"

namespace corvane::record {

namespace {

void appendInt(std::string& out, long long v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendUint(std::string& out, std::uint64_t v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

const char* direction(bool high) { return high ? "up" : "down"; }

}  // namespace

RecordWriter::RecordWriter(RecordOptions options, Sink sink)
    : m_options(options), m_sink(std::move(sink)), m_game(options.firstGame - 1)
{
    m_line.reserve(512);
}

void RecordWriter::begin(std::string_view type)
{
    m_line.clear();
    m_line += "{\"type\":\"";
    m_line += type;
    m_line += '"';
}

void RecordWriter::field(std::string_view name)
{
    m_line += ",\"";
    m_line += name;
    m_line += "\":";
}

void RecordWriter::integer(std::string_view name, long long value)
{
    field(name);
    appendInt(m_line, value);
}

void RecordWriter::seat(std::string_view name, Seat s)
{
    // A seat the engine could not name is written as null, never as a number
    // the reader would refuse.
    field(name);
    if (isSeat(s))
        appendInt(m_line, s);
    else
        m_line += "null";
}

void RecordWriter::text(std::string_view name, std::string_view value)
{
    field(name);
    appendJsonString(m_line, value);
}

void RecordWriter::boolean(std::string_view name, bool value)
{
    field(name);
    m_line += value ? "true" : "false";
}

void RecordWriter::cards(std::string_view name, CardSet set)
{
    field(name);
    m_line += '[';
    bool first = true;
    for (Card c : set) {
        if (!first)
            m_line += ',';
        first = false;
        appendInt(m_line, c);
    }
    m_line += ']';
}

void RecordWriter::why(const Reason& r)
{
    field("why");
    if (r.source == Reason::Source::None)
        m_line += "null";
    else
        appendJsonString(m_line, reasonText(r));
}

void RecordWriter::end()
{
    field("log");
    m_line += '[';
    for (std::size_t k = 0; k < m_log.size(); ++k) {
        if (k)
            m_line += ',';
        appendJsonString(m_line, m_log[k]);
    }
    m_line += "]}";
    m_log.clear();
    ++m_lines;
    m_sink(m_line);
}

void RecordWriter::gameLine(const Game& g)
{
    ++m_game;
    m_hand = 0;
    m_trick = 0;
    m_drawn.clear();
    begin("game");
    integer("game", m_game);
    field("seed");
    appendUint(m_line, m_options.seed);
    text("south", m_options.south == SouthPlayer::Human ? "human" : "robot");
    boolean("south_nt", m_options.southNoTrumps);
    field("names");
    m_line += '[';
    for (Seat s = South; s <= East; ++s) {
        if (s != South)
            m_line += ',';
        appendJsonString(m_line, g.name(s));
    }
    m_line += ']';
    end();
}

void RecordWriter::dealLine(const Game& g)
{
    const TableState& t = g.table();
    ++m_hand;
    m_trick = 0;
    begin("deal");
    integer("hand", m_hand);
    seat("dealer", t.dealer);
    field("hands");
    m_line += '{';
    for (Seat s = South; s <= East; ++s) {
        if (s != South)
            m_line += ',';
        m_line += '"';
        appendInt(m_line, s);
        m_line += "\":[";
        bool first = true;
        for (Card c : t.hand(s)) {
            if (!first)
                m_line += ',';
            first = false;
            appendInt(m_line, c);
        }
        m_line += ']';
    }
    m_line += '}';
    cards("kitty", t.kitty());
    end();
}

void RecordWriter::handEndLine(const ev::HandScored& s, const Event& e, const Game& g)
{
    const TableState& t = g.table();
    begin("hand_end");
    field("books");
    m_line += "{\"1\":";
    appendInt(m_line, t.teamBooks[1]);
    m_line += ",\"2\":";
    appendInt(m_line, t.teamBooks[2]);
    m_line += '}';
    field("points");
    m_line += '[';
    appendInt(m_line, s.team == OurTeam ? s.points : 0);
    m_line += ',';
    appendInt(m_line, s.team == TheirTeam ? s.points : 0);
    m_line += ']';
    field("game_points");
    m_line += '[';
    appendInt(m_line, t.gamePoints[1]);
    m_line += ',';
    appendInt(m_line, t.gamePoints[2]);
    m_line += ']';
    field("message");
    const MessageBox box = e.message.value_or(MessageBox{});
    m_line += "{\"title\":";
    appendJsonString(m_line, box.title);
    m_line += ",\"text\":";
    appendJsonString(m_line, box.text);
    m_line += ",\"caption1\":";
    appendJsonString(m_line, box.caption1);
    m_line += '}';
    end();
    m_trick = 0;
}

void RecordWriter::observe(const Event& e, const Game& g)
{
    m_log.insert(m_log.end(), e.log.begin(), e.log.end());
    if (auto h = e.as<ev::HandStarted>()) {
        if (h->newGame)
            gameLine(g);
    } else if (auto d = e.as<ev::DealerCardTurned>()) {
        m_drawn.push_back(d->card);
    } else if (auto c = e.as<ev::DealerChosen>()) {
        begin("dealer_draw");
        field("cards");
        m_line += '[';
        for (std::size_t k = 0; k < m_drawn.size(); ++k) {
            if (k)
                m_line += ',';
            appendInt(m_line, m_drawn[k]);
        }
        m_line += ']';
        seat("dealer", c->dealer);
        end();
        m_drawn.clear();
    } else if (e.is<ev::PackGathered>()) {
        m_dealt = 0;
    } else if (e.is<ev::CardDealt>()) {
        if (++m_dealt == 54)
            dealLine(g);
    } else if (auto b = e.as<ev::BidMade>()) {
        begin("bid");
        seat("seat", b->seat);
        integer("level", b->level);
        text("direction", direction(b->high));
        integer("trumps", b->trumps);
        boolean("forced", b->forced);
        why(b->why);
        end();
    } else if (auto p = e.as<ev::BidPassed>()) {
        begin("pass");
        seat("seat", p->seat);
        why(p->why);
        end();
    } else if (auto s = e.as<ev::ContractSettled>()) {
        begin("contract");
        seat("seat", s->winner);
        integer("level", s->level);
        text("direction", direction(s->high));
        integer("trumps", s->trumps);
        end();
    } else if (auto k = e.as<ev::KittyDiscarded>()) {
        begin("exchange");
        seat("seat", k->seat);
        cards("discards", k->discards);
        why(k->why);
        end();
    } else if (auto dc = e.as<ev::DiscardsConfirmed>()) {
        begin("exchange");
        seat("seat", South);
        cards("discards", dc->discards);
        why(Reason{});
        end();
    } else if (auto j = e.as<ev::JokerSwapped>()) {
        begin("joker_swap");
        seat("seat", j->seat);
        integer("joker", j->joker);
        integer("card", j->card);
        why(Reason{Reason::Source::JokerSwap, 1});
        end();
    } else if (auto pl = e.as<ev::CardPlayed>()) {
        m_trick = g.table().tricksPlayed;
        begin("play");
        seat("seat", pl->seat);
        integer("card", pl->card);
        why(pl->why);
        end();
    } else if (auto tg = e.as<ev::TrickGathered>()) {
        m_trick = tg->number;
        begin("trick");
        integer("number", tg->number);
        seat("winner", tg->winner);
        end();
    } else if (auto hs = e.as<ev::HandScored>()) {
        handEndLine(*hs, e, g);
        if (hs->gameOver) {
            begin("game_end");
            integer("winner", hs->winner);
            end();
        }
    }
}

}  // namespace corvane::record
