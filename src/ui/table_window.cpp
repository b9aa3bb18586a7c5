#include "ui/table_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>

#include "files/data_store.h"
#include "session/table_texts.h"
#include "ui/bid_panel_frame.h"
#include "ui/help_window.h"
#include "ui/leave_question.h"
#include "ui/pacer.h"
#include "ui/review_window.h"
#include "ui/robot_worker.h"
#include "ui/settings.h"
#include "ui/sound_player.h"
#include "ui/table_controls.h"
#include "ui/table_menus.h"
#include "ui/table_view.h"
#include "ui/typed_questions.h"

namespace corvane {

TableWindow::TableWindow(const TableOptions& options, QWidget* parent)
    : QMainWindow(parent),
      m_store(std::make_unique<DataStore>(dataLocationOf(options))),
      m_session(sessionOptionsOf(options, *m_store)),
      m_view(new TableView(this)),
      m_pacer(new Pacer([this](const Step& s) { playStep(s); }, this)),
      m_worker(new RobotWorker(this)),
      m_sound(options.soundFolder.isEmpty() ? new SoundPlayer(this) : new SoundPlayer(options.soundFolder, this)),
      m_box(new MessageDialog(this)),
      m_help(new HelpWindow(this)),
      m_leave(new LeaveQuestion(this)),
      m_settings(options.settings),
      m_questions(m_box,
                  [this] {
                      // Not every window system hands the focus back from a
                      // frameless box; "Carry On" must get its Return.
                      if (isVisible())
                          activateWindow();
                      m_pacer->kick();
                  }),
      m_choices(options.choices)
{
    setWindowTitle(QStringLiteral("Corvane"));
    setCentralWidget(m_view);
    m_session.setRobotLevel(m_choices.robots);
    updateMute();
    m_menus = new TableMenus(*this);
    connectControls();
    // The designed table is 784 x 695 pixels below the menu bar.
    resize(784, 695 + menuBar()->sizeHint().height());
    // Three quarters of it keeps the smallest table text, 12 pixels at the
    // designed size, 9 pixels high.
    setMinimumSize(588, 522 + menuBar()->sizeHint().height());
    if (m_settings != nullptr && !m_settings->geometry().isEmpty())
        restoreGeometry(m_settings->geometry());

    logLine(welcomeLine());
    for (const std::string& notice : m_store->notices())
        logLine(notice);
    play(m_session.seatLabels());
    // The session ending closes the window without asking.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { m_quitting = true; });
    if (options.deal)
        play(m_session.newGameAt(*options.deal));
}

TableWindow::~TableWindow() = default;

bool TableWindow::asking() const { return m_questions.asking() || m_leave->isUp(); }

void TableWindow::choose(const TableChoices& choices)
{
    m_choices = choices;
    m_session.setPace(choices.pace);
    m_session.setExplain(choices.explain);
    m_session.setRobotLevel(choices.robots);
    updateMute();
    m_menus->showChoices(choices);
    if (m_settings != nullptr)
        m_settings->remember(choices);
}

// At the Instant pace the sounds would only pile on each other.
void TableWindow::updateMute() { m_sound->setMuted(!m_choices.sound || m_choices.pace == Pace::Instant); }

void TableWindow::connectControls()
{
    connect(m_pacer, &Pacer::drained, this, &TableWindow::advanceWhenReady);
    connect(m_worker, &RobotWorker::decided, this, [this](const RobotAnswer& a) {
        play(a.turn.seat == South ? m_session.expertHint(a) : m_session.robotDecided(a));
        advanceWhenReady();
    });
    connect(m_view, &TableView::cardClicked, this, &TableWindow::cardClicked);
    connect(m_view, &TableView::cardReturned, this, &TableWindow::cardReturned);
    connect(m_view, &TableView::trickAreaClicked, this, &TableWindow::showLastTrick);
    connect(m_view, &TableView::trickDismissed, this, [this] {
        for (const Step& s : m_session.hideLastTrick().steps)
            m_view->apply(s);
    });
    connectTableControls(*m_view, m_session, *this, [this](TableUpdate u) { play(std::move(u)); });
}

void TableWindow::play(TableUpdate u)
{
    if (u.restore)
        return restoreTable();
    saveStatisticsIfChanged();
    showDealNumber();
    // Once the steps are played the keys can reach South's cards, and then
    // the message is asked. One of the flow is the session's to hear the
    // answer of; any other only needs to be read.
    std::function<void()> then = [this] { offerKeyboardCards(); };
    if (u.message) {
        then = [this, message = *u.message, flow = u.flowMessage, review = u.reviewButton] {
            offerKeyboardCards();
            const auto answer = [this, flow, review](int button) {
                // "Review" looks at the hand first, then goes on as the first button.
                if (button == review) {
                    reviewLastHand();
                    button = 0;
                }
                if (flow)
                    play(m_session.answer(button));
            };
            ask(message, answer, review >= 0 ? 0 : -1);
        };
    }
    m_pacer->play(std::move(u.steps), std::move(then));
    m_menus->refresh();
}

// The table at once as the session has it: a turn taken back.
void TableWindow::restoreTable()
{
    m_pacer->clear();
    m_view->restore(m_session.scene());
    if (m_session.scene().shown(Control::BidPanel))
        m_view->bidPanel()->showState(game().table().panel);
    offerKeyboardCards();
    m_menus->refresh();
}

void TableWindow::advanceWhenReady()
{
    m_menus->refresh();
    if (m_quitting || asking() || m_pacer->busy())
        return;
    if (game().awaiting() == Awaiting::Nothing)
        play(m_session.advance());
    else if (game().awaiting() == Awaiting::Robot && !m_worker->busy())
        m_worker->decide(*m_session.robotTask());
}

void TableWindow::playStep(const Step& s)
{
    if (const auto* sound = std::get_if<step::Sound>(&s)) {
        m_sound->play(sound->cue);
        return;
    }
    m_view->apply(s);
    if (const auto* c = std::get_if<step::ShowControl>(&s); c && c->control == Control::BidPanel && c->visible)
        m_view->bidPanel()->showState(game().table().panel);
}

// While the person picks or plays a card, the keys move over South's hand,
// and the table has the focus to take them.
void TableWindow::offerKeyboardCards()
{
    std::vector<Card> cards = m_session.keyboardCards();
    const bool any = !cards.empty();
    m_view->setKeyboardCards(std::move(cards));
    if (any && (isActiveWindow() || QApplication::focusWidget() == nullptr || !QApplication::focusWidget()->isVisible()))
        m_view->setFocus(Qt::OtherFocusReason);
}

void TableWindow::cardClicked(Card c)
{
    // While a card still moves, or a question is up, a click means nothing:
    // so a second click on the person's turn cannot play a second card.
    if (m_pacer->busy() || asking())
        return;
    switch (game().awaiting()) {
    case Awaiting::Discards: play(m_session.pickDiscard(c)); break;
    case Awaiting::PlayCard: play(m_session.playCard(c)); break;
    default: break;
    }
}

// With six picked there is nothing left to pick: Return finishes, as the
// discard "Carry On" would.
void TableWindow::cardReturned(Card c)
{
    QPushButton* done = m_view->discardCarryOnButton();
    if (m_session.discardsPicked() && done->isVisible())
        done->click();
    else
        cardClicked(c);
}

void TableWindow::ask(const MessageBox& message, std::function<void(int)> answer, int closeButton)
{
    m_questions.ask(requestOf(message, closeButton), std::move(answer));
}

void TableWindow::saveStatisticsIfChanged()
{
    if (game().statistics() != m_store->statistics())
        logLine(m_store->setStatistics(game().statistics()));
}

// A file's trouble is told; none is nothing to tell.
void TableWindow::logLine(const std::string& line)
{
    if (!line.empty())
        m_pacer->play(m_session.note(line).steps);
}

void TableWindow::newGame() { play(m_session.newGame()); }

void TableWindow::replayDeal() { play(m_session.replayDeal()); }

void TableWindow::askDealNumber()
{
    // Told before typing, not after, that a game under way must be finished.
    if (std::optional<TableUpdate> refusal = m_session.refusesNewGame())
        return play(std::move(*refusal));
    corvane::askDealNumber(this, game().dealNumber(), [this](std::uint64_t n) { play(m_session.newGameAt(n)); });
}

void TableWindow::showDealNumber()
{
    const std::optional<std::uint64_t> n = game().dealNumber();
    setWindowTitle(n ? QString::fromUtf8("Corvane — Deal %1").arg(*n) : QStringLiteral("Corvane"));
}

void TableWindow::showHint()
{
    if (m_pacer->busy() || asking() || !m_session.canHint())
        return;
    if (std::optional<RobotTask> task = m_session.expertHintTask()) {
        if (!m_worker->busy())
            m_worker->decide(std::move(*task));
        return;
    }
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

// Cancel keeps the name the seat had.
void TableWindow::rename(Seat s)
{
    askName(this, s, [this, s](const QString& name) {
        logLine(m_store->rename(s, name.toStdString()));
        play(m_session.rename(s, m_store->names()[s]));
    });
}

void TableWindow::viewStatistics() { ask(statisticsNotice(game().names(), game().statistics())); }

void TableWindow::eraseStatistics()
{
    ask(eraseQuestion(game().names()), [this](int button) {
        if (button != 0)
            return;
        m_session.setStatistics({});
        logLine(m_store->setStatistics({}));
    });
}

void TableWindow::showHelp() { m_help->showAndRaise(); }

void TableWindow::exitProgram()
{
    if (!game().table().gameStarted)
        return quitProgram();
    ask(exitQuestion(game().names()), [this](int button) {
        if (button == 0)
            quitProgram();
    });
}

void TableWindow::closeEvent(QCloseEvent* event)
{
    if (m_quitting) {
        if (m_settings != nullptr)
            m_settings->setGeometry(saveGeometry());
        event->accept();
        return;
    }
    event->ignore();
    m_leave->ask([this](bool leave) {
        if (leave)
            quitProgram();
        else
            m_pacer->kick();
    });
}

void TableWindow::quitProgram()
{
    m_quitting = true;
    m_session.flushRecord();
    m_pacer->clear();
    m_questions.clear();
    m_box->hide();
    m_help->close();
    m_leave->hide();
    close();
    emit programEnded();
}

}  // namespace corvane
