// The Play menu's deal items: the cards of the hand in play dealt again, and
// a game from a deal number the person types; and the number of the hand in
// play in the window's title.
#include <QAction>
#include <QInputDialog>
#include <QMenu>

#include "table/deal_number.h"
#include "ui/table_window.h"

namespace corvane {

void TableWindow::buildDealItems(QMenu* play)
{
    QAction* replay = play->addAction(QStringLiteral("Replay This Deal"));
    replay->setObjectName(QStringLiteral("MnuReplayDeal"));
    connect(replay, &QAction::triggered, this, &TableWindow::replayDeal);
    // Nothing to replay before the first hand is dealt.
    connect(play, &QMenu::aboutToShow, this, [this, replay] { replay->setEnabled(game().dealNumber().has_value()); });

    QAction* choose = play->addAction(QString::fromUtf8("Deal Number…"));
    choose->setObjectName(QStringLiteral("MnuDealNumber"));
    connect(choose, &QAction::triggered, this, &TableWindow::askDealNumber);
}

void TableWindow::replayDeal() { play(m_session.replayDeal()); }

void TableWindow::askDealNumber()
{
    // Told before typing, not after, that a game under way must be finished.
    if (std::optional<TableUpdate> refusal = m_session.refusesNewGame()) {
        play(std::move(*refusal));
        return;
    }
    const std::optional<std::uint64_t> now = game().dealNumber();
    openDealDialog({}, now ? QString::number(*now) : QString());
}

void TableWindow::openDealDialog(const QString& trouble, const QString& typed)
{
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("DealNumberDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(QStringLiteral("Deal Number"));
    const QString prompt = QStringLiteral("The number of the deal to play, from 0 to %1:").arg(MaxDealNumber);
    dialog->setLabelText(trouble.isEmpty() ? prompt : trouble + QStringLiteral("\n\n") + prompt);
    dialog->setTextValue(typed);
    // Cancel starts nothing.
    connect(dialog, &QInputDialog::textValueSelected, this, &TableWindow::startAtDeal);
    dialog->open();
}

void TableWindow::startAtDeal(const QString& typed)
{
    const DealEntry entry = readDealNumber(typed.toStdString());
    if (!entry.number) {
        openDealDialog(QString::fromStdString(entry.error), typed);
        return;
    }
    play(m_session.newGameAt(*entry.number));
}

void TableWindow::showDealNumber()
{
    const std::optional<std::uint64_t> n = game().dealNumber();
    setWindowTitle(n ? QString::fromUtf8("Corvane — Deal %1").arg(*n) : QStringLiteral("Corvane"));
}

}  // namespace corvane
