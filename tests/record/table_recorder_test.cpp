// The table's recorder: a hand's lines held until it is scored. (Undo and
// false starts: the session's tests.)
#include <gtest/gtest.h>

#include "engine/autoplay.h"
#include "record/table_recorder.h"

using namespace corvane;
using namespace corvane::record;

namespace {

constexpr std::uint64_t Seed = 40;

// Plays the first hand of a seeded game, South by the robots' rules, into a
// recorder and a plain writer at once.
struct Hand {
    Game game{Seed};
    std::vector<std::vector<std::string>> flushed;
    TableRecorder recorder{Seed, [this](const std::vector<std::string>& l) { flushed.push_back(l); }};
    std::vector<std::string> plain;

    void play()
    {
        RecordWriter writer({Seed, SouthPlayer::Human, false, 1}, [&](std::string_view l) { plain.emplace_back(l); });
        bool scored = false;
        const auto take = [&](Event e) {
            recorder.observe(e, game);
            writer.observe(e, game);
            scored = scored || e.is<ev::HandScored>();
        };
        take(game.newGame());
        while (!scored) {
            const Awaiting a = game.awaiting();
            if (a == Awaiting::Nothing) {
                take(game.advance());
            } else if (a == Awaiting::CarryOn) {
                take(game.carryOn());
            } else if (a == Awaiting::Answer) {
                take(game.answer(0));
            } else {
                for (Event& e : autoplaySouth(game))
                    take(std::move(e));
            }
        }
    }
};

}  // namespace

TEST(TableRecorder, AScoredHandIsHandedOnAsAPlainWriterWritesIt)
{
    Hand h;
    h.play();
    ASSERT_EQ(h.flushed.size(), 1u);
    EXPECT_EQ(h.flushed[0], h.plain);
}
