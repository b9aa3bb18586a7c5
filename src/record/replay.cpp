#include "record/replay.h"

#include <fstream>
#include <memory>

#include "engine/autoplay.h"
#include "expert/expert_player.h"
#include "record/record_reader.h"
#include "record/record_writer.h"

namespace corvane::record {

namespace {

std::vector<Card> cardsOf(std::span<const Card> list) { return {list.begin(), list.end()}; }

// The recorded hands in the order the engine deals: twelve passes round the
// table from the dealer's left, then the kitty. Which card of a hand comes
// first does not matter; the hands do.
std::vector<Card> dealOrder(const RecordLine& deal)
{
    const Seat dealer = static_cast<Seat>(deal.integer(field::dealer));
    const std::span<const Card> hands = deal.cards(field::hands);  // seat 1's twelve, then seat 2's...
    std::array<std::size_t, 5> next{};
    std::vector<Card> order;
    order.reserve(CardCount);
    for (int n = 0; n < 48; ++n) {
        const Seat s = (dealer + n % 4) % 4 + 1;
        order.push_back(hands[static_cast<std::size_t>(12 * (s - 1)) + next[s]++]);
    }
    for (Card c : deal.cards(field::kitty))
        order.push_back(c);
    return order;
}

int seatOf(const RecordLine& l) { return static_cast<int>(l.integer(field::seat)); }

class Replayer {
public:
    // One pass: each line is taken as the replay comes to it. A line the
    // replay makes to the byte, from values the format takes, is a valid
    // line without being read as JSON; every other line is read and
    // checked. After a difference the rest of the file is still checked,
    // since a file that is no valid record says so first.
    ReplayResult run(std::istream& in)
    {
        RecordReader reader(in);
        m_reader = &reader;
        step();
        while (m_at && !m_failed) {
            if (!nextIs(line::game)) {
                if (m_at)
                    fail(number(), "the replay's game has ended, but the record goes on with:\n  record: " + text());
                break;
            }
            playGame();
        }
        if (m_at && !reader.checked())
            reader.line();
        while (reader.next()) {
        }
        if (!reader.error().empty())
            return {2, m_result.lines, m_result.games, reader.error()};
        m_result.status = m_failed ? 1 : 0;
        return m_result;
    }

private:
    // The record's next line: there is one while m_at.
    void step()
    {
        m_at = m_reader->advance();
        m_type = m_at ? m_reader->typeAsWritten() : nullptr;
    }
    long number() const { return m_reader->linesRead() + (m_at ? 0 : 1); }
    std::string text() const { return std::string(m_reader->text()); }
    // The next line read and checked; nothing, and no next line, when it is
    // not a valid one.
    const RecordLine* next()
    {
        const RecordLine* l = m_at ? m_reader->line() : nullptr;
        m_at = l != nullptr;
        return l;
    }
    const LineType* nextType()
    {
        if (m_type || !m_at)
            return m_type;
        const RecordLine* l = next();
        return l ? &l->lineType() : nullptr;
    }
    bool nextIs(const LineType& type) { return nextType() == &type; }

    void fail(long line, const std::string& what)
    {
        if (m_failed)
            return;
        m_failed = true;
        m_result.message = "line " + std::to_string(line) + ": " + what;
    }

    std::string where(const RecordLine* record, const RecordLine* replay) const
    {
        std::string out = "game " + std::to_string(m_writer.game()) + ", hand " + std::to_string(m_writer.hand());
        if (m_writer.trick() > 0)
            out += ", trick " + std::to_string(m_writer.trick());
        for (const RecordLine* l : {record, replay})
            if (l && l->has(field::seat)) {
                out += ", seat " + std::to_string(seatOf(*l));
                break;
            }
        return out;
    }

