#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::record {

// Appends `s` as a JSON string literal: quotes, backslashes and control
// characters escaped, UTF-8 kept as it is, and any byte that is not part of
// valid UTF-8 replaced by U+FFFD, so that the text is always readable back.
void appendJsonString(std::string& out, std::string_view s);

// The same, written at `out`, which must have room for jsonStringRoom(s.size())
// bytes; returns the end of what was written.
constexpr std::size_t jsonStringRoom(std::size_t n) { return 6 * n + 2; }
char* writeJsonString(char* out, std::string_view s);

}  // namespace corvane::record
