#include "record/json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <cstdlib>

namespace corvane::record {

namespace {

// The length of the valid UTF-8 sequence at s[i], or 0 when the bytes there
// are not one (overlong forms, surrogates and code points past U+10FFFF are
// not valid).
std::size_t utf8Length(std::string_view s, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned c = b(i);
    if (c < 0x80)
        return 1;
    std::size_t n;
    unsigned lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            lo = 0xA0;
        else if (c == 0xED)
            hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            lo = 0x90;
        else if (c == 0xF4)
            hi = 0x8F;
    } else
        return 0;
    if (i + n > s.size())
        return 0;
    if (b(i + 1) < lo || b(i + 1) > hi)
        return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (b(i + k) < 0x80 || b(i + k) > 0xBF)
            return 0;
    return n;
}

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr std::string_view Replacement = "\xEF\xBF\xBD";
constexpr int MaxDepth = 64;

}  // namespace

class Parser {
public:
    Parser(std::string_view text, std::string& error) : m_s(text), m_error(error) {}

    std::optional<Json> document()
    {
        Json v;
        skipSpace();
        if (!value(v, 0))
            return std::nullopt;
        skipSpace();
        if (m_i != m_s.size())
            return fail("unexpected text after the value");
        return v;
    }

private:
    std::nullopt_t fail(const std::string& what)
    {
        if (m_error.empty())
            m_error = what + " at column " + std::to_string(m_i + 1);
        return std::nullopt;
    }
    bool failed(const std::string& what)
    {
        fail(what);
        return false;
    }

    bool atEnd() const { return m_i >= m_s.size(); }
    char peek() const { return atEnd() ? '\0' : m_s[m_i]; }

    void skipSpace()
    {
        while (!atEnd() && (m_s[m_i] == ' ' || m_s[m_i] == '\t' || m_s[m_i] == '\n' || m_s[m_i] == '\r'))
            ++m_i;
    }

    bool literal(std::string_view word)
    {
        if (m_s.substr(m_i, word.size()) != word)
            return failed("invalid value");
        m_i += word.size();
        return true;
    }

    bool value(Json& v, int depth)
    {
        if (atEnd())
            return failed("the line ends where a value should be");
        switch (peek()) {
        case '{': return object(v, depth + 1);
        case '[': return array(v, depth + 1);
        case '"': v.m_kind = Json::Kind::String; return string(v.m_string);
        case 't': v.m_kind = Json::Kind::Bool; v.m_bool = true; return literal("true");
        case 'f': v.m_kind = Json::Kind::Bool; v.m_bool = false; return literal("false");
        case 'n': v.m_kind = Json::Kind::Null; return literal("null");
        default: return number(v);
        }
    }

    bool object(Json& v, int depth)
    {
        if (depth > MaxDepth)
            return failed("nested too deeply");
        v.m_kind = Json::Kind::Object;
        ++m_i;
        skipSpace();
        if (peek() == '}') {
            ++m_i;
            return true;
        }
        for (;;) {
            skipSpace();
            if (peek() != '"')
                return failed(atEnd() ? "the line ends inside an object" : "expected a member name");
            std::string key;
            if (!string(key))
                return false;
            for (const auto& m : v.m_members)
                if (m.first == key)
                    return failed("duplicate member \"" + key + "\"");
            skipSpace();
            if (peek() != ':')
                return failed("expected ':'");
            ++m_i;
            skipSpace();
            Json item;
            if (!value(item, depth))
                return false;
            v.m_members.emplace_back(std::move(key), std::move(item));
            skipSpace();
            if (peek() == ',') {
                ++m_i;
                continue;
            }
            if (peek() == '}') {
                ++m_i;
                return true;
            }
            return failed(atEnd() ? "the line ends inside an object" : "expected ',' or '}'");
        }
    }

    bool array(Json& v, int depth)
    {
        if (depth > MaxDepth)
            return failed("nested too deeply");
        v.m_kind = Json::Kind::Array;
        ++m_i;
        skipSpace();
        if (peek() == ']') {
            ++m_i;
            return true;
        }
        for (;;) {
            skipSpace();
            Json item;
            if (!value(item, depth))
                return false;
            v.m_items.push_back(std::move(item));
            skipSpace();
            if (peek() == ',') {
                ++m_i;
                continue;
            }
            if (peek() == ']') {
                ++m_i;
                return true;
            }
            return failed(atEnd() ? "the line ends inside an array" : "expected ',' or ']'");
        }
    }

