// Choosing the dealer and dealing a hand.
#include "engine/game.h"
#include "table/deal_number.h"
#include "table/undealt_cards.h"

#include <algorithm>

namespace corvane {

Card Game::drawUndealt(Random& rng)
{
    const CardSet pack = m_t.at[OutOfPlay];
    if (pack.empty())
        return NoCard;
    return nthCard(pack, static_cast<int>(below(rng, static_cast<std::uint64_t>(pack.count()))));
}

Event Game::drawStart()
{
    m_t.firstDealPending = true;
    m_counter = 0;
    m_next = Step::DrawCard;
    return Event{ev::DealerDrawStarted{}, {}, std::nullopt};
}

Event Game::drawCard()
{
    const Seat seat = DealerDrawOrder[m_counter % 4];
    const std::size_t n = static_cast<std::size_t>(m_counter++);
    Card c = NoCard;
    if (n < m_presetDraw.size() && m_t.at[OutOfPlay].has(m_presetDraw[n]))
        c = m_presetDraw[n];
    else
        c = drawUndealt(m_rng);
    m_t.move(c, SetAside);
    const bool diamond = m_t.suitOf(c) == Diamonds;
    if (diamond) {
        m_presetDraw.clear();
        m_t.dealer = seat;
        m_t.leader = nextSeat(seat);
        m_next = Step::DrawDone;
    }
    return Event{ev::DealerCardTurned{seat, c, diamond}, {}, std::nullopt};
}

Event Game::drawDone()
{
    m_next = Step::None;
    waitFor(Awaiting::CarryOn);
    Event e{ev::DealerChosen{m_t.dealer, m_t.leader}, {}, std::nullopt};
    e.log.add(m_names[m_t.dealer], " is Dealer ", m_names[m_t.leader],
              " will bid first. Press return or click button to continue.");
    return e;
}

Event Game::dealPack()
{
    for (Place p = 1; p < PlaceCount; ++p)
        m_t.at[p] = {};
    m_t.at[OutOfPlay] = AllCards;
    m_t.gameStarted = true;
    // The dealer is the one the draw or the rotation made, even for a
    // chosen deal: the number shown always says who dealt.
    const std::uint32_t shuffle =
        m_nextDeal ? m_nextDeal->shuffle : static_cast<std::uint32_t>(m_rng() & 0xffffffffU);
    m_nextDeal.reset();
    m_deal = Deal{shuffle, m_t.dealer};
    m_dealRng.seed(shuffle);
    drawDealOrder();
    m_counter = 0;
    m_next = Step::DealCard;
    return Event{ev::PackGathered{}, {}, std::nullopt};
}

// The same draws as taking each card in turn from the pack (the k-th undealt
// card in id order).
void Game::drawDealOrder()
{
    UndealtCards undealt(m_t.at[OutOfPlay]);
    const int total = undealt.size();
    const int preset = std::min(static_cast<int>(m_presetDeal.size()), total);
    // A copy in registers: the generator's words would otherwise go back to
    // memory at every draw, as the order written may alias them.
    Random rng = m_dealRng;
    int n = 0;
    auto draw = [&] { return static_cast<int>(below(rng, static_cast<std::uint64_t>(undealt.size()))); };
    for (; n < preset; ++n) {
        // A card the pack no longer holds is drawn instead.
        const int k = undealt.find(m_presetDeal[static_cast<std::size_t>(n)]);
        m_dealOrder[static_cast<std::size_t>(n)] = undealt.take(k >= 0 ? k : draw());
    }
    for (; n < total; ++n)
        m_dealOrder[static_cast<std::size_t>(n)] = undealt.take(draw());
    m_dealRng = rng;
    m_presetDeal.clear();
}

Event Game::nextHand()
{
    m_undo.reset();
    resetTable(m_t);
    m_t.dealer = nextSeat(m_t.dealer);
    m_t.leader = nextSeat(m_t.dealer);
    m_next = Step::DealPack;
    Event e{ev::HandStarted{false}, {}, std::nullopt};
    e.log.add(m_names[m_t.dealer], " is Dealer ", m_names[m_t.leader], " will bid first.");
    e.log.add("Shuffling and dealing the cards. 12 each and 6 for the Kitty");
    return e;
}

}  // namespace corvane
