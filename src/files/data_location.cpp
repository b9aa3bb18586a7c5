#include "files/data_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "files/file_io.h"

namespace corvane {

namespace {

std::filesystem::path absoluteFromEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr)
        return {};
    std::filesystem::path p(value);
    return p.is_absolute() ? p : std::filesystem::path();
}

bool makeFolder(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return isWritableFolder(folder);
}

std::string keptIn(const std::filesystem::path& user)
{
    return "The program's folder cannot be written, so names and statistics are kept in " + user.string() + ".";
}

}  // namespace

std::filesystem::path userDataFolder()
{
    if (const auto xdg = absoluteFromEnv("XDG_DATA_HOME"); !xdg.empty())
        return xdg / "corvane";
    if (const auto home = absoluteFromEnv("HOME"); !home.empty())
        return home / ".local" / "share" / "corvane";
    return {};
}

bool isInstalledFolder(const std::filesystem::path& folder)
{
    std::filesystem::path f = folder.lexically_normal();
    if (!f.has_filename())
        f = f.parent_path();  // a trailing slash
    for (const char* system : {"/bin", "/sbin", "/usr/bin", "/usr/sbin", "/usr/games", "/usr/local/bin",
                               "/usr/local/sbin", "/usr/local/games"})
        if (f == system)
            return true;
    std::error_code ec;
    return (f.filename() == "bin" || f.filename() == "games") &&
           std::filesystem::is_directory(f.parent_path() / "share" / "corvane", ec);
}

DataLocation locateData(const std::filesystem::path& programFolder)
{
    const std::filesystem::path user = userDataFolder();
    // An installed program puts nothing beside itself, not even the probe
    // for writing: the log tells only those who may not write there.
    if (isInstalledFolder(programFolder) && !user.empty() && makeFolder(user)) {
        const bool mayWrite = access(programFolder.c_str(), W_OK) == 0;
        return DataLocation{user, {user, programFolder}, mayWrite ? std::string() : keptIn(user)};
    }
    if (isWritableFolder(programFolder))
        return DataLocation{programFolder, {programFolder}, {}};
    if (user.empty())
        return DataLocation{programFolder, {programFolder},
                            "The program's folder cannot be written and no user folder is known, so names and "
                            "statistics will not be saved."};
    if (!makeFolder(user))
        return DataLocation{user, {user, programFolder},
                            "Neither the program's folder nor " + user.string() +
                                " can be written, so names and statistics will not be saved."};
    return DataLocation{user, {user, programFolder}, keptIn(user)};
}

DataLocation forcedDataLocation(const std::filesystem::path& folder)
{
    if (makeFolder(folder))
        return DataLocation{folder, {folder}, {}};
    return DataLocation{folder, {folder},
                        folder.string() + " cannot be written, so names and statistics will not be saved."};
}

std::filesystem::path programFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}

}  // namespace corvane
