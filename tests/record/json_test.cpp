#include <gtest/gtest.h>

#include "record/json.h"

using namespace corvane::record;

namespace {

Json parsed(std::string_view text)
{
    std::string error;
    auto v = parseJson(text, error);
    EXPECT_TRUE(v) << text << ": " << error;
    return v.value_or(Json());
}

std::string refusal(std::string_view text)
{
    std::string error;
    auto v = parseJson(text, error);
    EXPECT_FALSE(v) << text << " was accepted";
    return error;
}

TEST(JsonReader, ReadsTheWholeGrammar)
{
    const Json v = parsed(R"( {"a":[1,-2,0,3.5,-1e3,true,false,null],"b":{"c":"d"},"e":[] , "f":{}} )");
    ASSERT_TRUE(v.isObject());
    const auto& a = v.find("a")->items();
    ASSERT_EQ(a.size(), 8U);
    EXPECT_EQ(a[0].asInt64(), 1);
    EXPECT_EQ(a[1].asInt64(), -2);
    EXPECT_EQ(a[2].asInt64(), 0);
    EXPECT_FALSE(a[3].isInteger());
    EXPECT_DOUBLE_EQ(a[3].asDouble(), 3.5);
    EXPECT_DOUBLE_EQ(a[4].asDouble(), -1000);
    EXPECT_TRUE(a[5].isBool() && a[5].asBool());
    EXPECT_TRUE(a[6].isBool() && !a[6].asBool());
    EXPECT_TRUE(a[7].isNull());
    EXPECT_EQ(v.find("b")->find("c")->asString(), "d");
    EXPECT_TRUE(v.find("e")->items().empty());
    EXPECT_EQ(v.find("zz"), nullptr);
}

TEST(JsonReader, KeepsSixtyFourBitIntegersExact)
{
    EXPECT_EQ(parsed("18446744073709551615").asUint64(), 18446744073709551615ULL);
    EXPECT_FALSE(parsed("18446744073709551615").asInt64());
    EXPECT_EQ(parsed("-9223372036854775808").asInt64(), INT64_MIN);
    EXPECT_FALSE(parsed("-1").asUint64());
    // Past 64 bits a number is no longer an exact integer.
    EXPECT_FALSE(parsed("18446744073709551616").isInteger());
    EXPECT_EQ(parsed("-0"), parsed("0"));
}

TEST(JsonReader, DecodesEscapes)
{
    EXPECT_EQ(parsed(R"("a\"b\\c\/d\b\f\n\r\t")").asString(), "a\"b\\c/d\b\f\n\r\t");
    EXPECT_EQ(parsed(R"("\u00e9\u6771")").asString(), "\xC3\xA9\xE6\x9D\xB1");
    // A surrogate pair is one code point, U+1F0A1 (four bytes of UTF-8).
    EXPECT_EQ(parsed(R"("\ud83c\udca1")").asString(), "\xF0\x9F\x82\xA1");
    EXPECT_EQ(parsed("\"Zo\xC3\xAB\"").asString(), "Zo\xC3\xAB");
}

TEST(JsonReader, RefusesWhatIsNotStrictJson)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "the line ends where a value should be at column 1"},
        {"{\"a\":1,}", "expected a member name at column 8"},
        {"[1,2,]", "invalid value at column 6"},
        {"{\"a\":1", "the line ends inside an object at column 7"},
        {"{\"a\":\"b", "the line ends inside a string at column 8"},
        {"[01]", "leading zero in a number at column 3"},
        {"[1.]", "digits expected after '.' at column 4"},
        {"[1e]", "digits expected in the exponent at column 4"},
        {"{'a':1}", "expected a member name at column 2"},
        {"{\"a\" 1}", "expected ':' at column 6"},
        {"{\"a\":1 \"b\":2}", "expected ',' or '}' at column 8"},
        {"{\"a\":1,\"a\":2}", "duplicate member \"a\" at column 11"},
        {"{} {}", "unexpected text after the value at column 4"},
        {"\"a\tb\"", "unescaped control character in a string at column 3"},
        {"\"\\x\"", "bad escape in a string at column 3"},
        {"\"\\u12\"", "incomplete \\u escape at column 4"},
        {"\"\\u12zz\"", "bad hex digit in \\u escape at column 7"},
        {"\"\\udc00\"", "lone low surrogate in \\u escape at column 8"},
        {"\"\\ud800x\"", "lone high surrogate in \\u escape at column 8"},
        {"\"\xC3\"", "invalid UTF-8 in a string at column 2"},
        {"\"\xC0\xAF\"", "invalid UTF-8 in a string at column 2"},          // overlong '/'
        {"\"\xED\xA0\x80\"", "invalid UTF-8 in a string at column 2"},      // a surrogate
        {"\"\xF4\x90\x80\x80\"", "invalid UTF-8 in a string at column 2"},  // past U+10FFFF
        {"tru", "invalid value at column 1"},
        {"nul", "invalid value at column 1"},
        {"// c\n1", "invalid value at column 1"},
        {"+1", "invalid value at column 1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(refusal(c.text), c.error) << c.text;
}

