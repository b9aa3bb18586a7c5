#pragma once

#include <array>
#include <cstdint>

#include "expert/layout.h"
#include "expert/transposition_table.h"

namespace corvane::expert {

// One position under search, in the layout's bits, with seats 0..3 for South
// .. East. Each question put to it is a null window: can the side of
// `maxSide` take `target` tricks from here? The answers are exact, so they
// bound one another and the table keeps them across questions.
class Search {
public:
    Search(const Layout& l, TranspositionTable& tt, std::uint64_t budget);

    // Hands by seat 0..3, the leader, and the trick in progress (0..3 bits).
    void setUp(const std::array<std::uint64_t, 4>& hands, int leader, const std::array<int, 3>& trick, int onTrick);
    void setMaxSide(int side) { m_maxSide = side; }

    int seatToPlay() const { return (m_leader + m_pos) & 3; }
    int tricksLeft() const { return m_tricksLeft; }
    // Tricks the max side took since the search was set up.
    int won() const { return m_won; }
    // The legal cards of the seat to play, one of each set of equivalent
    // cards, with the equivalent ones it stands for.
    struct Move {
        int bit;
        int score;
        std::uint64_t stands;
    };
    int rootMoves(std::array<Move, 16>& out) const;

    // Can the max side take `target` tricks from here (those it took in the
    // search before this point counted)?
    bool reaches(int target);
    // Narrows lo..hi, bounds on the tricks the max side takes (those it took
    // in the search before this point counted), to the one value, asking
    // first about `guess`. On running out of nodes they stay as far as they
    // were narrowed.
    void narrow(int& lo, int& hi, int guess);

    // Plays a card and takes it back, for looking at each root card.
    struct Undo {
        std::uint64_t onTrick;
        int leader, pos, led, winPos, winBit, winStr, won, tricksLeft;
        // The card that won a trick this play completed, when it beat a card
        // of its own suit: its rank counted.
        std::uint64_t ranked;
        std::uint64_t lanes;  // the word of m_holders the card's suit is in
    };
    Undo play(int bit);
    void takeBack(int bit, const Undo& u);

    bool aborted() const { return m_aborted; }
    std::uint64_t nodes() const { return m_nodes; }

private:
    bool visit();
    bool leadNode();
    bool followNode();
    struct Bounds {
        int lo = 0;
        int hi = 0;
        std::uint64_t loCounted = 0;
        std::uint64_t hiCounted = 0;
    };
    // `enough`: the low bound on the leader's side that would settle the
    // question asked.
    Bounds bounds(int enough) const;
    int cashFrom(int seat, std::uint64_t& counted, int enough) const;
    bool losesTheTrick(std::uint64_t& counted) const;
    std::uint64_t pinSplitRuns(const std::array<Move, 16>& ms, int n, std::uint64_t counted) const;
    std::uint64_t topRun(std::uint64_t held, std::uint64_t suit, std::uint64_t& counted) const;
    // The moves in the order made; bringBest puts the i-th to try in place.
    int moves(std::uint64_t legal, int seat, std::array<Move, 16>& out) const;
    static void bringBest(std::array<Move, 16>& ms, int n, int i);
    static bool toFront(std::array<Move, 16>& ms, int n, int bit);
    int leadScore(int seat, int bit, std::uint64_t cls) const;
    int followScore(int seat, int bit, int nextBest) const;
    int bestStrengthOf(int seat) const;
    TranspositionTable::Key key() const;
    TranspositionTable::Holders holdersNow() const;
    void dropHolder(int bit);
    std::uint32_t topsOf(std::uint64_t counted) const;
    std::uint64_t cardsOfTops(std::uint32_t tops) const;
    int relativeOf(int bit) const;
    int bitOfRelative(int rel) const;

    int side(int seat) const { return seat & 1; }
    std::uint64_t left() const { return m_hand[0] | m_hand[1] | m_hand[2] | m_hand[3]; }
    // Where the length of suit k in a seat's hand lies in m_lengths.
    static int lengthShift(int seat, int k) { return 20 * (seat & 1) + 4 * k; }

    const Layout& m_l;
    TranspositionTable& m_tt;
    std::uint64_t m_budget;
    std::uint64_t m_nodes = 0;
    bool m_aborted = false;

    std::array<std::uint64_t, 4> m_hand{};
    // The length of each suit in each hand, four bits each, kept as cards
    // are played: seats 0 and 1 in the first word, 2 and 3 in the second.
    std::array<std::uint64_t, 2> m_lengths{};
    std::uint64_t m_onTrick = 0;  // the cards of the trick in progress
    // Who holds each card left, as the table keeps it, kept as cards are
    // played: working it out afresh at each trick would take a loop over
    // every card.
    TranspositionTable::Holders m_holders{};
    // After each visit: the cards whose holders and ranks its answer rests on.
    std::uint64_t m_counted = 0;
    int m_leader = 0;
    int m_pos = 0;
    int m_led = 0;
    int m_winPos = 0;
    int m_winBit = 0;
    int m_winStr = 0;
    int m_tricksLeft = 0;
    int m_won = 0;
    int m_maxSide = 0;
    int m_target = 0;
    // By the tricks left, the lead that last settled a question; -1 none.
    std::array<int, 16> m_killer = [] {
        std::array<int, 16> k{};
        k.fill(-1);
        return k;
    }();
};

}  // namespace corvane::expert
