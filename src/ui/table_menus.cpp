// The table window's menus and leaving the program: a new game, exit and
// the close box, the four rename dialogs, the statistics and the help.
#include <QActionGroup>
#include <QCloseEvent>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>

#include <tuple>

#include "files/data_store.h"
#include "ui/help_window.h"
#include "ui/pacer.h"
#include "ui/settings.h"
#include "session/table_texts.h"
#include "ui/table_window.h"

namespace corvane {

namespace {

QAction* item(QMenu* menu, const char* name, const char* caption, const QKeySequence& keys = {})
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(keys);
    return a;
}

QMenu* menu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* m = bar->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromUtf8(name));
    return m;
}

}  // namespace

void TableWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* play = menu(bar, "MnuPlay", "&Play");
    connect(item(play, "MnuNew", "New Game", Qt::Key_F2), &QAction::triggered, this, &TableWindow::newGame);
    buildDealItems(play);
    addLearningItems(play);
    connect(item(play, "MnuExit", "Exit", Qt::CTRL | Qt::Key_X), &QAction::triggered, this,
            &TableWindow::exitProgram);

    // Opening the menu shows the help, and so does its item's key.
    QMenu* help = menu(bar, "MnuHelp", "&Help");
    connect(help, &QMenu::aboutToShow, this, &TableWindow::showHelp);
    connect(item(help, "RulesMnu", "Rules and Help", Qt::Key_F1), &QAction::triggered, this, &TableWindow::showHelp);

    QMenu* names = menu(bar, "MnuNames", "&Enter Names");
    const std::pair<const char*, const char*> renames[] = {{"MnuNameP", "Enter Your Name"},
                                                           {"MnuNameWest", "Enter West Name"},
                                                           {"MnuNameNorth", "Enter North Name"},
                                                           {"MnuNameEast", "Enter East Name"}};
    for (Seat s = South; s <= East; ++s) {
        const auto& [name, caption] = renames[s - South];
        connect(item(names, name, caption), &QAction::triggered, this, [this, s] { rename(s); });
    }

    QMenu* stats = menu(bar, "MnuStats", "Statistics");
    connect(item(stats, "MnuView", "View Statistics", Qt::CTRL | Qt::Key_V), &QAction::triggered, this,
            &TableWindow::viewStatistics);
    connect(item(stats, "MnuErase", "Erase Statistics", Qt::CTRL | Qt::Key_E), &QAction::triggered, this,
            &TableWindow::eraseStatistics);

    buildOptionsMenu();
}

// Each choice is a checkable item; the window keeps the choice and its
// settings remember it.
void TableWindow::buildOptionsMenu()
{
    // Alt+O is "Carry On"'s: a second owner would make Qt only move the focus.
    QMenu* options = menu(menuBar(), "MnuOptions", "Op&tions");
    QMenu* pace = options->addMenu(QStringLiteral("&Pace"));
    pace->setObjectName(QStringLiteral("MnuPace"));
    auto* paces = new QActionGroup(pace);
    const std::tuple<const char*, const char*, Pace> choices[] = {{"MnuPaceNormal", "&Normal", Pace::Normal},
                                                                 {"MnuPaceFast", "&Fast", Pace::Fast},
                                                                 {"MnuPaceInstant", "&Instant", Pace::Instant}};
    for (const auto& [name, caption, p] : choices) {
        QAction* a = item(pace, name, caption);
        a->setCheckable(true);
        a->setChecked(p == this->pace());
        paces->addAction(a);
        connect(a, &QAction::triggered, this, [this, p] { setPace(p); });
    }

    QAction* sound = item(options, "MnuSound", "&Sound");
    sound->setCheckable(true);
    sound->setChecked(m_soundOn);
    connect(sound, &QAction::toggled, this, &TableWindow::setSound);

    QAction* explain = item(options, "MnuExplain", "&Explain Robot Play");
    explain->setCheckable(true);
    explain->setChecked(explainingRobots());
    connect(explain, &QAction::toggled, this, &TableWindow::setExplainRobots);
}

void TableWindow::newGame() { play(m_session.newGame()); }

void TableWindow::exitProgram()
{
    if (!game().table().gameStarted) {
        quitProgram();
        return;
    }
    ask(exitQuestion(game().names()), [this](int button) {
        if (button == 0)
            quitProgram();
    });
}

void TableWindow::rename(Seat s)
{
    const RenameDialogTexts texts = renameTexts(s);
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("RenameDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setInputMode(QInputDialog::TextInput);
    dialog->setWindowTitle(QString::fromStdString(texts.title));
    dialog->setLabelText(QString::fromStdString(texts.prompt));
    dialog->setTextValue(QString::fromStdString(texts.proposal));
    // Cancel keeps the name the seat had.
    connect(dialog, &QInputDialog::textValueSelected, this, [this, s](const QString& name) { applyRename(s, name); });
    dialog->open();
}

void TableWindow::applyRename(Seat s, const QString& name)
{
    if (const std::string trouble = m_store->rename(s, name.toStdString()); !trouble.empty())
        logLine(trouble);
    play(m_session.rename(s, m_store->names()[s]));
}

void TableWindow::viewStatistics() { ask(statisticsNotice(game().names(), game().statistics())); }

void TableWindow::eraseStatistics()
{
    ask(eraseQuestion(game().names()), [this](int button) {
        if (button != 0)
            return;
        m_session.setStatistics({});
        if (const std::string trouble = m_store->setStatistics({}); !trouble.empty())
            logLine(trouble);
    });
}

void TableWindow::showHelp() { m_help->showAndRaise(); }

void TableWindow::closeEvent(QCloseEvent* event)
{
    if (m_quitting) {
        if (m_settings != nullptr)
            m_settings->setGeometry(saveGeometry());
        event->accept();
        return;
    }
    event->ignore();
    askToLeave();
}

void TableWindow::askToLeave()
{
    if (m_leaving)
        return;
    if (m_leaveBox == nullptr) {
        m_leaveBox = new QMessageBox(QMessageBox::Question, QString::fromUtf8(LeaveTitle),
                                     QString::fromUtf8(LeaveText), QMessageBox::Yes | QMessageBox::No, this);
        m_leaveBox->setObjectName(QStringLiteral("LeaveBox"));
        m_leaveBox->setDefaultButton(QMessageBox::No);
        connect(m_leaveBox, &QMessageBox::finished, this, [this](int) {
            m_leaving = false;
            if (m_leaveBox->clickedButton() == m_leaveBox->button(QMessageBox::Yes))
                quitProgram();
            else
                m_pacer->kick();
        });
    }
    m_leaving = true;
    m_leaveBox->open();
}

void TableWindow::quitProgram()
{
    m_quitting = true;
    m_session.flushRecord();
    m_pacer->clear();
    m_questions.clear();
    m_box->hide();
    m_help->close();
    if (m_leaveBox != nullptr)
        m_leaveBox->hide();
    close();
    emit programEnded();
}

}  // namespace corvane
