#pragma once

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "engine/game.h"
#include "record/table_recorder.h"
#include "scene/choreography.h"
#include "ui/message_box.h"

class QMenu;
class QMessageBox;

namespace corvane {

class DataStore;
class HelpWindow;
class ReviewWindow;
class Pacer;
class Settings;
class SoundPlayer;
class TableView;

// The trick last gathered: each card by the seat that played it (index
// 1..4), and the seat that won it.
struct GatheredTrick {
    int number = 0;
    Seat winner = 0;
    std::array<Card, 5> bySeat{};
};

// How the window is started.
struct TableOptions {
    std::uint64_t seed = 0;  // 0: a new seed each run
    std::optional<std::filesystem::path> dataDir;  // where the names and statistics live
    Pace pace = Pace::Normal;
    bool sound = true;
    bool explain = false;  // the robots' reasons in the log
    QString soundFolder;  // empty: the program's folder
    std::optional<std::uint64_t> deal;  // start at once with a game from this deal number
    // Where the record of every game played is appended; empty: none kept.
    std::string recordFile;
    // Where the Options menu's choices and the window's place are kept;
    // none: they last for this run only. Not owned.
    Settings* settings = nullptr;
};

// The table window "Corvane": owns the game, the choreographer and the
// pacer, the names and statistics on disk, the message box and the help
// window. Every input becomes one engine command; every event the engine
// answers becomes steps for the pacer, and its message, if any, is asked
// once those steps have been played. The engine is told to advance only
// when the steps are through, no question is up and it waits for nothing,
// so the window never blocks and, while it waits for the person, is idle.
class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(const TableOptions& options = {}, QWidget* parent = nullptr);
    ~TableWindow() override;

    const Game& game() const { return m_game; }
    const DataStore& dataStore() const { return *m_store; }
    TableView* view() const { return m_view; }
    MessageDialog* messageDialog() const { return m_box; }
    HelpWindow* helpWindow() const { return m_help; }
    const Pacer& pacer() const { return *m_pacer; }
    // A question of the message box is up or waiting to be asked.
    bool asking() const { return m_asking || m_leaving; }

    Pace pace() const { return m_choreographer.pace(); }
    void setPace(Pace pace);
    bool soundOn() const { return m_soundOn; }
    void setSound(bool on);
    bool explainingRobots() const { return m_explain; }
    void setExplainRobots(bool on);

public slots:
    void newGame();
    void exitProgram();
    void rename(Seat s);
    void viewStatistics();
    void eraseStatistics();
    void showHelp();
    // The deal items of the Play menu.
    void replayDeal();
    void askDealNumber();
    // What the robots' rules would do in South's place, shown, not done.
    void showHint();
    // Takes back South's last action and all the robots did after it.
    void undoTurn();
    // Shows the four cards of the trick last gathered, until a click or key.
    void showLastTrick();
    const std::optional<GatheredTrick>& lastTrick() const { return m_lastTrick; }
    // The window reading the last scored hand from its record.
    void reviewLastHand();
    ReviewWindow* reviewWindow() const { return m_review; }

signals:
    // Leaving the program: every window is closed, the program ends.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Question {
        MessageRequest request;
        std::function<void(int)> answer;
    };
    // The window as it stood when one of the person's turns of this hand
    // opened, beside the engine's own snapshot of that turn.
    struct TurnMark {
        Choreographer choreographer;
        record::TableRecorder::Mark record;
        std::optional<GatheredTrick> lastTrick;
        int logRows = -1;  // known once the turn's steps have been played
    };

    void buildMenus();
    void buildOptionsMenu();
    void buildDealItems(QMenu* play);
    void openDealDialog(const QString& trouble, const QString& typed);
    void startAtDeal(const QString& typed);
    void showDealNumber();
    void addLearningItems(QMenu* play);
    void refreshPlayItems();
    void hintAside(const std::string& sentence);
    void noteTurn(const Event& e);
    void noteTurnLog();
    // Puts "Review" on the end-of-hand message; the button's index, or -1.
    int addReviewButton(const Event& e, MessageBox& message) const;
    void updateMute();
    void connectControls();
    void present(const Event& e);
    void advanceWhenReady();
    void playStep(const Step& s);
    void ask(const MessageBox& message, std::function<void(int)> answer = {}, int closeButton = -1);
    void askNext();
    void askToLeave();
    void applyRename(Seat s, const QString& name);
    void showSeatNames();
    void saveStatisticsIfChanged();
    void logLine(const std::string& line);
    void cardClicked(Card c);
    void offerKeyboardCards();
    void quitProgram();

    std::unique_ptr<DataStore> m_store;
    std::uint64_t m_seed;
    Game m_game;
    record::TableRecorder m_recorder;
    Choreographer m_choreographer;
    TableView* m_view;
    Pacer* m_pacer;
    SoundPlayer* m_sound;
    MessageDialog* m_box;
    HelpWindow* m_help;
    ReviewWindow* m_review = nullptr;
    Settings* m_settings;
    QMessageBox* m_leaveBox = nullptr;
    std::deque<Question> m_questions;
    std::vector<TurnMark> m_turns;
    std::optional<GatheredTrick> m_lastTrick;  // of this hand
    std::array<Seat, 5> m_trickSeats{};  // who played each position of the trick in play
    bool m_asking = false;
    bool m_leaving = false;
    bool m_quitting = false;
    bool m_soundOn = true;
    bool m_explain = false;
};

}  // namespace corvane
