// The Play menu's items for learning from the robots: a hint of what their
// rules would do in South's place, undo, the last trick and the review.
#include <QAction>
#include <QMenu>

#include "engine/autoplay.h"
#include "engine/explain.h"
#include "ui/bid_panel_frame.h"
#include "ui/pacer.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

namespace corvane {

namespace {

QAction* playItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& keys)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(keys);
    return a;
}

// The hint in the words of a robot's reason, South as the seat.
std::string hintSentence(const Hint& h, const Game& g)
{
    const auto what = [&]() -> EventData {
        if (h.stage == Awaiting::Bid && h.pass)
            return ev::BidPassed{South, h.why};
        if (h.stage == Awaiting::Bid)
            return ev::BidMade{South, h.level, h.directionOption == 0, h.trumpOption + 1, g.forcedHumanTurn(), h.why};
        if (h.stage == Awaiting::Discards)
            return ev::KittyDiscarded{South, h.discards, h.why};
        return ev::CardPlayed{South, h.card, g.trickPosition(), h.why};
    };
    return explain(Event{what(), {}, std::nullopt}, g.names());
}

}  // namespace

void TableWindow::addLearningItems(QMenu* play)
{
    connect(playItem(play, "MnuHint", "Hint", Qt::Key_H), &QAction::triggered, this, &TableWindow::showHint);
    connect(playItem(play, "MnuUndo", "Undo", Qt::CTRL | Qt::Key_Z), &QAction::triggered, this,
            &TableWindow::undoTurn);
    connect(playItem(play, "MnuLastTrick", "Last Trick", Qt::Key_L), &QAction::triggered, this,
            &TableWindow::showLastTrick);
    connect(m_view, &TableView::trickAreaClicked, this, &TableWindow::showLastTrick);
    connect(playItem(play, "MnuReview", "Review Last Hand", {}), &QAction::triggered, this,
            &TableWindow::reviewLastHand);
    connect(play, &QMenu::aboutToShow, this, &TableWindow::refreshPlayItems);
    refreshPlayItems();
}

// The items answer only when what they do can be done now.
void TableWindow::refreshPlayItems()
{
    const Awaiting a = m_game.awaiting();
    const bool personsTurn = a == Awaiting::Bid || a == Awaiting::Discards || a == Awaiting::PlayCard;
    if (QAction* hint = findChild<QAction*>(QStringLiteral("MnuHint")))
        hint->setEnabled(personsTurn && !asking());
    if (QAction* undo = findChild<QAction*>(QStringLiteral("MnuUndo")))
        undo->setEnabled(m_game.canUndo() && !asking());
    if (QAction* last = findChild<QAction*>(QStringLiteral("MnuLastTrick")))
        last->setEnabled(m_lastTrick.has_value() && !asking());
    if (QAction* review = findChild<QAction*>(QStringLiteral("MnuReview")))
        review->setEnabled(!m_recorder.lastHand().empty());
}

void TableWindow::showHint()
{
    if (m_pacer->busy() || asking())
        return;
    const Hint h = hintFor(m_game);
    switch (h.stage) {
    case Awaiting::Bid: {
        // The panel is set as the person would set it; "Finished" is theirs.
        present(m_game.resetPanel());
        setPanelTo(m_game, h, [this](const Event& e) { present(e); });
        m_view->bidPanel()->showState(m_game.table().panel);
        break;
    }
    case Awaiting::Discards: {
        // Picked with the person's own command, so "Carry On" takes them and
        // "Start Again" gives them back; the ring shows which the hint chose.
        const CardSet picks = h.discards - m_game.table().selected;
        for (Card c : picks)
            present(m_game.pickDiscard(c));
        m_view->showHint(picks);
        break;
    }
    case Awaiting::PlayCard: m_view->showHint(CardSet::of(h.card)); break;
    default: return;
    }
    hintAside(hintSentence(h, m_game));
}

void TableWindow::showLastTrick()
{
    if (!m_lastTrick || asking())
        return;
    const std::string caption =
        "Trick " + std::to_string(m_lastTrick->number) + " was won by " + m_game.name(m_lastTrick->winner);
    m_view->showTrick(m_lastTrick->bySeat, QString::fromStdString(caption));
}

void TableWindow::hintAside(const std::string& sentence)
{
    if (!sentence.empty())
        m_view->apply(step::Log{"Hint: " + sentence, true});
}

}  // namespace corvane
