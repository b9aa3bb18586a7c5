#include "session/table_session.h"

#include <algorithm>

#include "engine/autoplay.h"
#include "engine/explain.h"
#include "scene/explanation.h"
#include "session/table_texts.h"

namespace corvane {

namespace {

// The events that open a turn of the person's.
bool opensTurn(const Event& e)
{
    return e.is<ev::HumanBidTurn>() || e.is<ev::DiscardsOpened>() || e.is<ev::HumanCardTurn>();
}

void append(Steps& to, Steps&& more)
{
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

void append(TableUpdate& to, TableUpdate&& more) { append(to.steps, std::move(more.steps)); }

}  // namespace

TableSession::TableSession(Options options)
    : m_game(options.seed, std::move(options.names)),
      m_choreographer(options.pace),
      m_recorder(options.seed, !options.record ? record::TableRecorder::Sink()
                                               : [this](const std::vector<std::string>& lines) {
                                                     // Told in the log with the next steps, never passed over.
                                                     if (std::string trouble = m_sink(lines); !trouble.empty())
                                                         m_recordTrouble.push_back(std::move(trouble));
                                                 }),
      m_sink(std::move(options.record)),
      m_explain(options.explain)
{
    m_game.setStatistics(options.statistics);
}

TableSession::~TableSession() { flushRecord(); }

void TableSession::flushRecord() { m_recorder.flush(); }

TableUpdate TableSession::take(const Event& e)
{
    ++m_move;
    // A game is played at one level from its first hand, its Expert robots
    // at the budget of the pace it starts at; its record names both.
    if (const auto* h = e.as<ev::HandStarted>(); h && h->newGame) {
        for (Seat s = West; s <= East; ++s)
            m_game.decideOutside(s, m_nextLevel == RobotLevel::Expert);
        const bool fast = pace() == Pace::Fast;
        m_budget = expert::ExpertBudget::forPace(fast);
        m_recorder.setQuickExpert(fast);
    }
    TableUpdate u;
    if (!scene().rings().empty())
        m_choreographer.add(u.steps, step::Ring{});
    m_recorder.observe(e, m_game);
    follow(e);
    append(u.steps, m_choreographer.stepsFor(e, m_game.table(), m_game.names()));
    if (m_explain) {
        // Placed among the event's steps; the scene's log gains it after the
        // event's own lines, where it goes.
        const std::string why = explain(e, m_game.names());
        if (!why.empty()) {
            m_choreographer.apply(step::Log{why, true});
            addExplanation(u.steps, why);
        }
    }
    for (const std::string& trouble : m_recordTrouble)
        m_choreographer.add(u.steps, step::Log{trouble});
    m_recordTrouble.clear();
    if (opensTurn(e))
        m_turns.push_back({m_game, m_choreographer, m_recorder.mark(), m_lastTrick, m_reviewer, m_seen});
    if (e.message) {
        u.message = *e.message;
        u.flowMessage = m_game.awaiting() == Awaiting::Answer;
        if (u.flowMessage && e.is<ev::HandScored>() && m_lastHand)
            u.reviewButton = addReviewButton(*u.message);
    }
    return u;
}

// What the table keeps beside the engine: the last trick, the hand's review
// and the turns to go back to.
void TableSession::follow(const Event& e)
{
    if (e.is<ev::Refused>())
        return;
    m_reviewer.observe(e, m_game.table(), m_game.names());
    m_seen.observe(e);
    if (e.is<ev::HandStarted>()) {
        m_turns.clear();
        m_lastTrick.reset();
    } else if (const auto* t = e.as<ev::TrickGathered>()) {
        GatheredTrick g{t->number, t->winner, {}};
        for (std::size_t p = 1; p <= 4; ++p)
            g.bySeat[t->seats[p]] = t->cards[p];
        m_lastTrick = g;
    } else if (e.is<ev::HandScored>()) {
        // A scored hand stays scored.
        m_turns.clear();
        m_lastHand = m_reviewer.review();
    }
}

std::optional<TableUpdate> TableSession::refusesNewGame()
{
    if (std::optional<Event> refusal = m_game.refusesNewGame())
        return take(*refusal);
    return std::nullopt;
}

bool TableSession::canHint() const
{
    const Awaiting a = m_game.awaiting();
    return a == Awaiting::Bid || a == Awaiting::Discards || a == Awaiting::PlayCard;
}

TableUpdate TableSession::hint()
{
    const Hint h = hintFor(m_game);
    TableUpdate u;
    CardSet ringed;
    switch (h.stage) {
    case Awaiting::Bid:
        // The panel is set as the person would set it; "Finished" is theirs.
        append(u, resetPanel());
        setPanelTo(m_game, h, [&](const Event& e) { append(u, take(e)); });
        break;
    case Awaiting::Discards:
        // Picked with the person's own command, so "Carry On" takes them and
        // "Start Again" gives them back; the rings show which the hint chose.
        ringed = h.discards - m_game.table().selected;
        for (Card c : ringed)
            append(u, pickDiscard(c));
        break;
    case Awaiting::PlayCard: ringed = CardSet::of(h.card); break;
    default: return u;
    }
    if (!ringed.empty())
        m_choreographer.add(u.steps, step::Ring{ringed});
    if (const std::string why = hintSentence(h); !why.empty())
        m_choreographer.add(u.steps, step::Log{"Hint: " + why, true});
    return u;
}

// The hint in the words of a robot's reason, South as the seat.
std::string TableSession::hintSentence(const Hint& h) const
{
    const auto what = [&]() -> EventData {
        if (h.stage == Awaiting::Bid && h.pass)
            return ev::BidPassed{South, h.why};
        if (h.stage == Awaiting::Bid)
            return ev::BidMade{South, h.level, h.directionOption == 0, h.trumpOption + 1, m_game.forcedHumanTurn(),
                               h.why};
        if (h.stage == Awaiting::Discards)
            return ev::KittyDiscarded{South, h.discards, h.why};
        return ev::CardPlayed{South, h.card, m_game.trickPosition(), h.why};
    };
    return explain(Event{what(), {}, std::nullopt}, m_game.names());
}

bool TableSession::atTopTurn() const
{
    const Game& top = m_turns.back().game;
    return m_game.table() == top.table() && m_game.awaiting() == top.awaiting();
}

bool TableSession::canUndo() const { return !m_turns.empty() && (!atTopTurn() || m_turns.size() > 1); }

TableUpdate TableSession::undo()
{
    if (!canUndo())
        return {};
    if (atTopTurn())
        m_turns.pop_back();
    const Turn& turn = m_turns.back();
    const Names names = m_game.names();
    const Statistics statistics = m_game.statistics();
    const Pace pace = m_choreographer.pace();
    m_game = turn.game;
    for (Seat s = South; s <= East; ++s)
        if (m_game.name(s) != names[s])
            m_game.setName(s, names[s]);
    m_game.setStatistics(statistics);
    m_choreographer = turn.choreographer;
    m_choreographer.setPace(pace);
    m_recorder.rewind(turn.record);
    m_lastTrick = turn.lastTrick;
    m_reviewer = turn.reviewer;
    m_seen = turn.seen;
    ++m_move;
    TableUpdate u;
    u.restore = true;
    return u;
}

TableUpdate TableSession::showLastTrick() const
{
    TableUpdate u;
    if (m_lastTrick)
        u.steps.push_back(step::ShowTrick{m_lastTrick->bySeat, "Trick " + std::to_string(m_lastTrick->number) +
                                                                   " was won by " + m_game.name(m_lastTrick->winner)});
    return u;
}

TableUpdate TableSession::hideLastTrick() const
{
    TableUpdate u;
    u.steps.push_back(step::ShowTrick{});
    return u;
}

std::optional<RobotTask> TableSession::robotTask() const
{
    if (m_game.awaiting() != Awaiting::Robot)
        return std::nullopt;
    const RobotTurn turn = m_game.robotTurn();
    return RobotTask{m_move, m_game, turn, m_seen.of(turn.seat), m_budget};
}

TableUpdate TableSession::robotDecided(const RobotAnswer& a)
{
    const RobotTurn now = m_game.robotTurn();
    if (a.move != m_move || m_game.awaiting() != Awaiting::Robot || now.seat != a.turn.seat ||
        now.choice != a.turn.choice)
        return {};
    switch (a.turn.choice) {
    case RobotTurn::Choice::Bid: return take(m_game.decideBid(a.turn.seat, a.bid));
    case RobotTurn::Choice::Discards: return take(m_game.decideDiscards(a.turn.seat, a.discards));
    case RobotTurn::Choice::Play: return take(m_game.decideCard(a.turn.seat, a.card));
    case RobotTurn::Choice::None: break;
    }
    return {};
}

namespace {

std::string contractName(int level, bool high, Suit trumps)
{
    return std::to_string(level) + (high ? " HIGH in " : " LOW in ") +
           (trumps == NoTrumps ? std::string("No Trumps") : std::string(suitName(trumps)));
}

}  // namespace

// The Expert's bid and the points of the best few contracts it weighed.
std::string bidHintLine(const expert::BidChoice& c, std::size_t shown)
{
    const BidDecision& d = c.decision;
    std::string line = "Hint: the Expert would " + (d.bid ? "bid " + contractName(d.level, d.high, d.trumps) : "pass") +
                       ". Over " + std::to_string(c.deals) + " deals that fit your hand, the points you would expect:";
    for (std::size_t i = 0; i < c.contracts.size() && i < shown; ++i) {
        const expert::ContractWeighing& w = c.contracts[i];
        line += " " + contractName(w.level, w.high, w.trumps) + " " +
                inTenths(expert::tenthsOf(w.points)) + ",";
    }
    line.back() = '.';
    return line;
}

std::optional<RobotTask> TableSession::expertHintTask() const
{
    if (!m_game.decidesOutside(West) || !canHint())
        return std::nullopt;
    if (m_game.awaiting() == Awaiting::Bid)
        return RobotTask{m_move, m_game, {South, RobotTurn::Choice::Bid}, m_seen.of(South), m_budget};
    if (m_game.awaiting() != Awaiting::PlayCard)
        return std::nullopt;
    return RobotTask{m_move, m_game, {South, RobotTurn::Choice::Play}, m_seen.of(South), m_budget};
}

TableUpdate TableSession::expertHint(const RobotAnswer& a)
{
    TableUpdate u;
    if (a.move != m_move || a.turn.seat != South)
        return u;
    if (a.turn.choice == RobotTurn::Choice::Bid) {
        if (m_game.awaiting() != Awaiting::Bid || a.bidding.deals == 0)
            return u;
        m_choreographer.add(u.steps, step::Log{bidHintLine(a.bidding), true});
        return u;
    }
    if (m_game.awaiting() != Awaiting::PlayCard || a.weighing.card == NoCard)
        return u;
    std::string line = "Hint: the Expert would play " + std::string(cardName(a.weighing.card)) + ". Over " +
                       std::to_string(a.weighing.deals) + " deals that fit what you have seen, the tricks you take:";
    for (const expert::CardWeighing& w : a.weighing.cards)
        line += " " + std::string(cardName(w.card)) + " " + inTenths(expert::tenthsOf(w.tricks)) + ",";
    line.back() = '.';
    m_choreographer.add(u.steps, step::Ring{CardSet::of(a.weighing.card)});
    m_choreographer.add(u.steps, step::Log{line, true});
    return u;
}

std::vector<Card> TableSession::keyboardCards() const
{
    const Awaiting a = m_game.awaiting();
    if (a != Awaiting::Discards && a != Awaiting::PlayCard)
        return {};
    std::vector<Card> cards;
    for (Card c : m_game.table().hand(South))
        cards.push_back(c);
    std::stable_sort(cards.begin(), cards.end(),
                     [&](Card a1, Card a2) { return scene().card(a1).left < scene().card(a2).left; });
    return cards;
}

bool TableSession::discardsPicked() const
{
    return m_game.awaiting() == Awaiting::Discards && m_game.table().selected.count() == 6;
}

int TableSession::addReviewButton(MessageBox& message)
{
    std::string* free = message.caption2.empty() ? &message.caption2
                        : message.caption3.empty() ? &message.caption3
                                                   : nullptr;
    if (free == nullptr)
        return -1;
    *free = "Review";
    return free == &message.caption2 ? 1 : 2;
}

TableUpdate TableSession::note(const std::string& line)
{
    TableUpdate u;
    m_choreographer.add(u.steps, step::Log{line});
    return u;
}

TableUpdate TableSession::rename(Seat s, const std::string& name)
{
    if (isSeat(s))
        m_game.setName(s, name);
    return seatLabels();
}

TableUpdate TableSession::seatLabels()
{
    TableUpdate u;
    for (Seat seat = South; seat <= East; ++seat)
        m_choreographer.add(u.steps, step::Caption{nameLabel(seat), greeting(m_game.names(), seat)});
    return u;
}

}  // namespace corvane