    bool hex4(std::uint32_t& out)
    {
        if (m_i + 4 > m_s.size())
            return failed("incomplete \\u escape");
        out = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = m_s[m_i++];
            out <<= 4;
            if (c >= '0' && c <= '9')
                out |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                out |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                out |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return failed("bad hex digit in \\u escape");
        }
        return true;
    }

    bool string(std::string& out)
    {
        ++m_i;  // the opening quote
        for (;;) {
            if (atEnd())
                return failed("the line ends inside a string");
            const unsigned char c = static_cast<unsigned char>(m_s[m_i]);
            if (c == '"') {
                ++m_i;
                return true;
            }
            if (c < 0x20)
                return failed("unescaped control character in a string");
            if (c == '\\') {
                ++m_i;
                if (atEnd())
                    return failed("the line ends inside a string");
                const char e = m_s[m_i++];
                switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case '/': out += '/'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    std::uint32_t cp;
                    if (!hex4(cp))
                        return false;
                    if (cp >= 0xDC00 && cp <= 0xDFFF)
                        return failed("lone low surrogate in \\u escape");
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        std::uint32_t low;
                        if (m_s.substr(m_i, 2) != "\\u")
                            return failed("lone high surrogate in \\u escape");
                        m_i += 2;
                        if (!hex4(low))
                            return false;
                        if (low < 0xDC00 || low > 0xDFFF)
                            return failed("lone high surrogate in \\u escape");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    appendUtf8(out, cp);
                    break;
                }
                default: --m_i; return failed("bad escape in a string");
                }
                continue;
            }
            const std::size_t n = utf8Length(m_s, m_i);
            if (n == 0)
                return failed("invalid UTF-8 in a string");
            out.append(m_s.substr(m_i, n));
            m_i += n;
        }
    }

    bool number(Json& v)
    {
        const std::size_t start = m_i;
        const auto digit = [&] { return !atEnd() && m_s[m_i] >= '0' && m_s[m_i] <= '9'; };
        bool negative = false;
        if (peek() == '-') {
            negative = true;
            ++m_i;
        }
        if (!digit())
            return failed("invalid value");
        if (peek() == '0') {
            ++m_i;
            if (digit())
                return failed("leading zero in a number");
        }
        while (digit())
            ++m_i;
        const std::size_t intEnd = m_i;
        bool integer = true;
        if (peek() == '.') {
            integer = false;
            ++m_i;
            if (!digit())
                return failed("digits expected after '.'");
            while (digit())
                ++m_i;
        }
        if (peek() == 'e' || peek() == 'E') {
            integer = false;
            ++m_i;
            if (peek() == '+' || peek() == '-')
                ++m_i;
            if (!digit())
                return failed("digits expected in the exponent");
            while (digit())
                ++m_i;
        }
        const std::string text(m_s.substr(start, m_i - start));
        v.m_kind = Json::Kind::Number;
        v.m_double = std::strtod(text.c_str(), nullptr);
        v.m_negative = negative;
        if (integer) {
            const char* first = m_s.data() + start + (negative ? 1 : 0);
            const char* last = m_s.data() + intEnd;
            std::uint64_t mag = 0;
            const auto r = std::from_chars(first, last, mag);
            // Integers beyond 64 bits keep only their approximate value.
            v.m_integer = r.ec == std::errc() && r.ptr == last;
            v.m_magnitude = v.m_integer ? mag : 0;
            if (v.m_integer && negative && mag == 0)
                v.m_negative = false;  // -0 is 0
        }
        return true;
    }

    std::string_view m_s;
    std::string& m_error;
    std::size_t m_i = 0;
};

Json Json::boolean(bool b)
{
    Json j;
    j.m_kind = Kind::Bool;
    j.m_bool = b;
    return j;
}

Json Json::integer(std::int64_t n)
{
    Json j;
    j.m_kind = Kind::Number;
    j.m_integer = true;
    j.m_negative = n < 0;
    j.m_magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    j.m_double = static_cast<double>(n);
    return j;
}

Json Json::unsignedInteger(std::uint64_t n)
{
    Json j;
    j.m_kind = Kind::Number;
    j.m_integer = true;
    j.m_magnitude = n;
    j.m_double = static_cast<double>(n);
    return j;
}

Json Json::number(double d)
{
    Json j;
    j.m_kind = Kind::Number;
    j.m_double = d;
    return j;
}

Json Json::string(std::string s)
{
    Json j;
    j.m_kind = Kind::String;
    j.m_string = std::move(s);
    return j;
}

Json Json::array(std::vector<Json> items)
{
    Json j;
    j.m_kind = Kind::Array;
    j.m_items = std::move(items);
    return j;
}

Json Json::object(std::vector<Member> members)
{
    Json j;
    j.m_kind = Kind::Object;
    j.m_members = std::move(members);
    return j;
}

std::optional<std::int64_t> Json::asInt64() const
{
    if (!isInteger())
        return std::nullopt;
    if (m_negative) {
        if (m_magnitude > std::uint64_t{1} << 63)
            return std::nullopt;
        return static_cast<std::int64_t>(0 - m_magnitude);
    }
    if (m_magnitude > static_cast<std::uint64_t>(INT64_MAX))
        return std::nullopt;
    return static_cast<std::int64_t>(m_magnitude);
}

std::optional<std::uint64_t> Json::asUint64() const
{
    if (!isInteger() || m_negative)
        return std::nullopt;
    return m_magnitude;
}

const Json* Json::find(std::string_view key) const
{
    for (const auto& m : m_members)
        if (m.first == key)
            return &m.second;
    return nullptr;
}

