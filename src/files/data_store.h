#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "files/data_location.h"
#include "table/names.h"
#include "table/seat.h"

namespace corvane {

// The seat names and the statistics as kept on disk: read once when the
// store is made, written whole after every change. A missing, empty or
// unreadable file gives the defaults (Player, West Bot, North Bot, East Bot;
// 0 won of 0); an unreadable one is first moved aside as a backup so that
// nothing the person had is ever overwritten. What loading found is told
// in notices() for the message log.
class DataStore {
public:
    explicit DataStore(DataLocation where);

    const Names& names() const { return m_names; }
    const Statistics& statistics() const { return m_stats; }
    const std::vector<std::string>& notices() const { return m_notices; }
    const std::filesystem::path& folder() const { return m_where.writeFolder; }

    // Each answers with the text to show the person, empty when saved. A
    // refused name changes nothing; after a failed write the new value is
    // kept for this run and saved with the next change.
    std::string rename(Seat s, std::string name);
    std::string setStatistics(Statistics stats);

private:
    template <class T, class Parse>
    T load(std::string_view file, Parse parse, T defaults, std::string_view defaultsText);
    std::filesystem::path sourceOf(std::string_view file) const;
    std::string save(std::string_view file, const std::string& content);

    DataLocation m_where;
    Names m_names;
    Statistics m_stats;
    std::vector<std::string> m_notices;
    std::set<std::string, std::less<>> m_keepUntouched;  // unreadable files that could not be moved aside
};

}  // namespace corvane
