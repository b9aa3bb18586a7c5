#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// Where the names and statistics files live. They are written to
// `writeFolder` and read from the first of `readFolders` that holds them:
// when the program's folder cannot be written the per-user folder is used,
// and the files that came with the program are read until it has its own.
struct DataLocation {
    std::filesystem::path writeFolder;
    std::vector<std::filesystem::path> readFolders;
    std::string notice;  // for the message log, when the folder is not the usual one
};

// $XDG_DATA_HOME/corvane, else ~/.local/share/corvane; empty when neither
// variable gives an absolute folder.
std::filesystem::path userDataFolder();

// Whether the program in `folder` was installed: the folder is one of the
// system's program folders, or a bin (or games) folder beside the
// share/corvane the installation put the sounds in.
bool isInstalledFolder(const std::filesystem::path& folder);

// The per-user folder for an installed program, even one run by root that
// may write beside itself; else the program's folder if it can be written,
// else the per-user folder.
DataLocation locateData(const std::filesystem::path& programFolder);

// Only `folder`, whether it can be written or not (--data-dir).
DataLocation forcedDataLocation(const std::filesystem::path& folder);

// The folder of the running program file.
std::filesystem::path programFolder();

}  // namespace corvane
