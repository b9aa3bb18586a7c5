#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace corvane {

namespace {

// The permissions the new file gets: the old file's, else read for all
// (the temporary is created private).
mode_t modeFor(const std::filesystem::path& file)
{
    struct stat st {};
    return stat(file.c_str(), &st) == 0 ? st.st_mode & 07777 : 0644;
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t n = write(fd, content.data(), content.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The rename is on disk only once the folder itself is flushed; a folder
// that cannot be flushed still holds the file, so failures are not errors.
void flushFolder(const std::filesystem::path& folder)
{
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

std::string failure(const std::filesystem::path& file, int error)
{
    return "Could not save " + file.filename().string() + ": " + std::strerror(error) + ".";
}

}  // namespace

FileRead readWholeFile(const std::filesystem::path& file)
{
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return {FileRead::Status::Missing, {}};
    std::ifstream in(file, std::ios::binary);
    if (!std::filesystem::is_regular_file(file, ec) || !in)
        return {FileRead::Status::Unreadable, {}};
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return {FileRead::Status::Unreadable, {}};
    return {FileRead::Status::Read, std::move(text)};
}

bool appendLines(const std::filesystem::path& file, const std::vector<std::string>& lines)
{
    std::ofstream out(file, std::ios::app | std::ios::binary);
    for (const std::string& line : lines)
        out << line << '\n';
    out.flush();
    return static_cast<bool>(out);
}

std::string writeFileAtomically(const std::filesystem::path& file, std::string_view content)
{
    std::string temporary = file.string() + ".tmp-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return failure(file, errno);
    int error = 0;
    if (fchmod(fd, modeFor(file)) != 0 || !writeAll(fd, content) || fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlink(temporary.c_str());
        return failure(file, error);
    }
    flushFolder(file.parent_path());
    return {};
}

int removeStaleTemporaries(const std::filesystem::path& file)
{
    const std::string prefix = file.filename().string() + ".tmp-";
    constexpr std::size_t MkstempSuffix = 6;
    const auto oldest = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    int removed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + MkstempSuffix || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::error_code entryEc;
        if (!entry.is_regular_file(entryEc) || entry.last_write_time(entryEc) > oldest || entryEc)
            continue;
        removed += std::filesystem::remove(entry.path(), entryEc) ? 1 : 0;
    }
    return removed;
}

std::optional<std::filesystem::path> keepAsBackup(const std::filesystem::path& file)
{
    std::error_code ec;
    for (int n = 1; n < 1000; ++n) {
        std::filesystem::path backup = file;
        backup += n == 1 ? ".bad" : ".bad." + std::to_string(n);
        if (std::filesystem::exists(std::filesystem::symlink_status(backup, ec)))
            continue;
        std::filesystem::rename(file, backup, ec);
        if (ec)
            return std::nullopt;
        return backup;
    }
    return std::nullopt;
}

bool isWritableFolder(const std::filesystem::path& folder)
{
    std::string probe = (folder / ".corvane-probe-XXXXXX").string();
    const int fd = mkstemp(probe.data());
    if (fd < 0)
        return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

}  // namespace corvane
