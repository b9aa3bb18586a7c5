#include <gtest/gtest.h>

#include <simdjson.h>

#include "record/json_string.h"

using namespace corvane::record;

namespace {

// The string a JSON string literal stands for, as simdjson reads it.
std::string readBack(const std::string& literal)
{
    simdjson::dom::parser parser;
    std::string_view s;
    const auto error = parser.parse(literal).get_string().get(s);
    EXPECT_FALSE(error) << literal << ": " << simdjson::error_message(error);
    return std::string(s);
}

std::string escaped(std::string_view s)
{
    std::string out;
    appendJsonString(out, s);
    return out;
}

TEST(JsonString, EscapesWhatMustBeAndReadsBack)
{
    const std::string names[] = {
        "plain",
        "quote \" and backslash \\ and slash /",
        std::string("controls \t\n\r\b\f \x01\x1f and NUL ") + '\0' + " end",
        "Zo\xC3\xAB, \xC3\x91" "and\xC3\xBA, \xE6\x9D\xB1, \xF0\x9F\x82\xA1",
        "a long line of eight-byte blocks that crosses a quote \" late, then \\ and more text",
        "",
    };
    for (const std::string& s : names) {
        const std::string out = escaped(s);
        EXPECT_EQ(out.find_first_of("\t\n\r\b\f"), std::string::npos) << out;
        EXPECT_EQ(readBack(out), s) << out;
    }
    struct Case {
        std::string text, literal;
    };
    const Case exact[] = {
        {"a\"b\\c\x01", R"("a\"b\\c\u0001")"},
        {"\t\n\r\b\f\x1f\x7f/", R"("\t\n\r\b\f\u001f)" "\x7f" R"(/")"},
        // A quote at each place of an eight-byte block.
        {"1234567\"", R"("1234567\"")"},
        {"\"2345678x", R"("\"2345678x")"},
    };
    for (const Case& c : exact)
        EXPECT_EQ(escaped(c.text), c.literal);
}

TEST(JsonString, ReplacesInvalidUtf8SoTheLineReadsBack)
{
    // Latin-1 bytes, a cut sequence, an overlong form, a surrogate and a
    // code point past U+10FFFF, among bytes that are kept.
    const std::string bad = "Zo\xEB \xC3 \xC0\xAF \xED\xA0\x80 \xF4\x90\x80\x80 ok \xE6\x9D\xB1";
    const std::string fffd = "\xEF\xBF\xBD";
    const std::string expected = "Zo" + fffd + " " + fffd + " " + fffd + fffd + " " + fffd + fffd + fffd + " " + fffd +
                                 fffd + fffd + fffd + " ok \xE6\x9D\xB1";
    EXPECT_EQ(readBack(escaped(bad)), expected);
    EXPECT_EQ(escaped("Zo\xC3\xAB"), "\"Zo\xC3\xAB\"");
}

}  // namespace
