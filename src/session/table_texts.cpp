#include "session/table_texts.h"

namespace corvane {

std::string welcomeLine() { return " Hello and Welcome to Corvane. Press F2 or use 'Play' Menu to start the game. "; }

std::string greeting(const Names& names, Seat s)
{
    switch (s) {
    case West: return names[West] + "- Welcome " + names[South];
    case North: return names[North] + " - Hello and Welcome " + names[South];
    case East: return names[East] + " - Hi ";
    default: return names[South];
    }
}

MessageBox exitQuestion(const Names& names)
{
    return {names[South] + " you are in the middle of a game, do you really wish to exit?", "Yes Exit", "Carry On", "",
            1, "Really Exit?"};
}

MessageBox statisticsNotice(const Names& names, const Statistics& stats)
{
    // More than half the games won; a half is not yet beating them.
    const bool beating = 2 * static_cast<long long>(stats.gamesWon) > stats.gamesPlayed;
    return {names[South] + " You are now winning " + std::to_string(stats.gamesWon) + " out of  " +
                std::to_string(stats.gamesPlayed),
            "O.K", "", "", beating ? 5 : 6, beating ? "Beating 'Em" : "They are Winning"};
}

MessageBox eraseQuestion(const Names& names)
{
    return {names[South] + " please confirm that you wish to erase all game statistics?", "Yes Please", "Don't erase",
            "", 3, "Really Errase Stats?"};
}

RenameDialogTexts renameTexts(Seat s)
{
    switch (s) {
    case West: return {"Replace West Robot with name of your choice?", "Enter name of West Bot", "West Bot"};
    case North: return {"Replace North Robot with name of your choice?", "Enter name of North Bot", "North Bot"};
    case East: return {"Replace East Robot with name of your choice?", "Enter name of East Bot", "East Bot"};
    default: return {"Replace name Player?", "Enter your name ", "You name please"};
    }
}

}  // namespace corvane
