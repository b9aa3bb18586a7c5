#include "ui/table_options.h"

#include <random>

#include "files/data_store.h"
#include "files/file_io.h"
#include "ui/settings.h"

namespace corvane {

namespace {

std::uint64_t seedFrom(std::uint64_t asked)
{
    if (asked != 0)
        return asked;
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

// Each hand's lines are appended as the hand is scored; a game left
// unfinished keeps what was played of it. A failed write is told, never
// passed over: the person relies on the file.
TableSession::RecordSink recordSink(const std::string& file)
{
    if (file.empty())
        return {};
    return [file](const std::vector<std::string>& lines) {
        return appendLines(file, lines) ? std::string() : "The game record could not be written to " + file + ".";
    };
}

}  // namespace

void takeRememberedChoices(TableOptions& options, Settings& settings)
{
    options.settings = &settings;
    options.choices = settings.choices();
}

DataLocation dataLocationOf(const TableOptions& options)
{
    return options.dataDir ? forcedDataLocation(*options.dataDir) : locateData(programFolder());
}

TableSession::Options sessionOptionsOf(const TableOptions& options, const DataStore& store)
{
    return {seedFrom(options.seed), store.names(), store.statistics(), options.choices.pace, options.choices.explain,
            recordSink(options.recordFile)};
}

}  // namespace corvane
