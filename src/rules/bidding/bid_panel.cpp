#include "rules/bidding/bid_panel.h"

#include "rules/choices.h"

namespace corvane {

namespace {

MessageBox refusal(const std::string& text, const std::string& caption1, int picture, const std::string& title,
                   const std::string& blank = "")
{
    return MessageBox{text, caption1, blank, blank, picture, title};
}

MessageBox startAgain(const std::string& name, const char* rest)
{
    return refusal(name + rest, "Right", 4, "Start Again");
}

void clearPanel(TableState& t)
{
    t.panel = {};
    t.bidLevelChosen = false;
    t.highLowChosen = false;
}

}  // namespace

void panelChooseTrumps(TableState& t, int option)
{
    if (option < 0 || option > 4)
        return;
    t.trumpChoice[South] = option + 1;
    t.panel.trumpOption = option;
}

void panelChooseDirection(TableState& t, int option)
{
    if (option != 0 && option != 1)
        return;
    t.bidHigh[South] = option == 0;
    t.bidLow[South] = option == 1;
    t.highLowChosen = true;
    t.panel.direction = option;
}

bool ladderAccepts(const TableState& t, int level) { return bidBeatsOthers(t, South, level, t.trumpChoice[South]); }

std::optional<MessageBox> panelChooseLevel(TableState& t, int level, const std::string& name)
{
    if (level < 3 || level > 7)
        return std::nullopt;
    // Choosing one level unchooses any other, accepted or not.
    t.panel.level = 0;
    if (t.trumpChoice[South] == NoSuit)
        return refusal(name + " Please choose your trumps or No Trumps first", "O.K", 2, " Choose trumps first", " ");
    if (!ladderAccepts(t, level))
        return refusal(name + " this bid or higher has already been made. You must make higher bid or Pass", "Right", 4,
                       "Higher or Pass");
    t.bidLevel[South] = level;
    t.bidLevelChosen = true;
    t.panel.level = level;
    return std::nullopt;
}

std::optional<MessageBox> panelSetPass(TableState& t, bool checked, const std::string& name)
{
    const char* why = nullptr;
    if (t.panel.level != 0)
        why = " you have already made a bid so cannot click on Pass. Click on Reset button below to start again";
    else if (t.panel.trumpOption >= 0)
        why = " you have already chosen Trumps so cannot click on Pass. Click on Reset button below to start again";
    else if (t.panel.direction >= 0)
        why = " you have already chosen UpTown or DownTown so cannot click on Pass. Click on Reset button below to "
              "start again";
    // A refused click leaves the box unticked, whichever way it was clicked:
    // a box left ticked would spoil the bid that "Finished" is to make.
    if (why != nullptr) {
        t.panel.pass = false;
        return startAgain(name, why);
    }
    t.panel.pass = checked;
    return std::nullopt;
}

void panelReset(TableState& t) { clearPanel(t); }

FinishResult panelFinish(TableState& t, bool forcedDealer, const std::string& name)
{
    const bool noContract = t.trumps == NotChosen;
    if (t.panel.pass && !t.highLowChosen && !t.bidLevelChosen && noContract) {
        if (forcedDealer) {
            clearPanel(t);
            return {PanelOutcome::Refused,
                    refusal(name + " everybody passed, so as dealer you must make a bid. Please choose your bid.",
                            "Right", 4, "Dealer Must Bid")};
        }
        t.passed[South] = true;
        t.bidLevel[South] = 0;
        clearPanel(t);
        return {PanelOutcome::Pass, std::nullopt};
    }
    if (!t.panel.pass && t.highLowChosen && t.bidLevelChosen && noContract) {
        t.passed[South] = false;
        clearPanel(t);
        return {PanelOutcome::Bid, std::nullopt};
    }
    clearPanel(t);
    return {PanelOutcome::Refused,
            startAgain(name, " you have not ticked everything necessary for your bid. Please complete or click Reset "
                             "button to start again")};
}

}  // namespace corvane
