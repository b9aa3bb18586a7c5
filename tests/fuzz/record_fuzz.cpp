// Feeds arbitrary bytes to the record reader and to the replay. Neither may
// crash or hang, and both must judge the bytes alike: the replay takes a
// sound line it makes again to the byte without reading it as JSON, the
// reader alone reads every line, so the two refuse the same file at the
// same line with the same words.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "record/record_reader.h"
#include "record/replay.h"

namespace {

void require(bool ok)
{
    if (!ok)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    corvane::record::RecordReader reader(in);
    long lines = 0;
    while (reader.next())
        ++lines;
    // A game of Expert robots replays by solving deals, seconds a hand under
    // the sanitizers: read here, replayed by the session's tests.
    if (text.find("expert") != std::string::npos)
        return 0;
    std::istringstream again(text);
    const corvane::record::ReplayResult r = corvane::record::replayRecord(again);
    require(r.status >= 0 && r.status <= 2);
    require((r.status == 2) == !reader.error().empty());
    if (r.status == 2)
        require(r.message == reader.error());
    if (r.status == 1)
        require(r.message.rfind("line ", 0) == 0);
    // A record reproduced matched every line of it.
    if (r.status == 0)
        require(r.lines == lines);
    return 0;
}
