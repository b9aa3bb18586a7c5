#pragma once

#include <string>

#include "table/event.h"
#include "table/names.h"
#include "table/seat.h"

namespace corvane {

// The window's own texts: the greeting, the seat labels between hands, and
// the questions of the menus. The engine's texts come with its events.

// The first line of the log.
std::string welcomeLine();

// A seat's label as the names are shown at start-up and after a rename:
// South its name, each robot its name and a greeting to the person.
std::string greeting(const Names& names, Seat s);

// "Exit" during a game.
MessageBox exitQuestion(const Names& names);
// The close box.
inline constexpr const char* LeaveTitle = "Really Leave?";
inline constexpr const char* LeaveText = "Do you really wish to quit, even if you are in the middle of a game?  ";

// "View Statistics" and "Erase Statistics".
MessageBox statisticsNotice(const Names& names, const Statistics& stats);
MessageBox eraseQuestion(const Names& names);

// A rename dialog's prompt, title and proposed name.
struct RenameDialogTexts {
    std::string prompt;
    std::string title;
    std::string proposal;
};
RenameDialogTexts renameTexts(Seat s);

}  // namespace corvane
