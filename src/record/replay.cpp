#include "record/replay.h"

#include <fstream>
#include <optional>

#include "engine/autoplay.h"
#include "record/record_reader.h"
#include "record/record_writer.h"

namespace corvane::record {

namespace {

int intField(const Json& v, std::string_view name) { return static_cast<int>(*v.find(name)->asInt64()); }

std::vector<Card> cardsOf(const Json& list)
{
    std::vector<Card> out;
    for (const Json& c : list.items())
        out.push_back(static_cast<Card>(*c.asInt64()));
    return out;
}

// The recorded hands in the order the engine deals: twelve passes round the
// table from the dealer's left, then the kitty. Which card of a hand comes
// first does not matter; the hands do.
std::vector<Card> dealOrder(const Json& deal)
{
    const Seat dealer = intField(deal, "dealer");
    const Json& hands = *deal.find("hands");
    std::array<std::vector<Card>, 5> held;
    for (Seat s = South; s <= East; ++s)
        held[s] = cardsOf(*hands.find(std::to_string(s)));
    std::array<std::size_t, 5> next{};
    std::vector<Card> order;
    for (int n = 0; n < 48; ++n) {
        const Seat s = (dealer + n % 4) % 4 + 1;
        order.push_back(held[s][next[s]++]);
    }
    for (Card c : cardsOf(*deal.find("kitty")))
        order.push_back(c);
    return order;
}

const std::string& typeOf(const Json& v) { return v.find("type")->asString(); }

class Replayer {
public:
    ReplayResult run(std::istream& in)
    {
        {
            RecordReader check(in);
            while (check.next()) {
            }
            if (!check.error().empty())
                return {2, 0, 0, check.error()};
        }
        in.clear();
        in.seekg(0);
        if (!in)
            return {2, 0, 0, "the record cannot be read a second time"};
        RecordReader reader(in);
        m_reader = &reader;
        step();
        while (m_next && !m_failed) {
            if (typeOf(m_next->value) != "game") {
                fail(m_next->number, "the replay's game has ended, but the record goes on with:\n  record: " +
                                         m_next->text);
                break;
            }
            playGame();
        }
        if (!m_failed && !reader.error().empty())
            return {2, m_result.lines, m_result.games, reader.error()};
        m_result.status = m_failed ? 1 : 0;
        return m_result;
    }

private:
    void step() { m_next = m_reader->next(); }

    void fail(long line, const std::string& what)
    {
        if (m_failed)
            return;
        m_failed = true;
        m_result.message = "line " + std::to_string(line) + ": " + what;
    }

    std::string where(const Json* record, const Json* replay) const
    {
        std::string out = "game " + std::to_string(m_writer->game()) + ", hand " + std::to_string(m_writer->hand());
        if (m_writer->trick() > 0)
            out += ", trick " + std::to_string(m_writer->trick());
        for (const Json* v : {record, replay}) {
            const Json* s = v ? v->find("seat") : nullptr;
            if (s && s->isInteger()) {
                out += ", seat " + std::to_string(*s->asInt64());
                break;
            }
        }
        return out;
    }

    // Each line the engine's events make, against the record's next line.
    void compare(std::string_view produced)
    {
        if (m_failed || m_abandoned)
            return;
        std::string error;
        const std::optional<Json> mine = parseJson(produced, error);
        if (!mine || !schemaError(*mine).empty()) {
            fail(m_next ? m_next->number : m_reader->linesRead() + 1,
                 "the replay made a line the reader refuses:\n  replay: " + std::string(produced));
            return;
        }
        // A person may leave a game unfinished; the record then goes on with
        // the next game or ends.
        const bool recordStops = !m_next || typeOf(m_next->value) == "game";
        if (m_human && recordStops && typeOf(*mine) != "game") {
            m_abandoned = true;
            return;
        }
        if (!m_next) {
            fail(m_reader->linesRead() + 1, "the record ends, but the replay goes on (" + where(nullptr, &*mine) +
                                                "):\n  replay: " + std::string(produced));
            return;
        }
        if (!(m_next->value == *mine)) {
            fail(m_next->number, "the replay differs from the record (" + where(&m_next->value, &*mine) +
                                     "):\n  record: " + m_next->text + "\n  replay: " + std::string(produced));
            return;
        }
        ++m_result.lines;
        step();
        // The person renamed a seat here: the engine's lines use the new name.
        while (m_next && typeOf(m_next->value) == "rename") {
            m_game->setName(intField(m_next->value, "seat"), m_next->value.find("name")->asString());
            ++m_result.lines;
            step();
        }
        if (!m_next)
            return;
        // The cards the engine turns up and deals next come from the record,
        // except those of a chosen deal: its number must deal them again.
        if (typeOf(m_next->value) == "dealer_draw" && !m_dealsFromNumber)
            m_game->presetDraw(cardsOf(*m_next->value.find("cards")));
        else if (typeOf(m_next->value) == "deal" && m_dealsFromNumber)
            m_dealsFromNumber = false;
        else if (typeOf(m_next->value) == "deal")
            m_game->presetDeal(dealOrder(m_next->value));
    }

