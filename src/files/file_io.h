#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Small file operations for the data files, answering with what went wrong
// instead of throwing.

struct FileRead {
    enum class Status { Read, Missing, Unreadable };
    Status status = Status::Missing;
    std::string text;
};
FileRead readWholeFile(const std::filesystem::path& file);

// Replaces `file` with `content` so that a crash leaves either the old file
// or the new one: a temporary file in the same folder is written, flushed to
// disk and renamed over the old one. Returns an empty string when saved,
// else why not (the old file then stays as it was, and no temporary is left).
std::string writeFileAtomically(const std::filesystem::path& file, std::string_view content);

// Adds each line and a newline at the end of `file`, made if missing, and
// flushes it; whether all of it was written.
bool appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Removes the temporaries of `file` that a save cut short (the program
// killed or the power lost before the rename) left behind, once they are
// older than any save takes, so that another run's save in progress is kept.
// Returns how many were removed.
int removeStaleTemporaries(const std::filesystem::path& file);

// Moves `file` aside to the first free name of file.bad, file.bad.2, ...;
// returns the new path, or nothing when it could not be moved.
std::optional<std::filesystem::path> keepAsBackup(const std::filesystem::path& file);

// Whether files can be created in `folder` (tried, not guessed from modes).
bool isWritableFolder(const std::filesystem::path& folder);

}  // namespace corvane
