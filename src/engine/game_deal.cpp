// Choosing the dealer and dealing a hand.
#include "engine/game.h"

#include <algorithm>
#include <cstring>

#include "table/deal_number.h"

namespace corvane {

namespace {

// A card drawn uniformly from `pack`: the k-th of its cards in id order.
Card drawFrom(CardSet pack, Random& rng)
{
    if (pack.empty())
        return NoCard;
    return nthCard(pack, static_cast<int>(below(rng, static_cast<std::uint32_t>(pack.count()))));
}

}  // namespace

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
        c = drawFrom(m_t.at[OutOfPlay], m_rng);
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

// Each card dealt is drawn from the cards not dealt yet, the k-th of them in
// id order; a preset order deals its cards instead, and a card of it the
// pack no longer holds is drawn.
void Game::drawDealOrder()
{
    // The cards not dealt yet, in id order. Each draw closes the gap by
    // moving a whole pack's width, whatever lies past the last card: one
    // move of a known size, not one sized by the cards left.
    std::array<std::uint8_t, 2 * CardCount> rest{};
    int left = 0;
    for (Card c : m_t.at[OutOfPlay])
        rest[static_cast<std::size_t>(left++)] = static_cast<std::uint8_t>(c);
    for (std::size_t n = 0; left > 0; ++n, --left) {
        const auto end = rest.begin() + left;
        auto at = end;
        if (n < m_presetDeal.size())
            at = std::find(rest.begin(), end, m_presetDeal[n]);
        if (at == end)
            at = rest.begin() + below(m_dealRng, static_cast<std::uint32_t>(left));
        m_dealOrder[n] = *at;
        std::memmove(&*at, &*(at + 1), CardCount);
    }
    m_presetDeal.clear();
}

Event Game::dealCard()
{
    // Twelve passes round the table from the dealer's left, then the kitty.
    const int n = m_counter++;
    const Place to = n < 48 ? seatAfter(m_t.dealer, n + 1) : KittyPlace;
    const Card c = m_dealOrder[static_cast<std::size_t>(n)];
    m_t.move(c, OutOfPlay, to);
    if (m_counter == 54)
        m_next = Step::OpenBidding;
    return Event{ev::CardDealt{to, c}, {}, std::nullopt};
}

Event Game::nextHand()
{
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
