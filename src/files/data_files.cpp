#include "files/data_files.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace corvane {

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view LineEnds = "\r\n";

// The one line of a file, or nothing when more than blanks follow it.
std::optional<std::string_view> onlyLine(std::string_view text)
{
    const std::size_t end = text.find_first_of(LineEnds);
    if (end == std::string_view::npos)
        return text;
    if (!isBlank(text.substr(end)))
        return std::nullopt;
    return text.substr(0, end);
}

std::size_t skipBlanks(std::string_view line, std::size_t i)
{
    const std::size_t next = line.find_first_not_of(Blanks, i);
    return next == std::string_view::npos ? line.size() : next;
}

// One field from position i, leaving i at the comma that ends it or at the
// end of the line. Nothing when the field is broken: an open quote, text
// after the closing quote, or a quote inside an unquoted field.
std::optional<std::string> readField(std::string_view line, std::size_t& i)
{
    i = skipBlanks(line, i);
    if (i < line.size() && line[i] == '"') {
        const std::size_t close = line.find('"', i + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        const std::string_view inside = line.substr(i + 1, close - i - 1);
        i = skipBlanks(line, close + 1);
        if (i < line.size() && line[i] != ',')
            return std::nullopt;
        return std::string(inside);
    }
    const std::size_t comma = std::min(line.find(',', i), line.size());
    std::string_view raw = line.substr(i, comma - i);
    raw = raw.substr(0, raw.find_last_not_of(Blanks) + 1);
    if (raw.find('"') != std::string_view::npos)
        return std::nullopt;
    i = comma;
    return std::string(raw);
}

// All fields of a file's one line, or nothing when any is broken. A comma
// at the end of the line opens one more, empty, field.
std::optional<std::vector<std::string>> readFields(std::string_view text)
{
    const std::optional<std::string_view> line = onlyLine(text);
    if (!line)
        return std::nullopt;
    std::vector<std::string> fields;
    if (isBlank(*line))
        return fields;
    for (std::size_t i = 0;; ++i) {
        const std::optional<std::string> f = readField(*line, i);
        if (!f)
            return std::nullopt;
        fields.push_back(*f);
        if (i == line->size())
            return fields;
    }
}

// A count of games: decimal digits only, so no sign and no blanks inside.
std::optional<int> readCount(const std::string& field)
{
    if (field.empty() || field.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int n = 0;
    const char* last = field.data() + field.size();
    const auto [end, err] = std::from_chars(field.data(), last, n);
    if (err != std::errc() || end != last)
        return std::nullopt;
    return n;
}

}  // namespace


bool isBlank(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

std::string formatNames(const Names& names)
{
    std::string line;
    for (Seat s = South; s <= East; ++s) {
        if (s != South)
            line += ',';
        line += '"' + names[s] + '"';
    }
    return line + "\r\n";
}

std::optional<Names> parseNames(std::string_view text)
{
    const auto fields = readFields(text);
    if (!fields || fields->size() != 4)
        return std::nullopt;
    Names names;
    for (Seat s = South; s <= East; ++s)
        names[s] = (*fields)[s - 1];
    return names;
}

std::string formatStatistics(const Statistics& stats)
{
    return std::to_string(stats.gamesWon) + ',' + std::to_string(stats.gamesPlayed) + "\r\n";
}

std::optional<Statistics> parseStatistics(std::string_view text)
{
    const auto fields = readFields(text);
    if (!fields || fields->size() != 2)
        return std::nullopt;
    const std::optional<int> won = readCount((*fields)[0]);
    const std::optional<int> played = readCount((*fields)[1]);
    if (!won || !played || *won > *played)
        return std::nullopt;
    return Statistics{*won, *played};
}

std::optional<std::string> nameRefusal(std::string_view name)
{
    if (name.find_first_of("\"\r\n") != std::string_view::npos)
        return "Names cannot contain double quotes or line breaks.";
    return std::nullopt;
}

}  // namespace corvane
