#include <gtest/gtest.h>

#include "files/data_files.h"

namespace corvane {
namespace {

const Names Ann = {"", "Ann", "West Bot", "North Bot", "East Bot"};

TEST(NamesFile, RoundTripsAnyStorableName)
{
    const Names odd = {"", " leading blank", "trailing blank ", "comma, inside", ""};
    for (const Names& n : {Ann, odd}) {
        const auto back = parseNames(formatNames(n));
        ASSERT_TRUE(back.has_value());
        for (Seat s = South; s <= East; ++s)
            EXPECT_EQ((*back)[s], n[s]);
        EXPECT_EQ((*back)[0], "");
    }
}

TEST(NamesFile, ReadsTolerantly)
{
    const std::pair<std::string_view, Names> rows[] = {
        {"\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"", Ann},              // no line end
        {"\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\n", Ann},            // LF only
        {"  \"Ann\", \"West Bot\",\t\"North Bot\" ,\"East Bot\"\r\n\r\n", Ann},  // blanks around fields
        {"Ann,West Bot,North Bot,East Bot\r\n", Ann},                          // unquoted fields
        {"Ann ,\"West Bot\",North Bot , East Bot\r\n", Ann},
        {"\"\",,\"\",\r\n", {"", "", "", "", ""}},                              // empty names
    };
    for (const auto& [text, names] : rows)
        EXPECT_EQ(parseNames(text), names) << text;
}

TEST(NamesFile, RefusesWhatCannotBeWrittenBack)
{
    const std::string_view rows[] = {
        "",
        "\r\n",
        "\"Ann\",\"West Bot\",\"North Bot\"\r\n",                  // three fields
        "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\",\"X\"\r\n",  // five
        "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\",\r\n",     // a fifth, empty
        "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\r\n",        // open quote
        "\"Ann\"x,\"West Bot\",\"North Bot\",\"East Bot\"\r\n",     // text after the quote
        "An\"n,\"West Bot\",\"North Bot\",\"East Bot\"\r\n",        // quote inside
        "\"Ann\",\"West Bot\",\"North Bot\",\"East Bot\"\r\n\"Bob\",\"\",\"\",\"\"\r\n",  // a second line
        "\x01\x02garbage\xff",
    };
    for (std::string_view text : rows)
        EXPECT_FALSE(parseNames(text).has_value()) << text;
}

TEST(StatisticsFile, ReadsTolerantly)
{
    const std::pair<std::string_view, Statistics> rows[] = {
        {"5,9", {5, 9}}, {"5,9\n", {5, 9}}, {" 5, 9 \r\n", {5, 9}}, {"\"5\",\"9\"\r\n", {5, 9}}, {"007,10\r\n", {7, 10}},
    };
    for (const auto& [text, stats] : rows)
        EXPECT_EQ(parseStatistics(text), stats) << text;
}

TEST(StatisticsFile, RefusesBadCounts)
{
    const std::string_view rows[] = {
        "",       "5\r\n",     "5,9,1\r\n", "-1,9\r\n", "5,-9\r\n",          "10,9\r\n",  "5,9x\r\n", "5 0,9\r\n",
        "+5,9\r\n", "5.0,9\r\n", ",9\r\n",  "5,\r\n",   "1,99999999999\r\n", "0x5,9\r\n", "5,9\r\n6,9\r\n",
    };
    for (std::string_view text : rows)
        EXPECT_FALSE(parseStatistics(text).has_value()) << text;
}

TEST(NameRefusal, QuotesAndLineBreaksCannotBeStored)
{
    for (std::string_view bad : {"Ann \"the Bold\"", "Ann\r", "A\nB", "\""})
        EXPECT_EQ(nameRefusal(bad), "Names cannot contain double quotes or line breaks.") << bad;
    for (std::string_view good : {"", "Ann", " Ann, Jr. ", "O'Brien", "Zoë"})
        EXPECT_FALSE(nameRefusal(good).has_value()) << good;
}

}  // namespace
}  // namespace corvane
