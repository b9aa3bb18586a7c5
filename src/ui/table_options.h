#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "files/data_location.h"
#include "session/table_session.h"
#include "ui/table_choices.h"

namespace corvane {

class DataStore;
class Settings;

// How the window is started.
struct TableOptions {
    std::uint64_t seed = 0;  // 0: a new seed each run
    std::optional<std::filesystem::path> dataDir;  // where the names and statistics live
    TableChoices choices;
    QString soundFolder;  // empty: the program's folder
    std::optional<std::uint64_t> deal;  // start at once with a game from this deal number
    // Where the record of every game played is appended; empty: none kept.
    std::string recordFile;
    // Where the Options menu's choices and the window's place are kept;
    // none: they last for this run only. Not owned.
    Settings* settings = nullptr;
};

// The choices `settings` remembers, and the settings to keep new ones in.
void takeRememberedChoices(TableOptions& options, Settings& settings);

// Where the names and statistics of a window so started live.
DataLocation dataLocationOf(const TableOptions& options);
// The table session of a window so started, with the names and statistics
// read from `store`.
TableSession::Options sessionOptionsOf(const TableOptions& options, const DataStore& store);

}  // namespace corvane
