#include "table/deal_number.h"

#include <cctype>

#include "table/card_set.h"

namespace corvane {

namespace {

const std::string Range = "a deal number is a whole number from 0 to " + std::to_string(MaxDealNumber) + ".";

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

}  // namespace

std::uint64_t dealNumber(const Deal& d)
{
    return (static_cast<std::uint64_t>(d.dealer - South) << 32) | d.shuffle;
}

std::optional<Deal> dealOf(std::uint64_t number)
{
    if (number > MaxDealNumber)
        return std::nullopt;
    return Deal{static_cast<std::uint32_t>(number & 0xffffffffU), static_cast<Seat>(number >> 32) + South};
}

DealEntry readDealNumber(std::string_view text)
{
    const std::string_view digits = trimmed(text);
    if (digits.empty())
        return {std::nullopt, "Please type a deal number: " + Range};
    std::uint64_t n = 0;
    bool tooLarge = false;
    for (const char ch : digits) {
        if (ch < '0' || ch > '9')
            return {std::nullopt, "\"" + std::string(digits) + "\" is not a deal number: " + Range};
        n = n * 10 + static_cast<std::uint64_t>(ch - '0');
        tooLarge = tooLarge || n > MaxDealNumber;
        if (tooLarge)
            n = 0;  // keeps the sum from wrapping; the number is refused anyway
    }
    if (tooLarge)
        return {std::nullopt, std::string(digits) + " is too large: " + Range};
    return {n, {}};
}

std::vector<Card> drawNaming(Seat dealer, Random& rng)
{
    const CardSet diamond = suitCards(Diamonds);
    CardSet pack = AllCards;
    std::vector<Card> turned;
    for (const Seat s : DealerDrawOrder) {
        const bool last = s == dealer;
        const CardSet fits = last ? pack & diamond : pack - diamond;
        const Card c = nthCard(fits, static_cast<int>(below(rng, static_cast<std::uint32_t>(fits.count()))));
        turned.push_back(c);
        pack.remove(c);
        if (last)
            break;
    }
    return turned;
}

}  // namespace corvane
