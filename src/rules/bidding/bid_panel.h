#pragma once

#include <optional>
#include <string>

#include "table/event.h"
#include "table/table_state.h"

namespace corvane {

// The person's bid panel (seat 1). Each function applies one control to the
// table and returns the message box that refuses it, if refused. `name` is
// the person's name, which every refusal starts with.
void panelChooseTrumps(TableState& t, int option);
void panelChooseDirection(TableState& t, int option);
std::optional<MessageBox> panelChooseLevel(TableState& t, int level, const std::string& name);
std::optional<MessageBox> panelSetPass(TableState& t, bool checked, const std::string& name);
void panelReset(TableState& t);

// "Finished": a pass, a bid, or neither (the panel is cleared and the turn
// goes on). When the person deals after everybody passed, a pass would leave
// the hand without a contract, so it is refused then.
enum class PanelOutcome { Pass, Bid, Refused };
struct FinishResult {
    PanelOutcome outcome;
    std::optional<MessageBox> refusal;
};
FinishResult panelFinish(TableState& t, bool forcedDealer, const std::string& name);

// True when a level is accepted by the ladder for the person's current trump
// choice: a suit must beat every other seat's level, No Trumps may equal it.
bool ladderAccepts(const TableState& t, int level);

}  // namespace corvane
