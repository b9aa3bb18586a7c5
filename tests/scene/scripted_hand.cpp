#include "scripted_hand.h"

#include <algorithm>
#include <random>

#include "fixtures.h"

namespace corvane::testing {

namespace {

class Script {
public:
    explicit Script(std::uint64_t seed) : m_rng(seed)
    {
        for (Card c = 1; c <= CardCount; ++c)
            m_pack.push_back(c);
        std::shuffle(m_pack.begin(), m_pack.end(), m_rng);
        resetTable(m_t);
    }

    std::vector<Beat> run()
    {
        say(ev::HandStarted{true}, {"Ann a card will now be dealt"});
        drawDealer();
        deal();
        bid();
        discard();
        play();
        return std::move(m_beats);
    }

private:
    void say(EventData data, std::vector<std::string> log = {})
    {
        m_beats.push_back({Event{std::move(data), LogLines(log), {}}, m_t});
    }

    void drawDealer()
    {
        say(ev::DealerDrawStarted{});
        constexpr Seat Order[4] = {West, North, East, South};
        for (int i = 0;; ++i) {
            const Card c = m_pack[static_cast<std::size_t>(i)];
            const Seat s = Order[i % 4];
            m_t.move(c, SetAside);
            const bool diamond = printedSuit(c) == Diamonds;
            say(ev::DealerCardTurned{s, c, diamond});
            if (diamond) {
                m_t.dealer = s;
                break;
            }
        }
        m_t.leader = nextSeat(m_t.dealer);
        say(ev::DealerChosen{m_t.dealer, m_t.leader}, {"dealer chosen"});
        say(ev::DealerCardsCleared{}, {"Shuffling and dealing the cards. 12 each and 6 for the Kitty"});
    }

    void deal()
    {
        m_t.at = {};
        m_t.at[OutOfPlay] = AllCards;
        m_t.gameStarted = true;
        say(ev::PackGathered{});
        for (int n = 0; n < CardCount; ++n) {
            const Place to = n < 48 ? (m_t.dealer + n % 4) % 4 + 1 : KittyPlace;
            const Card c = m_pack[static_cast<std::size_t>(n)];
            m_t.move(c, to);
            say(ev::CardDealt{to, c});
        }
    }

    void bid()
    {
        say(ev::BiddingOpened{m_t.leader}, {"bidding opens"});
        for (int i = 0; i < 4; ++i) {
            const Seat s = (m_t.leader - 1 + i) % 4 + 1;
            if (s != South) {
                say(ev::BidPassed{s, {}});
                continue;
            }
            say(ev::HumanBidTurn{false}, {"Ann your turn"});
            m_t.bidLevel[South] = 4;
            m_t.bidHigh[South] = true;
            m_t.trumpChoice[South] = Hearts;
            m_t.bidWinner = South;
            say(ev::BidMade{South, 4, true, Hearts, false, {}}, {"Ann bids 4 HIGH"});
        }
        m_t.trumps = Hearts;
        showTrumps(m_t, Hearts);
        m_t.contractHigh = true;
        m_t.leader = South;
        m_t.teamContract[OurTeam] = 4;
        say(ev::ContractSettled{South, Hearts, true, 4});
    }

    void discard()
    {
        const CardSet kitty = m_t.kitty();
        for (Card c : kitty)
            m_t.move(c, South);
        say(ev::KittyTaken{South, kitty});
        say(ev::DiscardsOpened{}, {"Ann click six"});
        for (int i = 0; i < 6; ++i) {
            const Card c = m_t.hand(South).lowest();
            m_t.move(c, KittyPlace);
            say(ev::DiscardPicked{c});
        }
        say(ev::DiscardsConfirmed{m_t.kitty()});
        ++m_t.seatTricks[South];
        ++m_t.teamBooks[OurTeam];
        say(ev::BookCredited{South});
        say(ev::ContractAnnounced{South}, {"Ann won bid"});
        say(ev::PlayStarting{});
        const CardSet out = m_t.kitty();
        for (Card c : out)
            m_t.move(c, OutOfPlay);
        say(ev::KittyCleared{out});
    }

    void play()
    {
        for (int trick = 1; trick <= 12; ++trick) {
            std::array<Card, 5> cards{};
            for (int p = 1; p <= 4; ++p) {
                const Seat s = (m_t.leader - 1 + p - 1) % 4 + 1;
                if (s == South)
                    say(ev::HumanCardTurn{}, {"Ann please click"});
                cards[p] = m_t.hand(s).lowest();
                m_t.move(cards[p], OutOfPlay);
                say(ev::CardPlayed{s, cards[p], p, {}}, {m_names[s] + " played " + std::string(cardName(cards[p]))});
            }
            // The highest id takes the trick: enough to send tricks everywhere.
            const int best = static_cast<int>(std::max_element(cards.begin() + 1, cards.end()) - cards.begin());
            const Seat w = (m_t.leader - 1 + best - 1) % 4 + 1;
            ++m_t.seatTricks[w];
            ++m_t.teamBooks[teamOf(w)];
            for (int p = 1; p <= 4; ++p)
                m_t.cardPlayed.add(cards[p]);
            m_t.leader = w;
            say(ev::TrickGathered{trick, w, cards}, {"trick " + std::to_string(trick)});
        }
        const int points = m_t.teamBooks[OurTeam] >= 10 ? m_t.teamBooks[OurTeam] - 6 : -4;
        m_t.gamePoints[OurTeam] += points;
        say(ev::HandScored{OurTeam, points, false, 0});
    }

    std::mt19937_64 m_rng;
    std::vector<Card> m_pack;
    TableState m_t;
    Names m_names = tableNames();
    std::vector<Beat> m_beats;
};

}  // namespace

std::vector<Beat> scriptedHand(std::uint64_t seed) { return Script(seed).run(); }

}  // namespace corvane::testing
