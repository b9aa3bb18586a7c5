// The table's recorder: a hand's lines held until it is scored; and the
// review read back from them. (Undo and false starts: the window's tests.)
#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "record/hand_review.h"
#include "record/table_recorder.h"

using namespace corvane;
using namespace corvane::record;

namespace {

constexpr std::uint64_t Seed = 40;

// Plays the first hand of a seeded game, South by the robots' rules, into a
// recorder and a plain writer at once; `atTurn` looks at each of South's turns.
struct Hand {
    Game game{Seed};
    std::vector<std::vector<std::string>> flushed;
    TableRecorder recorder{Seed, [this](const std::vector<std::string>& l) { flushed.push_back(l); }};
    std::vector<std::string> plain;
    std::vector<Event> events;

    void play(const std::function<void(Hand&, int turn)>& atTurn = {})
    {
        RecordWriter writer({Seed, SouthPlayer::Human, false, 1}, [&](std::string_view l) { plain.emplace_back(l); });
        bool scored = false;
        const auto take = [&](Event e) {
            recorder.observe(e, game);
            writer.observe(e, game);
            scored = scored || e.is<ev::HandScored>();
            events.push_back(std::move(e));
        };
        take(game.newGame());
        for (int turn = 0; !scored;) {
            const Awaiting a = game.awaiting();
            if (a == Awaiting::Nothing) {
                take(game.advance());
            } else if (a == Awaiting::CarryOn) {
                take(game.carryOn());
            } else if (a == Awaiting::Answer) {
                take(game.answer(0));
            } else {
                if (atTurn)
                    atTurn(*this, turn++);
                for (Event& e : autoplaySouth(game))
                    take(std::move(e));
            }
        }
    }
};

}  // namespace

TEST(HandReview, TheHandAsItsRecordTellsIt)
{
    Hand h;
    CardSet dealtSouth;
    h.play([&](Hand& hand, int turn) {
        if (turn == 0)
            dealtSouth = hand.game.table().hand(South);
    });
    // The hand is handed on when scored, as a plain writer writes it.
    ASSERT_EQ(h.flushed.size(), 1u);
    EXPECT_EQ(h.flushed[0], h.plain);
    std::string error;
    const std::optional<HandReview> r = reviewHand(h.recorder.lastHand(), error);
    ASSERT_TRUE(r) << error;
    EXPECT_EQ(r->names, defaultNames());
    EXPECT_EQ(r->hand, 1);
    EXPECT_EQ(r->dealt[South], dealtSouth);
    CardSet all = r->kitty;
    for (Seat s = South; s <= East; ++s) {
        EXPECT_EQ(r->dealt[s].count(), 12);
        all |= r->dealt[s];
    }
    EXPECT_EQ(all, AllCards);

    std::vector<HandReview::Bid> bids;
    std::vector<std::pair<Seat, Card>> plays;
    std::vector<Seat> winners;
    int southTeamPoints = 0;
    int theirPoints = 0;
    for (const Event& e : h.events) {
        if (const auto* b = e.as<ev::BidMade>())
            bids.push_back({b->seat, false, b->level, b->high, b->trumps, b->forced, {}});
        if (const auto* p = e.as<ev::BidPassed>())
            bids.push_back({p->seat, true, 0, false, 0, false, {}});
        if (const auto* c = e.as<ev::CardPlayed>())
            plays.emplace_back(c->seat, c->card);
        if (const auto* t = e.as<ev::TrickGathered>())
            winners.push_back(t->winner);
        if (const auto* s = e.as<ev::HandScored>())
            (s->team == OurTeam ? southTeamPoints : theirPoints) = s->points;
    }
    ASSERT_EQ(r->bids.size(), bids.size());
    for (std::size_t i = 0; i < bids.size(); ++i) {
        EXPECT_EQ(r->bids[i].seat, bids[i].seat);
        EXPECT_EQ(r->bids[i].pass, bids[i].pass);
        EXPECT_EQ(r->bids[i].level, bids[i].level);
        // The robots' bids carry their reasons; South's own do not.
        EXPECT_EQ(r->bids[i].why.empty(), bids[i].seat == South) << i;
    }
    ASSERT_EQ(r->tricks.size(), 12u);
    ASSERT_EQ(plays.size(), 48u);
    for (std::size_t t = 0; t < 12; ++t) {
        const HandReview::Trick& trick = r->tricks[t];
        EXPECT_EQ(trick.number, static_cast<int>(t + 1));
        EXPECT_EQ(trick.leader, plays[4 * t].first);
        for (std::size_t k = 0; k < 4; ++k) {
            const auto [seat, card] = plays[4 * t + k];
            EXPECT_EQ(trick.bySeat[seat], card);
            EXPECT_EQ(trick.why[seat].empty(), seat == South);
        }
        EXPECT_EQ(trick.winner, winners[t]);
    }
    EXPECT_TRUE(isSeat(r->declarer));
    EXPECT_EQ(r->discards.count(), 6);
    EXPECT_EQ(r->points[1], southTeamPoints);
    EXPECT_EQ(r->points[2], theirPoints);
    EXPECT_EQ(r->books[1] + r->books[2], 13);
    EXPECT_FALSE(r->message.empty());
}

TEST(HandReview, LinesThatAreNoHandAreRefused)
{
    Hand h;
    h.play();
    const std::vector<std::string> hand = h.recorder.lastHand();
    std::string error;
    EXPECT_FALSE(reviewHand({}, error));
    EXPECT_EQ(error, "the hand has no end");
    std::vector<std::string> cut(hand.begin(), hand.end() - 1);
    EXPECT_FALSE(reviewHand(cut, error));
    EXPECT_EQ(error, "the hand has no end");
    std::vector<std::string> noGame(hand.begin() + 1, hand.end());
    EXPECT_FALSE(reviewHand(noGame, error));
    EXPECT_EQ(error, "line 1: a hand is its game line, then its deal onwards");
    std::vector<std::string> broken = hand;
    broken[5] = "{\"type\":\"play\",\"seat\":9}";
    EXPECT_FALSE(reviewHand(broken, error));
    EXPECT_EQ(error.rfind("line 6: ", 0), 0u) << error;
}