TEST(JsonReader, LimitsNesting)
{
    EXPECT_TRUE(parsed(std::string(64, '[') + std::string(64, ']')).isArray());
    EXPECT_EQ(refusal(std::string(65, '[') + std::string(65, ']')), "nested too deeply at column 65");
    // Deep enough to overflow the stack of a reader without a limit.
    EXPECT_EQ(refusal(std::string(100000, '[')), "nested too deeply at column 65");
}

TEST(JsonEquality, IgnoresMemberOrderButNotValues)
{
    EXPECT_EQ(parsed(R"({"a":1,"b":[2,3]})"), parsed(R"({ "b" : [2,3], "a" : 1 })"));
    EXPECT_NE(parsed(R"({"a":1,"b":[2,3]})"), parsed(R"({"a":1,"b":[3,2]})"));
    EXPECT_NE(parsed(R"({"a":1})"), parsed(R"({"a":1,"b":1})"));
    EXPECT_NE(parsed(R"({"a":1})"), parsed(R"({"a":true})"));
    EXPECT_NE(parsed(R"({"a":"1"})"), parsed(R"({"a":1})"));
    EXPECT_NE(parsed("null"), parsed("false"));
}

TEST(JsonWriting, EscapesWhatMustBeAndReadsBack)
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
        std::string out;
        appendJsonString(out, s);
        EXPECT_EQ(out.find_first_of("\t\n\r\b\f"), std::string::npos) << out;
        EXPECT_EQ(parsed(out).asString(), s) << out;
    }
    std::string out;
    appendJsonString(out, "a\"b\\c\x01");
    EXPECT_EQ(out, "\"a\\\"b\\\\c\\u0001\"");
}

TEST(JsonWriting, ReplacesInvalidUtf8SoTheLineReadsBack)
{
    // Latin-1 bytes, a cut sequence, an overlong form and a surrogate.
    const std::string bad = "Zo\xEB \xC3 \xC0\xAF \xED\xA0\x80 ok";
    std::string out;
    appendJsonString(out, bad);
    const std::string fffd = "\xEF\xBF\xBD";
    const std::string expected = "Zo" + fffd + " " + fffd + " " + fffd + fffd + " " + fffd + fffd + fffd + " ok";
    EXPECT_EQ(parsed(out).asString(), expected);
    EXPECT_EQ(validUtf8(bad), expected);
    EXPECT_EQ(validUtf8("Zo\xC3\xAB"), "Zo\xC3\xAB");
}

TEST(JsonWriting, DumpReadsBackAsTheSameValue)
{
    const char* text = R"({"type":"deal","hands":{"1":[1,2],"2":[]},"seed":18446744073709551615,"n":-5,)"
                       R"("x":null,"t":true,"s":"\"\\\u00e9"})";
    const Json v = parsed(text);
    EXPECT_EQ(parsed(v.dump()), v);
    EXPECT_EQ(Json::object({{"a", Json::integer(-3)}, {"b", Json::array({Json::string("x\"")})}}).dump(),
              R"({"a":-3,"b":["x\""]})");
}

}  // namespace