    // Each line the engine's events make, against the record's next line.
    void compare(std::string_view produced)
    {
        if (m_failed || m_abandoned)
            return;
        const RecordWriter::Written& made = m_writer.written();
        if (m_at && made.sound && m_reader->text() == produced) {
            // The line is the writer's to the byte: the game's order is all
            // there is left to check.
            if (!m_reader->written(*made.type, made.card)) {
                m_at = false;
                return;
            }
        } else if (!differs(produced)) {
            return;
        }
        ++m_result.lines;
        step();
        // The cards the engine turns up and deals next come from the record,
        // except those of a chosen deal: its number must deal them again.
        if (nextIs(line::dealerDraw) && !m_dealsFromNumber) {
            if (const RecordLine* l = next())
                m_game->presetDraw(cardsOf(l->cards(field::drawn)));
        } else if (nextIs(line::deal) && m_dealsFromNumber) {
            m_dealsFromNumber = false;
        } else if (nextIs(line::deal)) {
            if (const RecordLine* l = next())
                m_game->presetDeal(dealOrder(*l));
        }
    }

    // A line not the record's to the byte, compared by its values; true when
    // they are the same.
    bool differs(std::string_view produced)
    {
        std::string error;
        if (!m_own.read(produced, m_mine, error)) {
            fail(number(), "the replay made a line the reader refuses:\n  replay: " + std::string(produced));
            return false;
        }
        const RecordLine* record = next();
        // A person may leave a game unfinished; the record then goes on
        // with the next game or ends.
        const bool recordStops = !record || record->is(line::game);
        if (m_human && recordStops && !m_mine.is(line::game)) {
            m_abandoned = true;
            return false;
        }
        if (!record) {
            fail(number(), "the record ends, but the replay goes on (" + where(nullptr, &m_mine) +
                               "):\n  replay: " + std::string(produced));
            return false;
        }
        if (!(*record == m_mine)) {
            fail(record->number(), "the replay differs from the record (" + where(record, &m_mine) +
                                       "):\n  record: " + text() + "\n  replay: " + std::string(produced));
            return false;
        }
        return true;
    }

    // The person renamed a seat once the engine had made the log lines the
    // rename line holds: the engine's lines from then on use the new name.
    void renameWhenDue()
    {
        while (!m_failed && nextIs(line::rename)) {
            const RecordLine* l = next();
            if (!l || static_cast<int>(l->strings(field::log).size()) != m_writer.pendingLines())
                return;
            const Seat s = seatOf(*l);
            const std::string name(l->string(field::name));
            m_game->setName(s, name);
            m_writer.renamed(s, name);
        }
    }

    void take(const Event& e)
    {
        if (m_expert)
            m_expert->observe(e);
        m_writer.observe(e, *m_game);
    }

    // Gives a command of South's recorded action; false when refused.
    bool command(const Event& e)
    {
        take(e);
        if (!e.is<ev::Refused>())
            return true;
        std::string why = e.message ? e.message->text : e.log.empty() ? "" : std::string(e.log.front());
        fail(number(), "the engine refuses South's recorded action" + (why.empty() ? "" : ": " + why) +
                           "\n  record: " + (m_at ? text() : std::string()));
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
        const RecordLine* next = this->next();
        // A person who leaves mostly leaves at their own turn.
        if (!next || next->is(line::game)) {
            m_abandoned = true;
            return;
        }
        // The line is left behind once its action is matched: what the
        // commands need is taken first.
        const RecordLine v = *next;
        const bool fits = v.has(field::seat) && seatOf(v) == South &&
                          (a == Awaiting::Bid        ? v.is(line::bid) || v.is(line::pass)
                           : a == Awaiting::Discards ? v.is(line::exchange)
                                                     : v.is(line::play));
        if (!fits) {
            fail(v.number(), std::string("the replay waits for South's ") + wanted +
                                 ", but the record has:\n  record: " + std::string(v.text()));
            return;
        }
        if (v.is(line::pass)) {
            command(g.setPass(true)) && command(g.finishBid());
        } else if (v.is(line::bid)) {
            command(g.chooseTrumps(static_cast<int>(v.integer(field::trumps)) - 1)) &&
                command(g.chooseLevel(static_cast<int>(v.integer(field::level)))) &&
                command(g.chooseDirection(v.string(field::direction) == field::direction.choices[0] ? 0 : 1)) &&
                command(g.finishBid());
        } else if (v.is(line::exchange)) {
            for (Card c : v.cards(field::discards))
                if (!g.table().selected.has(c) && !command(g.pickDiscard(c)))
                    return;
            command(g.confirmDiscards());
        } else {
            command(g.playCard(static_cast<Card>(v.integer(field::card))));
        }
    }

