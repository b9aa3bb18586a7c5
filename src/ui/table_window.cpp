#include "ui/table_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <fstream>
#include <random>

#include "engine/explain.h"
#include "files/data_location.h"
#include "files/data_store.h"
#include "scene/explanation.h"
#include "ui/bid_panel_frame.h"
#include "ui/help_window.h"
#include "ui/pacer.h"
#include "ui/settings.h"
#include "ui/sound_player.h"
#include "ui/table_texts.h"
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
record::TableRecorder::Sink recordSink(const std::string& file, std::function<void(const std::string&)> tell)
{
    if (file.empty())
        return {};
    return [file, tell = std::move(tell)](const std::vector<std::string>& lines) {
        std::ofstream out(file, std::ios::app | std::ios::binary);
        for (const std::string& line : lines)
            out << line << '\n';
        out.flush();
        if (!out)
            tell("The game record could not be written to " + file + ".");
    };
}

}  // namespace

TableWindow::TableWindow(const TableOptions& options, QWidget* parent)
    : QMainWindow(parent),
      m_store(std::make_unique<DataStore>(dataLocation(options))),
      m_seed(seedFrom(options.seed)),
      m_game(m_seed, m_store->names()),
      m_recorder(m_seed, recordSink(options.recordFile, [this](const std::string& line) { logLine(line); })),
      m_choreographer(options.pace),
      m_view(new TableView(this)),
      m_pacer(new Pacer([this](const Step& s) { playStep(s); }, this)),
      m_sound(options.soundFolder.isEmpty() ? new SoundPlayer(this) : new SoundPlayer(options.soundFolder, this)),
      m_box(new MessageDialog(this)),
      m_help(new HelpWindow(this)),
      m_settings(options.settings),
      m_soundOn(options.sound),
      m_explain(options.explain)
{
    setWindowTitle(QStringLiteral("Corvane"));
    setCentralWidget(m_view);
    m_game.setStatistics(m_store->statistics());
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
    showSeatNames();
    // The session ending closes the window without asking.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { m_quitting = true; });
    if (options.deal)
        present(m_game.newGameAt(*options.deal));
}

TableWindow::~TableWindow() { m_recorder.flush(); }

void TableWindow::setPace(Pace pace)
{
    m_choreographer.setPace(pace);
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
    m_explain = on;
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
    // With six picked there is nothing left to pick: Return finishes, as the
    // discard "Carry On" would.
    connect(m_view, &TableView::cardReturned, this, [this](Card c) {
        QPushButton* done = m_view->discardCarryOnButton();
        if (m_game.awaiting() == Awaiting::Discards && m_game.table().selected.count() == 6 && done->isVisible())
            done->click();
        else
            cardClicked(c);
    });
    connect(m_view->carryOnButton(), &QPushButton::clicked, this, [this] { present(m_game.carryOn()); });
    connect(m_view->startAgainButton(), &QPushButton::clicked, this, [this] { present(m_game.startAgain()); });
    connect(m_view->discardCarryOnButton(), &QPushButton::clicked, this,
            [this] { present(m_game.confirmDiscards()); });

    BidPanelFrame* panel = m_view->bidPanel();
    // Each panel click is one command; the panel then shows what the engine
    // kept, so a refused choice is unchosen at once.
    const auto panelCommand = [this, panel](Event e) {
        panel->showState(m_game.table().panel);
        present(e);
    };
    connect(panel, &BidPanelFrame::trumpsClicked, this, [=, this](int o) { panelCommand(m_game.chooseTrumps(o)); });
    connect(panel, &BidPanelFrame::directionClicked, this,
            [=, this](int o) { panelCommand(m_game.chooseDirection(o)); });
    connect(panel, &BidPanelFrame::levelClicked, this, [=, this](int l) { panelCommand(m_game.chooseLevel(l)); });
    connect(panel, &BidPanelFrame::passClicked, this, [=, this](bool on) { panelCommand(m_game.setPass(on)); });
    connect(panel, &BidPanelFrame::resetClicked, this, [=, this] { panelCommand(m_game.resetPanel()); });
    connect(panel, &BidPanelFrame::finishedClicked, this, [=, this] { panelCommand(m_game.finishBid()); });
}

