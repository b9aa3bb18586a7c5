#include "ui/table_controls.h"

#include <QPushButton>

#include "ui/bid_panel_frame.h"
#include "ui/table_view.h"

namespace corvane {

void connectTableControls(TableView& view, TableSession& session, QObject& context,
                          std::function<void(TableUpdate)> play)
{
    TableSession& s = session;
    const auto button = [&](QPushButton* b, TableUpdate (TableSession::*command)()) {
        QObject::connect(b, &QPushButton::clicked, &context, [=, &s] { play((s.*command)()); });
    };
    button(view.carryOnButton(), &TableSession::carryOn);
    button(view.startAgainButton(), &TableSession::startAgain);
    button(view.discardCarryOnButton(), &TableSession::confirmDiscards);

    // The panel shows what the engine kept, so a refused choice is unchosen
    // at once.
    BidPanelFrame* panel = view.bidPanel();
    const auto command = [=, &s](TableUpdate u) {
        panel->showState(s.game().table().panel);
        play(std::move(u));
    };
    QObject::connect(panel, &BidPanelFrame::trumpsClicked, &context, [=, &s](int o) { command(s.chooseTrumps(o)); });
    QObject::connect(panel, &BidPanelFrame::directionClicked, &context,
                     [=, &s](int o) { command(s.chooseDirection(o)); });
    QObject::connect(panel, &BidPanelFrame::levelClicked, &context, [=, &s](int l) { command(s.chooseLevel(l)); });
    QObject::connect(panel, &BidPanelFrame::passClicked, &context, [=, &s](bool on) { command(s.setPass(on)); });
    QObject::connect(panel, &BidPanelFrame::resetClicked, &context, [=, &s] { command(s.resetPanel()); });
    QObject::connect(panel, &BidPanelFrame::finishedClicked, &context, [=, &s] { command(s.finishBid()); });
}

}  // namespace corvane
