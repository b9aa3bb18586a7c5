#include "record/json_string.h"

#include <algorithm>
#include <array>
#include <cstring>

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

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

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

}  // namespace corvane::record