    void playGame()
    {
        const RecordLine* line = next();
        if (!line)
            return;
        // The game line is left behind at the first line the game makes.
        const RecordLine start = *line;
        Names n = defaultNames();
        const std::vector<std::string_view> names = start.strings(field::names);
        for (Seat s = South; s <= East; ++s)
            n[s] = std::string(names[static_cast<std::size_t>(s - 1)]);
        const std::uint64_t seed = start.unsignedInteger(field::seed);
        m_human = start.string(field::south) == field::south.choices[1];
        const bool southNt = start.flag(field::southNt);
        Game g(seed, n);
        // The Expert's robots decide again as they did, from the same deals
        // and the same play.
        const bool expertRobots = start.has(field::robots) && start.string(field::robots) == field::robots.choices[1];
        for (Seat s = West; s <= East; ++s)
            g.decideOutside(s, expertRobots);
        const bool quick = start.has(field::budget) && start.string(field::budget) == field::budget.choices[1];
        m_expert =
            expertRobots ? std::make_unique<expert::ExpertPlayer>(expert::ExpertBudget::forPace(quick)) : nullptr;
        RecordWriter& w = m_writer;
        const SouthPlayer southPlayer = m_human ? SouthPlayer::Human : SouthPlayer::Robot;
        w.restart({seed, southPlayer, southNt, start.integer(field::game), quick});
        m_game = &g;
        m_abandoned = false;
        m_dealsFromNumber = start.has(field::deal);
        const AutoplayOptions south{southNt};
        take(m_dealsFromNumber ? g.newGameAt(start.unsignedInteger(field::deal)) : g.newGame());
        // A sound record has a line at least every few actions; this many
        // without one means the engine runs on where the record has nothing.
        long quiet = 0;
        for (long lines = w.lines(); !m_failed && !m_abandoned && g.awaiting() != Awaiting::NewGame;) {
            renameWhenDue();
            const Awaiting a = g.awaiting();
            if (m_failed)
                break;
            if (a == Awaiting::Nothing)
                take(g.advance());
            else if (a == Awaiting::Robot && m_expert)
                playTurn(g, *m_expert, g.robotTurn().seat, [this](const Event& e) { take(e); });
            else if (!m_human)
                autoplaySouth(g, south, [this](const Event& e) { take(e); });
            else
                southTurn(a);
            quiet = w.lines() == lines ? quiet + 1 : 0;
            lines = w.lines();
            if (quiet > 1000)
                fail(number(), "the replay goes on without a line");
        }
        if (!m_failed && !m_abandoned && w.lines() > 0 && m_at && !nextIs(line::game) && m_at)
            fail(number(), "the replay's game has ended (" + where(next(), nullptr) +
                               "), but the record goes on with:\n  record: " + text());
        if (!m_failed)
            ++m_result.games;
        m_game = nullptr;
    }

    RecordReader* m_reader = nullptr;
    bool m_at = false;                  // the record has a next line
    const LineType* m_type = nullptr;   // its type, when it begins as written
    LineParser m_own;                   // reads a line of the replay's that is not the record's to the byte
    RecordLine m_mine;
    ReplayResult m_result;
    bool m_failed = false;
    bool m_human = false;
    bool m_abandoned = false;
    bool m_dealsFromNumber = false;  // the first hand of a chosen deal is not preset
    Game* m_game = nullptr;
    std::unique_ptr<expert::ExpertPlayer> m_expert;  // the robots of an Expert game
    // One writer for every game, so that each reason's text is made once.
    RecordWriter m_writer{{}, [this](std::string_view line) { compare(line); }};
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
