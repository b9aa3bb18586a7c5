// The Play menu's items for learning from the robots: a hint of what their
// rules would do in South's place, undo, the last trick and the review of
// the last hand. The session does each; the window offers them.
#include <QAction>
#include <QMenu>

#include "ui/bid_panel_frame.h"
#include "ui/pacer.h"
#include "ui/review_window.h"
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
    const std::pair<const char*, bool> items[] = {
        {"MnuHint", m_session.canHint() && !asking()},
        {"MnuUndo", m_session.canUndo() && !asking()},
        {"MnuLastTrick", m_session.lastTrick().has_value() && !asking()},
        {"MnuReview", m_session.lastHand().has_value()},
    };
    for (const auto& [name, enabled] : items)
        if (QAction* a = findChild<QAction*>(QString::fromUtf8(name)))
            a->setEnabled(enabled);
}

void TableWindow::showHint()
{
    if (m_pacer->busy() || asking() || !m_session.canHint())
        return;
    play(m_session.hint());
    m_view->bidPanel()->showState(game().table().panel);
}

void TableWindow::undoTurn()
{
    if (!asking() && m_session.canUndo())
        play(m_session.undo());
}

void TableWindow::showLastTrick()
{
    if (!asking())
        play(m_session.showLastTrick());
}

void TableWindow::reviewLastHand()
{
    if (!m_session.lastHand())
        return;
    if (m_review == nullptr)
        m_review = new ReviewWindow(this);
    m_review->showHand(*m_session.lastHand());
}

}  // namespace corvane
