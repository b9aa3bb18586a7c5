#include "files/data_store.h"

#include <system_error>

#include "files/data_files.h"
#include "files/file_io.h"

namespace corvane {

DataStore::DataStore(DataLocation where) : m_where(std::move(where))
{
    if (!m_where.notice.empty())
        m_notices.push_back(m_where.notice);
    for (std::string_view file : {NamesFile, StatisticsFile})
        removeStaleTemporaries(m_where.writeFolder / file);
    m_names = load(NamesFile, parseNames, defaultNames(), "the default names are used");
    m_stats = load(StatisticsFile, parseStatistics, Statistics{}, "the statistics start at 0 won of 0");
}

// The first folder that holds the file; the write folder when none does.
std::filesystem::path DataStore::sourceOf(std::string_view file) const
{
    std::error_code ec;
    for (const auto& folder : m_where.readFolders)
        if (std::filesystem::exists(std::filesystem::symlink_status(folder / file, ec)))
            return folder / file;
    return m_where.writeFolder / file;
}

template <class T, class Parse>
T DataStore::load(std::string_view file, Parse parse, T defaults, std::string_view defaultsText)
{
    const std::filesystem::path source = sourceOf(file);
    const FileRead read = readWholeFile(source);
    if (read.status == FileRead::Status::Missing)
        return defaults;
    if (read.status == FileRead::Status::Read) {
        if (isBlank(read.text)) {
            m_notices.push_back(std::string(file) + " is empty, so " + std::string(defaultsText) + ".");
            return defaults;
        }
        if (auto value = parse(read.text))
            return *value;
    }
    std::string notice = std::string(file) + " could not be read, so " + std::string(defaultsText) + ".";
    if (source.parent_path() == m_where.writeFolder) {
        if (const auto backup = keepAsBackup(source)) {
            notice += " The old file was kept as " + backup->filename().string() + ".";
        } else {
            m_keepUntouched.emplace(file);
            notice += " It could not be kept aside, so changes will not be saved over it.";
        }
    }
    m_notices.push_back(notice);
    return defaults;
}

std::string DataStore::save(std::string_view file, const std::string& content)
{
    if (m_keepUntouched.count(file) != 0)
        return "Could not save " + std::string(file) + ": the unreadable old file is kept as it was.";
    return writeFileAtomically(m_where.writeFolder / file, content);
}

std::string DataStore::rename(Seat s, std::string name)
{
    if (!isSeat(s))
        return "There is no such seat.";
    if (const auto refusal = nameRefusal(name))
        return *refusal;
    m_names[s] = std::move(name);
    return save(NamesFile, formatNames(m_names));
}

std::string DataStore::setStatistics(Statistics stats)
{
    // The file could not be read back otherwise.
    if (stats.gamesWon < 0 || stats.gamesWon > stats.gamesPlayed)
        return "Statistics need 0 or more games won, and no more won than played.";
    m_stats = stats;
    return save(StatisticsFile, formatStatistics(m_stats));
}

}  // namespace corvane
