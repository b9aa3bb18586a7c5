#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvane::record {

// A JSON value as the records need it: the whole grammar is read, numbers
// keep their exact integer value when they have one (seeds run to 2^64 - 1),
// objects keep their members in file order. Equality ignores member order.
class Json {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };
    using Member = std::pair<std::string, Json>;

    Json() = default;
    static Json boolean(bool b);
    static Json integer(std::int64_t n);
    static Json unsignedInteger(std::uint64_t n);
    static Json number(double d);
    static Json string(std::string s);
    static Json array(std::vector<Json> items = {});
    static Json object(std::vector<Member> members = {});

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::Null; }
    bool isBool() const { return m_kind == Kind::Bool; }
    bool isString() const { return m_kind == Kind::String; }
    bool isArray() const { return m_kind == Kind::Array; }
    bool isObject() const { return m_kind == Kind::Object; }
    // A number without fraction or exponent.
    bool isInteger() const { return m_kind == Kind::Number && m_integer; }

    bool asBool() const { return m_bool; }
    double asDouble() const { return m_double; }
    const std::string& asString() const { return m_string; }
    const std::vector<Json>& items() const { return m_items; }
    const std::vector<Member>& members() const { return m_members; }
    // The integer value when it fits the type.
    std::optional<std::int64_t> asInt64() const;
    std::optional<std::uint64_t> asUint64() const;

    // The member called `key`, or nullptr.
    const Json* find(std::string_view key) const;

    bool operator==(const Json& o) const;

    // Compact JSON text, strings escaped as appendJsonString does.
    std::string dump() const;

private:
    Kind m_kind = Kind::Null;
    bool m_bool = false;
    bool m_integer = false;
    bool m_negative = false;
    std::uint64_t m_magnitude = 0;
    double m_double = 0;
    std::string m_string;
    std::vector<Json> m_items;
    std::vector<Member> m_members;

    friend class Parser;
};

// Reads exactly one JSON value from `text`, with white space around it and
// nothing else (RFC 8259, strictly: no comments, no trailing commas, no
// leading zeros, UTF-8 only, no lone surrogates, no duplicate member names,
// nesting at most 64 deep). On failure returns nothing and sets `error` to
// what is wrong and at which column (1-based, in bytes).
std::optional<Json> parseJson(std::string_view text, std::string& error);

// Appends `s` as a JSON string literal: quotes, backslashes and control
// characters escaped, UTF-8 kept as it is, and any byte that is not part of
// valid UTF-8 replaced by U+FFFD, so that the text is always readable back.
void appendJsonString(std::string& out, std::string_view s);

// The same, written at `out`, which must have room for jsonStringRoom(s.size())
// bytes; returns the end of what was written.
constexpr std::size_t jsonStringRoom(std::size_t n) { return 6 * n + 2; }
char* writeJsonString(char* out, std::string_view s);

// `s` with every invalid UTF-8 sequence replaced by U+FFFD.
std::string validUtf8(std::string_view s);

}  // namespace corvane::record
