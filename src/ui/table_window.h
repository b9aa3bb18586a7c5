#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "session/table_session.h"
#include "ui/message_box.h"
#include "ui/question_queue.h"
#include "ui/table_options.h"

namespace corvane {

class DataStore;
class HelpWindow;
class LeaveQuestion;
class ReviewWindow;
class RobotWorker;
class Pacer;
class Settings;
class SoundPlayer;
class TableMenus;
class TableView;

// The table window "Corvane": the menus, the dialogs, the settings, the
// names and statistics on disk, and the pacer that plays the table
// session's steps. Every input goes to the session, whose answer is played
// by the pacer, with its message asked once the steps are through. The
// session is told to advance only when the steps are through, no question
// is up and the engine waits for nothing, so the window never blocks and,
// while it waits for the person, is idle. It keeps no game state of its own.
class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(const TableOptions& options = {}, QWidget* parent = nullptr);
    ~TableWindow() override;

    const TableSession& session() const { return m_session; }
    const Game& game() const { return m_session.game(); }
    const DataStore& dataStore() const { return *m_store; }
    TableView* view() const { return m_view; }
    MessageDialog* messageDialog() const { return m_box; }
    HelpWindow* helpWindow() const { return m_help; }
    ReviewWindow* reviewWindow() const { return m_review; }
    const Pacer& pacer() const { return *m_pacer; }
    // A question of the message box is up or waiting to be asked.
    bool asking() const;

    const TableChoices& choices() const { return m_choices; }
    // Applied at once, the robots' level from the next game; remembered.
    void choose(const TableChoices& choices);

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
    // The items for learning from the robots.
    void showHint();
    void undoTurn();
    void showLastTrick();
    void reviewLastHand();

signals:
    // Leaving the program: every window is closed, the program ends.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectControls();
    void play(TableUpdate u);
    void restoreTable();
    void advanceWhenReady();
    void playStep(const Step& s);
    void ask(const MessageBox& message, std::function<void(int)> answer = {}, int closeButton = -1);
    void showDealNumber();
    void saveStatisticsIfChanged();
    void logLine(const std::string& line);
    void cardClicked(Card c);
    void cardReturned(Card c);
    void offerKeyboardCards();
    void updateMute();
    void quitProgram();

    std::unique_ptr<DataStore> m_store;
    TableSession m_session;
    TableView* m_view;
    Pacer* m_pacer;
    RobotWorker* m_worker;
    TableMenus* m_menus = nullptr;
    SoundPlayer* m_sound;
    MessageDialog* m_box;
    HelpWindow* m_help;
    LeaveQuestion* m_leave;
    ReviewWindow* m_review = nullptr;
    Settings* m_settings;
    QuestionQueue m_questions;
    TableChoices m_choices;
    bool m_quitting = false;
};

}  // namespace corvane
