// Feeds arbitrary bytes to the names and statistics readers. Neither may
// crash, and whatever either accepts must be something the writer can put
// back: reading the written line gives the same value and the same line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/data_files.h"

namespace {

void require(bool ok)
{
    if (!ok)
        __builtin_trap();
}

void names(std::string_view text)
{
    const auto read = corvane::parseNames(text);
    if (!read)
        return;
    require((*read)[0].empty());
    for (corvane::Seat s = corvane::South; s <= corvane::East; ++s)
        require(!corvane::nameRefusal((*read)[s]).has_value());
    const std::string line = corvane::formatNames(*read);
    const auto again = corvane::parseNames(line);
    require(again.has_value() && *again == *read);
    require(corvane::formatNames(*again) == line);
}

void statistics(std::string_view text)
{
    const auto read = corvane::parseStatistics(text);
    if (!read)
        return;
    require(read->gamesWon >= 0 && read->gamesWon <= read->gamesPlayed);
    const std::string line = corvane::formatStatistics(*read);
    const auto again = corvane::parseStatistics(line);
    require(again.has_value() && *again == *read);
    require(corvane::formatStatistics(*again) == line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    names(text);
    statistics(text);
    return 0;
}
