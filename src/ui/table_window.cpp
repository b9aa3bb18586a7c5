#include "ui/table_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <fstream>
#include <random>

#include "files/data_location.h"
#include "files/data_store.h"
#include "session/table_texts.h"
#include "ui/bid_panel_frame.h"
#include "ui/help_window.h"
#include "ui/pacer.h"
#include "ui/settings.h"
#include "ui/sound_player.h"
#include "ui/table_view.h"

namespace corvane {

namespace {

std::uint64_t seedFrom(std::uint64_t asked)
{
    if (asked != 0)
        return asked;
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

DataLocation dataLocation(const TableOptions& options)
{
    return options.dataDir ? forcedDataLocation(*options.dataDir) : locateData(programFolder());
}

QString paceCaption(Pace p)
{
    switch (p) {
    case Pace::Normal: return QStringLiteral("Normal");
    case Pace::Fast: return QStringLiteral("Fast");
    case Pace::Instant: break;
    }
    return QStringLiteral("Instant");
}

QString text(const std::string& s) { return QString::fromStdString(s); }

MessageRequest request(const MessageBox& m)
{
    return {text(m.text), {text(m.caption1), text(m.caption2), text(m.caption3)}, m.picture, text(m.title)};
}

SoundCue cueOf(step::Cue c)
{
    switch (c) {
    case step::Cue::Shuffle: return SoundCue::Shuffle;
    case step::Cue::CardDeal: return SoundCue::CardDeal;
    case step::Cue::RingOut: break;
    }
    return SoundCue::RingOut;
}

// Each hand's lines are appended as the hand is scored; a game left
// unfinished keeps what was played of it. A failed write is told, never
// passed over: the person relies on the file.
TableSession::RecordSink recordSink(const std::string& file)
{
    if (file.empty())
        return {};
    return [file](const std::vector<std::string>& lines) -> std::string {
        std::ofstream out(file, std::ios::app | std::ios::binary);
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        return out ? std::string() : "The game record could not be written to " + file + ".";
    };
}

TableSession::Options sessionOptions(const TableOptions& options, const DataStore& store)
{
    return {seedFrom(options.seed), store.names(), store.statistics(), options.pace, options.explain,
            recordSink(options.recordFile)};
}

}  // namespace

TableWindow::TableWindow(const TableOptions& options, QWidget* parent)
    : QMainWindow(parent),
      m_store(std::make_unique<DataStore>(dataLocation(options))),
      m_session(sessionOptions(options, *m_store)),
      m_view(new TableView(this)),
      m_pacer(new Pacer([this](const Step& s) { playStep(s); }, this)),
      m_sound(options.soundFolder.isEmpty() ? new SoundPlayer(this) : new SoundPlayer(options.soundFolder, this)),
      m_box(new MessageDialog(this)),
      m_help(new HelpWindow(this)),
      m_settings(options.settings),
      m_questions(m_box,
                  [this] {
                      // Not every window system hands the focus back from a
                      // frameless box; "Carry On" must get its Return.
                      if (isVisible())
                          activateWindow();
                      m_pacer->kick();
                  }),
      m_soundOn(options.sound)
{
    setWindowTitle(QStringLiteral("Corvane"));
    setCentralWidget(m_view);
    updateMute();
    buildMenus();
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

void TableWindow::setPace(Pace pace)
{
    m_session.setPace(pace);
    updateMute();
    if (QAction* a = findChild<QAction*>(QStringLiteral("MnuPace%1").arg(paceCaption(pace))))
        a->setChecked(true);
    if (m_settings != nullptr)
        m_settings->setPace(pace);
}

void TableWindow::setSound(bool on)
{
    m_soundOn = on;
    updateMute();
    if (QAction* a = findChild<QAction*>(QStringLiteral("MnuSound")))
        a->setChecked(on);
    if (m_settings != nullptr)
        m_settings->setSound(on);
}

void TableWindow::setExplainRobots(bool on)
{
    m_session.setExplain(on);
    if (QAction* a = findChild<QAction*>(QStringLiteral("MnuExplain")))
        a->setChecked(on);
    if (m_settings != nullptr)
        m_settings->setExplainRobots(on);
}

// At the Instant pace the sounds would only pile on each other.
void TableWindow::updateMute() { m_sound->setMuted(!m_soundOn || pace() == Pace::Instant); }

void TableWindow::connectControls()
{
    connect(m_pacer, &Pacer::drained, this, &TableWindow::advanceWhenReady);
    connect(m_view, &TableView::cardClicked, this, &TableWindow::cardClicked);
    connect(m_view, &TableView::cardReturned, this, &TableWindow::cardReturned);
    connect(m_view, &TableView::trickDismissed, this, [this] {
        for (const Step& s : m_session.hideLastTrick().steps)
            m_view->apply(s);
    });
    connect(m_view->carryOnButton(), &QPushButton::clicked, this, [this] { play(m_session.carryOn()); });
    connect(m_view->startAgainButton(), &QPushButton::clicked, this, [this] { play(m_session.startAgain()); });
    connect(m_view->discardCarryOnButton(), &QPushButton::clicked, this,
            [this] { play(m_session.confirmDiscards()); });
    connectPanel();
}

// Each panel click is one command; the panel then shows what the engine
// kept, so a refused choice is unchosen at once.
void TableWindow::connectPanel()
{
    BidPanelFrame* panel = m_view->bidPanel();
    const auto command = [this, panel](TableUpdate u) {
        panel->showState(game().table().panel);
        play(std::move(u));
    };
    TableSession& s = m_session;
    connect(panel, &BidPanelFrame::trumpsClicked, this, [=, &s](int o) { command(s.chooseTrumps(o)); });
    connect(panel, &BidPanelFrame::directionClicked, this, [=, &s](int o) { command(s.chooseDirection(o)); });
    connect(panel, &BidPanelFrame::levelClicked, this, [=, &s](int l) { command(s.chooseLevel(l)); });
    connect(panel, &BidPanelFrame::passClicked, this, [=, &s](bool on) { command(s.setPass(on)); });
    connect(panel, &BidPanelFrame::resetClicked, this, [=, &s] { command(s.resetPanel()); });
    connect(panel, &BidPanelFrame::finishedClicked, this, [=, &s] { command(s.finishBid()); });
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
            ask(
                message,
                [this, flow, review](int button) {
                    // "Review" looks at the hand first, then goes on as the first button.
                    if (button == review) {
                        reviewLastHand();
                        button = 0;
                    }
                    if (flow)
                        play(m_session.answer(button));
                },
                review >= 0 ? 0 : -1);
        };
    }
    m_pacer->play(std::move(u.steps), std::move(then));
    refreshPlayItems();
}

// The table at once as the session has it: a turn taken back.
void TableWindow::restoreTable()
{
    m_pacer->clear();
    m_view->restore(m_session.scene());
    if (m_session.scene().shown(Control::BidPanel))
        m_view->bidPanel()->showState(game().table().panel);
    offerKeyboardCards();
    refreshPlayItems();
}

void TableWindow::advanceWhenReady()
{
    refreshPlayItems();
    if (m_quitting || asking() || m_pacer->busy())
        return;
    if (game().awaiting() == Awaiting::Nothing)
        play(m_session.advance());
}

void TableWindow::playStep(const Step& s)
{
    if (const auto* sound = std::get_if<step::Sound>(&s)) {
        m_sound->play(cueOf(sound->cue));
        return;
    }
    m_view->apply(s);
    if (const auto* c = std::get_if<step::ShowControl>(&s); c && c->control == Control::BidPanel && c->visible)
        m_view->bidPanel()->showState(game().table().panel);
}

// While the person picks or plays a card, the keys move over South's hand
// as it lies, and the table has the focus to take them.
void TableWindow::offerKeyboardCards()
{
    const Awaiting a = game().awaiting();
    if (a != Awaiting::Discards && a != Awaiting::PlayCard) {
        m_view->setKeyboardCards({});
        return;
    }
    std::vector<Card> cards;
    for (Card c : game().table().hand(South))
        cards.push_back(c);
    const Scene& scene = m_view->scene();
    std::stable_sort(cards.begin(), cards.end(),
                     [&](Card a1, Card a2) { return scene.card(a1).left < scene.card(a2).left; });
    m_view->setKeyboardCards(std::move(cards));
    if (isActiveWindow() || QApplication::focusWidget() == nullptr || !QApplication::focusWidget()->isVisible())
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
    if (game().awaiting() == Awaiting::Discards && game().table().selected.count() == 6 && done->isVisible())
        done->click();
    else
        cardClicked(c);
}

void TableWindow::ask(const MessageBox& message, std::function<void(int)> answer, int closeButton)
{
    MessageRequest r = request(message);
    r.closeButton = closeButton;
    m_questions.ask(std::move(r), std::move(answer));
}

void TableWindow::saveStatisticsIfChanged()
{
    if (game().statistics() == m_store->statistics())
        return;
    if (const std::string trouble = m_store->setStatistics(game().statistics()); !trouble.empty())
        logLine(trouble);
}

void TableWindow::logLine(const std::string& line) { m_pacer->play(m_session.note(line).steps); }

}  // namespace corvane
