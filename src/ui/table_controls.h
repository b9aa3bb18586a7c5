#pragma once

#include <functional>

#include "session/table_session.h"

class QObject;

namespace corvane {

class TableView;

// The table's buttons and bid panel, each click one command of the session
// whose answer goes to `play`, for as long as `context` lives.
void connectTableControls(TableView& view, TableSession& session, QObject& context,
                          std::function<void(TableUpdate)> play);

}  // namespace corvane
