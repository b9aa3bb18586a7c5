#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "table/names.h"
#include "table/seat.h"

namespace corvane {

// The two one-line data files and their formats: the seat names, each in
// double quotes and separated by commas ("Ann","West Bot","North Bot","East
// Bot"), and the statistics as two numbers (5,9: won, played), each line
// ended by CR LF. Reading is tolerant the same way for both: fields are
// separated by commas, a quoted field is taken without its quotes and
// blanks before a field are skipped. Anything the writer could not write
// back is refused, so a file is either read whole or not at all.
inline constexpr std::string_view NamesFile = "Names2.dat";
inline constexpr std::string_view StatisticsFile = "Points.dat";

std::string formatNames(const Names& names);
std::optional<Names> parseNames(std::string_view text);

std::string formatStatistics(const Statistics& stats);
std::optional<Statistics> parseStatistics(std::string_view text);


// Why a name cannot be kept in the names file, or nothing when it can.
std::optional<std::string> nameRefusal(std::string_view name);

// A file holding nothing but blanks and line ends.
bool isBlank(std::string_view text);

}  // namespace corvane