bool Json::operator==(const Json& o) const
{
    if (m_kind != o.m_kind)
        return false;
    switch (m_kind) {
    case Kind::Null: return true;
    case Kind::Bool: return m_bool == o.m_bool;
    case Kind::Number:
        if (m_integer && o.m_integer)
            return m_negative == o.m_negative && m_magnitude == o.m_magnitude;
        return m_double == o.m_double;
    case Kind::String: return m_string == o.m_string;
    case Kind::Array: return m_items == o.m_items;
    case Kind::Object:
        if (m_members.size() != o.m_members.size())
            return false;
        for (const auto& m : m_members) {
            const Json* other = o.find(m.first);
            if (!other || !(*other == m.second))
                return false;
        }
        return true;
    }
    return false;
}

namespace {

void dumpTo(std::string& out, const Json& j)
{
    switch (j.kind()) {
    case Json::Kind::Null: out += "null"; break;
    case Json::Kind::Bool: out += j.asBool() ? "true" : "false"; break;
    case Json::Kind::Number:
        if (auto i = j.asInt64())
            out += std::to_string(*i);
        else if (auto u = j.asUint64())
            out += std::to_string(*u);
        else {
            // Non-integers do not occur in records; shortest round-trip form.
            char buf[32];
            const auto r = std::to_chars(buf, buf + sizeof buf, j.asDouble());
            out.append(buf, r.ptr);
        }
        break;
    case Json::Kind::String: appendJsonString(out, j.asString()); break;
    case Json::Kind::Array:
        out += '[';
        for (std::size_t k = 0; k < j.items().size(); ++k) {
            if (k)
                out += ',';
            dumpTo(out, j.items()[k]);
        }
        out += ']';
        break;
    case Json::Kind::Object:
        out += '{';
        for (std::size_t k = 0; k < j.members().size(); ++k) {
            if (k)
                out += ',';
            appendJsonString(out, j.members()[k].first);
            out += ':';
            dumpTo(out, j.members()[k].second);
        }
        out += '}';
        break;
    }
}

}  // namespace

std::string Json::dump() const
{
    std::string out;
    dumpTo(out, *this);
    return out;
}

std::optional<Json> parseJson(std::string_view text, std::string& error)
{
    error.clear();
    return Parser(text, error).document();
}

namespace {

// Bytes that go into a JSON string as they are: printable ASCII but the
// quote and the backslash.
constexpr std::array<bool, 256> PlainBytes = [] {
    std::array<bool, 256> t{};
    for (int c = 0x20; c < 0x80; ++c)
        t[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return t;
}();

}  // namespace

char* writeJsonString(char* out, std::string_view s)
{
    static const char* const Hex = "0123456789abcdef";
    *out++ = '"';
    const std::size_t size = s.size();
    std::size_t i = 0;
    while (i < size) {
        // Eight plain bytes at a time: none below 0x20, none from 0x80, no
        // quote and no backslash.
        while (i + 8 <= size) {
            std::uint64_t w;
            std::memcpy(&w, s.data() + i, 8);
            constexpr std::uint64_t Ones = 0x0101010101010101U, Highs = 0x8080808080808080U;
            const std::uint64_t control = (w - Ones * 0x20) & ~w;
            const std::uint64_t quote = (w ^ (Ones * '"')) - Ones;
            const std::uint64_t backslash = (w ^ (Ones * '\\')) - Ones;
            if (((control | quote | backslash | w) & Highs) != 0)
                break;
            std::memcpy(out, s.data() + i, 8);
            out += 8;
            i += 8;
        }
        if (i == size)
            break;
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (PlainBytes[c]) {
            *out++ = static_cast<char>(c);
            ++i;
            continue;
        }
        if (c >= 0x80) {
            const std::size_t n = utf8Length(s, i);
            if (n == 0) {
                out = std::copy(Replacement.begin(), Replacement.end(), out);
                ++i;
            } else {
                out = std::copy_n(s.data() + i, n, out);
                i += n;
            }
            continue;
        }
        *out++ = '\\';
        switch (c) {
        case '"': *out++ = '"'; break;
        case '\\': *out++ = '\\'; break;
        case '\n': *out++ = 'n'; break;
        case '\r': *out++ = 'r'; break;
        case '\t': *out++ = 't'; break;
        case '\b': *out++ = 'b'; break;
        case '\f': *out++ = 'f'; break;
        default:
            *out++ = 'u';
            *out++ = '0';
            *out++ = '0';
            *out++ = Hex[c >> 4];
            *out++ = Hex[c & 0xF];
        }
        ++i;
    }
    *out++ = '"';
    return out;
}

void appendJsonString(std::string& out, std::string_view s)
{
    const std::size_t old = out.size();
    out.resize(old + jsonStringRoom(s.size()));
    char* end = writeJsonString(out.data() + old, s);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

std::string validUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = utf8Length(s, i);
        if (n == 0) {
            out += Replacement;
            ++i;
        } else {
            out.append(s.substr(i, n));
            i += n;
        }
    }
    return out;
}

}  // namespace corvane::record
