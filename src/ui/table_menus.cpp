#include "ui/table_menus.h"

#include <QActionGroup>
#include <QMenuBar>

#include <tuple>

#include "ui/table_view.h"
#include "ui/table_window.h"

namespace corvane {

namespace {

QMenu* menu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* m = bar->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromUtf8(name));
    return m;
}

QAction* checkable(QMenu* menu, const char* name, const char* caption)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setCheckable(true);
    return a;
}

}  // namespace

TableMenus::TableMenus(TableWindow& window) : QObject(&window), m_window(window)
{
    QMenuBar* bar = window.menuBar();
    buildPlayMenu(bar);

    // Opening the menu shows the help, and so does its item's key.
    QMenu* help = menu(bar, "MnuHelp", "&Help");
    connect(help, &QMenu::aboutToShow, &window, &TableWindow::showHelp);
    item(help, "RulesMnu", "Rules and Help", &TableWindow::showHelp, Qt::Key_F1);

    buildNamesMenu(bar);
    QMenu* stats = menu(bar, "MnuStats", "Statistics");
    item(stats, "MnuView", "View Statistics", &TableWindow::viewStatistics, Qt::CTRL | Qt::Key_V);
    item(stats, "MnuErase", "Erase Statistics", &TableWindow::eraseStatistics, Qt::CTRL | Qt::Key_E);
    buildOptionsMenu(bar);
    refresh();
}

QAction* TableMenus::item(QMenu* menu, const char* name, const char* caption, void (TableWindow::*slot)(),
                          const QKeySequence& keys)
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(keys);
    connect(a, &QAction::triggered, &m_window, slot);
    return a;
}

void TableMenus::buildPlayMenu(QMenuBar* bar)
{
    QMenu* play = menu(bar, "MnuPlay", "&Play");
    item(play, "MnuNew", "New Game", &TableWindow::newGame, Qt::Key_F2);
    QAction* replay = item(play, "MnuReplayDeal", "Replay This Deal", &TableWindow::replayDeal);
    item(play, "MnuDealNumber", "Deal Number…", &TableWindow::askDealNumber);
    item(play, "MnuHint", "Hint", &TableWindow::showHint, Qt::Key_H);
    item(play, "MnuUndo", "Undo", &TableWindow::undoTurn, Qt::CTRL | Qt::Key_Z);
    item(play, "MnuLastTrick", "Last Trick", &TableWindow::showLastTrick, Qt::Key_L);
    item(play, "MnuReview", "Review Last Hand", &TableWindow::reviewLastHand);
    item(play, "MnuExit", "Exit", &TableWindow::exitProgram, Qt::CTRL | Qt::Key_X);
    connect(play, &QMenu::aboutToShow, this, [this, replay] {
        // Nothing to replay before the first hand is dealt.
        replay->setEnabled(m_window.game().dealNumber().has_value());
        refresh();
    });
}

void TableMenus::buildNamesMenu(QMenuBar* bar)
{
    QMenu* names = menu(bar, "MnuNames", "&Enter Names");
    const std::pair<const char*, const char*> renames[] = {{"MnuNameP", "Enter Your Name"},
                                                           {"MnuNameWest", "Enter West Name"},
                                                           {"MnuNameNorth", "Enter North Name"},
                                                           {"MnuNameEast", "Enter East Name"}};
    for (Seat s = South; s <= East; ++s) {
        const auto& [name, caption] = renames[s - South];
        QAction* a = names->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromUtf8(name));
        connect(a, &QAction::triggered, &m_window, [this, s] { m_window.rename(s); });
    }
}

// Each choice is a checkable item; the window keeps the choice and its
// settings remember it.
template <class Change>
void TableMenus::choose(Change change)
{
    TableChoices c = m_window.choices();
    change(c);
    m_window.choose(c);
}

void TableMenus::buildOptionsMenu(QMenuBar* bar)
{
    // Alt+O is "Carry On"'s: a second owner would make Qt only move the focus.
    QMenu* options = menu(bar, "MnuOptions", "Op&tions");
    QMenu* pace = options->addMenu(QStringLiteral("&Pace"));
    pace->setObjectName(QStringLiteral("MnuPace"));
    auto* paces = new QActionGroup(pace);
    const std::tuple<const char*, const char*, Pace> choices[] = {{"MnuPaceNormal", "&Normal", Pace::Normal},
                                                                 {"MnuPaceFast", "&Fast", Pace::Fast},
                                                                 {"MnuPaceInstant", "&Instant", Pace::Instant}};
    for (const auto& [name, caption, p] : choices) {
        QAction* a = checkable(pace, name, caption);
        paces->addAction(a);
        connect(a, &QAction::triggered, &m_window, [this, p = p] { choose([p](TableChoices& c) { c.pace = p; }); });
    }
    QMenu* robots = options->addMenu(QStringLiteral("&Robots"));
    robots->setObjectName(QStringLiteral("MnuRobots"));
    auto* levels = new QActionGroup(robots);
    const std::tuple<const char*, const char*, RobotLevel> kinds[] = {
        {"MnuRobotsClassic", "&Classic", RobotLevel::Classic}, {"MnuRobotsExpert", "&Expert", RobotLevel::Expert}};
    for (const auto& [name, caption, level] : kinds) {
        QAction* a = checkable(robots, name, caption);
        levels->addAction(a);
        connect(a, &QAction::triggered, &m_window, [this, level = level] { choose([level](TableChoices& c) { c.robots = level; }); });
    }
    QAction* sound = checkable(options, "MnuSound", "&Sound");
    QAction* explain = checkable(options, "MnuExplain", "&Explain Robot Play");
    // Ticked before they are heard, so starting writes no setting.
    showChoices(m_window.choices());
    connect(sound, &QAction::toggled, this, [this](bool on) { choose([on](TableChoices& c) { c.sound = on; }); });
    connect(explain, &QAction::toggled, this, [this](bool on) { choose([on](TableChoices& c) { c.explain = on; }); });
}

void TableMenus::showChoices(const TableChoices& c)
{
    const auto [pace, sound, explain, robots] = c;
    const std::pair<const char*, bool> ticks[] = {{"MnuPaceNormal", pace == Pace::Normal},
                                                  {"MnuPaceFast", pace == Pace::Fast},
                                                  {"MnuPaceInstant", pace == Pace::Instant},
                                                  {"MnuRobotsClassic", robots == RobotLevel::Classic},
                                                  {"MnuRobotsExpert", robots == RobotLevel::Expert},
                                                  {"MnuSound", sound},
                                                  {"MnuExplain", explain}};
    for (const auto& [name, on] : ticks)
        if (auto* a = m_window.findChild<QAction*>(QString::fromUtf8(name)))
            a->setChecked(on);
}

void TableMenus::refresh()
{
    const TableSession& s = m_window.session();
    const bool free = !m_window.asking();
    const std::pair<const char*, bool> items[] = {
        {"MnuHint", s.canHint() && free},
        {"MnuUndo", s.canUndo() && free},
        {"MnuLastTrick", s.lastTrick().has_value() && free},
        {"MnuReview", s.lastHand().has_value()},
    };
    for (const auto& [name, enabled] : items)
        if (auto* a = m_window.findChild<QAction*>(QString::fromUtf8(name)))
            a->setEnabled(enabled);
}

}  // namespace corvane
