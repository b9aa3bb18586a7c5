#pragma once

#include <istream>
#include <string>

namespace corvane::record {

// What a replay found. `status` is the simulator's exit code: 0 the record
// was reproduced exactly, 1 the engine did something else (the first
// difference is in `message`, with both versions), 2 the file is not a
// valid record (`message` says which line and why).
struct ReplayResult {
    int status = 0;
    long lines = 0;  // record lines that matched
    long games = 0;  // games replayed
    std::string message;
};

// Replays a record through the engine: the recorded draws and deals are
// dealt instead of drawn, every robot decides for itself, South is played
// by the robots' rules (or, in a "human" record, by its recorded actions),
// and every line the engine's events make is compared with the record's.
// The stream is read once, to its end even after a difference: a file that
// is not a valid record is told as such before any difference.
ReplayResult replayRecord(std::istream& in);
ReplayResult replayFile(const std::string& path);

}  // namespace corvane::record