    void take(const Event& e) { m_writer->observe(e, *m_game); }

    // Gives a command of South's recorded action; false when refused.
    bool command(const Event& e)
    {
        take(e);
        if (!e.is<ev::Refused>())
            return true;
        std::string why = e.message ? e.message->text : e.log.empty() ? "" : std::string(e.log.front());
        fail(m_next->number, "the engine refuses South's recorded action" + (why.empty() ? "" : ": " + why) +
                                 "\n  record: " + m_next->text);
        return false;
    }

    void southTurn(Awaiting a)
    {
        Game& g = *m_game;
        if (a == Awaiting::CarryOn)
            return take(g.carryOn());
        if (a == Awaiting::Answer)
            return take(g.answer(0));
        const char* wanted = a == Awaiting::Bid ? "bid" : a == Awaiting::Discards ? "discards" : "card";
        const Json* v = m_next ? &m_next->value : nullptr;
        const std::string type = v ? typeOf(*v) : "";
        // A person who leaves mostly leaves at their own turn.
        if (!v || type == "game") {
            m_abandoned = true;
            return;
        }
        const bool fits = v && v->find("seat") && intField(*v, "seat") == South &&
                          (a == Awaiting::Bid        ? type == "bid" || type == "pass"
                           : a == Awaiting::Discards ? type == "exchange"
                                                     : type == "play");
        if (!fits) {
            if (!v)
                fail(m_reader->linesRead() + 1, std::string("the record ends where the replay waits for South's ") +
                                                    wanted);
            else
                fail(m_next->number, std::string("the replay waits for South's ") + wanted +
                                         ", but the record has:\n  record: " + m_next->text);
            return;
        }
        if (type == "pass") {
            command(g.setPass(true)) && command(g.finishBid());
        } else if (type == "bid") {
            command(g.chooseTrumps(intField(*v, "trumps") - 1)) && command(g.chooseLevel(intField(*v, "level"))) &&
                command(g.chooseDirection(v->find("direction")->asString() == "up" ? 0 : 1)) &&
                command(g.finishBid());
        } else if (type == "exchange") {
            const Json discards = *v->find("discards");  // the line moves on once matched
            for (Card c : cardsOf(discards))
                if (!g.table().selected.has(c) && !command(g.pickDiscard(c)))
                    return;
            command(g.confirmDiscards());
        } else {
            command(g.playCard(intField(*v, "card")));
        }
    }

    void playGame()
    {
        const Json start = m_next->value;
        const Json& names = *start.find("names");
        Names n = defaultNames();
        for (Seat s = South; s <= East; ++s)
            n[s] = names.items()[static_cast<std::size_t>(s - 1)].asString();
        const std::uint64_t seed = *start.find("seed")->asUint64();
        m_human = start.find("south")->asString() == "human";
        const bool southNt = start.find("south_nt")->asBool();
        Game g(seed, n);
        RecordWriter w({seed, m_human ? SouthPlayer::Human : SouthPlayer::Robot, southNt, *start.find("game")->asInt64()},
                       [this](std::string_view line) { compare(line); });
        m_game = &g;
        m_writer = &w;
        m_abandoned = false;
        m_dealsFromNumber = start.find("deal") != nullptr;
        const AutoplayOptions south{southNt};
        const Json* deal = start.find("deal");
        take(deal ? g.newGameAt(*deal->asUint64()) : g.newGame());
        // A sound record has a line at least every few actions; this many
        // without one means the engine runs on where the record has nothing.
        long quiet = 0;
        for (long lines = w.lines(); !m_failed && !m_abandoned && g.awaiting() != Awaiting::NewGame;) {
            const Awaiting a = g.awaiting();
            if (a == Awaiting::Nothing)
                take(g.advance());
            else if (!m_human)
                for (const Event& e : autoplaySouth(g, south))
                    take(e);
            else
                southTurn(a);
            quiet = w.lines() == lines ? quiet + 1 : 0;
            lines = w.lines();
            if (quiet > 1000)
                fail(m_next ? m_next->number : m_reader->linesRead() + 1, "the replay goes on without a line");
        }
        if (!m_failed && !m_abandoned && w.lines() > 0 && m_next && typeOf(m_next->value) != "game")
            fail(m_next->number, "the replay's game has ended (" + where(&m_next->value, nullptr) +
                                     "), but the record goes on with:\n  record: " + m_next->text);
        if (!m_failed)
            ++m_result.games;
        m_game = nullptr;
        m_writer = nullptr;
    }

    RecordReader* m_reader = nullptr;
    std::optional<RecordLine> m_next;
    ReplayResult m_result;
    bool m_failed = false;
    bool m_human = false;
    bool m_abandoned = false;
    bool m_dealsFromNumber = false;  // the first hand of a chosen deal is not preset
    Game* m_game = nullptr;
    RecordWriter* m_writer = nullptr;
};

}  // namespace

ReplayResult replayRecord(std::istream& in) { return Replayer().run(in); }

ReplayResult replayFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {2, 0, 0, "cannot open " + path};
    return replayRecord(in);
}

}  // namespace corvane::record