void TableWindow::present(const Event& e)
{
    m_recorder.observe(e, m_game);
    m_view->showHint({});
    Steps steps = m_choreographer.stepsFor(e, m_game.table(), m_game.names());
    if (m_explain)
        addExplanation(steps, explain(e, m_game.names()));
    noteTurn(e);
    saveStatisticsIfChanged();
    showDealNumber();
    // Once the steps are played the keys can reach South's cards.
    std::function<void()> then = [this] {
        noteTurnLog();
        offerKeyboardCards();
    };
    if (e.message) {
        // A message that belongs to the flow is the engine's to hear the
        // answer of; a refusal only needs to be read.
        const bool flow = m_game.awaiting() == Awaiting::Answer;
        MessageBox message = *e.message;
        // "Review" looks at the hand first, then goes on as the first button.
        const int review = flow ? addReviewButton(e, message) : -1;
        then = [this, message, flow, review] {
            noteTurnLog();
            offerKeyboardCards();
            ask(
                message,
                [this, flow, review](int button) {
                    if (button == review) {
                        reviewLastHand();
                        button = 0;
                    }
                    if (flow)
                        present(m_game.answer(button));
                },
                review >= 0 ? 0 : -1);
        };
    }
    m_pacer->play(std::move(steps), std::move(then));
    refreshPlayItems();
}

void TableWindow::advanceWhenReady()
{
    refreshPlayItems();
    if (m_quitting || asking() || m_pacer->busy())
        return;
    if (m_game.awaiting() == Awaiting::Nothing)
        present(m_game.advance());
}

void TableWindow::playStep(const Step& s)
{
    if (const auto* sound = std::get_if<step::Sound>(&s)) {
        m_sound->play(cueOf(sound->cue));
        return;
    }
    m_view->apply(s);
    if (const auto* c = std::get_if<step::ShowControl>(&s); c && c->control == Control::BidPanel && c->visible)
        m_view->bidPanel()->showState(m_game.table().panel);
}

// While the person picks or plays a card, the keys move over South's hand
// as it lies, and the table has the focus to take them.
void TableWindow::offerKeyboardCards()
{
    const Awaiting a = m_game.awaiting();
    if (a != Awaiting::Discards && a != Awaiting::PlayCard) {
        m_view->setKeyboardCards({});
        return;
    }
    std::vector<Card> cards;
    for (Card c : m_game.table().hand(South))
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
    switch (m_game.awaiting()) {
    case Awaiting::Discards: present(m_game.pickDiscard(c)); break;
    case Awaiting::PlayCard: present(m_game.playCard(c)); break;
    default: break;
    }
}

void TableWindow::ask(const MessageBox& message, std::function<void(int)> answer, int closeButton)
{
    MessageRequest r = request(message);
    r.closeButton = closeButton;
    m_questions.push_back({std::move(r), std::move(answer)});
    if (!m_asking)
        askNext();
}

// One question at a time; the next is asked when the last is answered, and
// the game goes on only when none is left.
void TableWindow::askNext()
{
    if (m_questions.empty()) {
        m_asking = false;
        // Not every window system hands the focus back from a frameless
        // box; "Carry On" must get its Return.
        if (isVisible())
            activateWindow();
        m_pacer->kick();
        return;
    }
    m_asking = true;
    Question q = std::move(m_questions.front());
    m_questions.pop_front();
    m_box->ask(q.request, [this, answer = std::move(q.answer)](int button) {
        m_asking = false;
        if (answer)
            answer(button);
        if (!m_asking)
            askNext();
    });
}

void TableWindow::showSeatNames()
{
    for (Seat s = South; s <= East; ++s)
        m_view->apply(step::Caption{nameLabel(s), greeting(m_game.names(), s)});
}

void TableWindow::saveStatisticsIfChanged()
{
    if (m_game.statistics() == m_store->statistics())
        return;
    if (const std::string trouble = m_store->setStatistics(m_game.statistics()); !trouble.empty())
        logLine(trouble);
}

void TableWindow::logLine(const std::string& line) { m_view->apply(step::Log{line}); }

}  // namespace corvane
