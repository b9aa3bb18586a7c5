// A seeded monkey at the table: thousands of random clicks on cards, the
// bid panel, the buttons and the table, menu items, keys, and questions
// answered at random, at the instant pace. After each action the table must
// come to rest where the person can move on, the engine's own checks must
// hold, and the names and statistics files must read back as what the
// program last saved. Leaving the program starts it again on the same
// files. CORVANE_MONKEY_SEED and CORVANE_MONKEY_ACTIONS change the run.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QtTest>

#include <deque>
#include <memory>
#include <random>

#include "files/data_files.h"
#include "files/data_store.h"
#include "table_driver.h"
#include "ui/help_window.h"
#include "window_fixture.h"

using namespace corvane;
using corvane::testing::TableDriver;

namespace {

std::uint64_t fromEnv(const char* name, std::uint64_t fallback)
{
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const qulonglong n = v.toULongLong(&ok);
    return ok ? n : fallback;
}

const char* const MenuItems[] = {"MnuNew",      "MnuNew",       "MnuView",     "MnuErase",     "MnuNameP",
                                 "MnuNameWest", "MnuNameNorth", "MnuNameEast", "RulesMnu",     "MnuExit",
                                 "MnuHint",     "MnuUndo",      "MnuUndo",     "MnuLastTrick", "MnuReview",
                                 "MnuExplain",  "MnuReplayDeal", "MnuDealNumber"};

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const Key Keys[] = {{Qt::Key_F2, Qt::NoModifier},     {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Return, Qt::NoModifier},
                    {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_E, Qt::ControlModifier}, {Qt::Key_Escape, Qt::NoModifier},
                    {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_Left, Qt::NoModifier},   {Qt::Key_Right, Qt::NoModifier},
                    {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_F1, Qt::NoModifier},     {Qt::Key_X, Qt::ControlModifier},
                    {Qt::Key_H, Qt::NoModifier},      {Qt::Key_L, Qt::NoModifier},      {Qt::Key_Z, Qt::ControlModifier}};

// What a person might type into the name and deal-number dialogs, some of
// which is refused there.
const char* const TypedNames[] = {"Ann", "", "  Bob  ", "Zoë", "O'Neil, Jr.", "say \"hi\"", "two\nlines", "Max",
                                  "42",  "17179869184"};

class Monkey {
public:
    Monkey(std::uint64_t seed, const QTemporaryDir& folder) : m_random(seed), m_folder(folder) { start(); }

    TableWindow& window() const { return *m_window; }
    TableDriver& driver() const { return *m_driver; }
    int restarts() const { return m_restarts; }
    int gamesFinished() const { return m_gamesFinished; }

    // One random action; returns what was done.
    QString act()
    {
        if (m_ended)
            return restart();
        if (QWidget* modal = QApplication::activeModalWidget())
            return answerModal(modal);
        if (m_window->helpWindow()->isVisible() && chance(20)) {
            m_window->helpWindow()->close();
            return QStringLiteral("close the help");
        }
        const int roll = pick(100);
        if (roll < 30)
            return nudge();
        if (roll < 50)
            return clickCard();
        if (roll < 63)
            return clickPanel();
        if (roll < 73)
            return clickButton();
        if (roll < 83)
            return menuItem();
        if (roll < 95)
            return key();
        if (roll < 98)
            return clickTable();
        m_window->close();  // the close box
        return QStringLiteral("close box");
    }

    // Runs the event loop until the table rests where the person can go on.
    bool settle(int ms = 10000)
    {
        QElapsedTimer t;
        t.start();
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (resting())
                return true;
        } while (t.elapsed() < ms);
        return false;
    }

    // What is wrong with the resting table, or nothing.
    QString fault() const
    {
        if (m_ended)
            return {};
        if (const std::string f = m_driver->game().check(); !f.empty())
            return QString::fromStdString(f);
        if (QApplication::activeModalWidget() == nullptr) {
            const Awaiting a = m_driver->game().awaiting();
            if (a == Awaiting::CarryOn && !m_driver->view().carryOnButton()->isVisible())
                return QStringLiteral("Carry On awaited but not shown");
            if (a == Awaiting::Bid && !m_driver->panel().isVisible())
                return QStringLiteral("a bid awaited but no panel");
            if (a == Awaiting::Discards && !m_driver->view().discardCarryOnButton()->isVisible())
                return QStringLiteral("discards awaited but no button");
        }
        const DataStore& store = m_window->dataStore();
        if (m_driver->game().statistics() != store.statistics())
            return QStringLiteral("the game's statistics are not the saved ones");
        const QByteArray points = corvane::testing::fileText(m_folder, StatisticsFile.data());
        if (!points.isNull() && parseStatistics(points.toStdString()) != store.statistics())
            return QStringLiteral("Points.dat is not what was saved: ") + QString::fromUtf8(points);
        const QByteArray names = corvane::testing::fileText(m_folder, NamesFile.data());
        if (!names.isNull() && parseNames(names.toStdString()) != store.names())
            return QStringLiteral("Names2.dat is not what was saved: ") + QString::fromUtf8(names);
        return {};
    }

    void noteGameEnd()
    {
        const int played = m_window->dataStore().statistics().gamesPlayed;
        if (played > m_lastPlayed)
            ++m_gamesFinished;
        m_lastPlayed = played;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <class T, std::size_t N>
    const T& any(const T (&items)[N])
    {
        return items[pick(static_cast<int>(N))];
    }
    bool chance(int percent) { return pick(100) < percent; }

    void start()
    {
        m_driver.reset();
        const std::uint64_t seed = std::uniform_int_distribution<std::uint64_t>(1, 1u << 30)(m_random);
        m_window = corvane::testing::makeWindow(m_folder, seed);  // silent: no sounds in the folder
        m_driver = std::make_unique<TableDriver>(*m_window);
        QObject::connect(m_window.get(), &TableWindow::programEnded, [this] { m_ended = true; });
        m_ended = false;
    }

    QString restart()
    {
        const Statistics stats = m_window->dataStore().statistics();
        const Names names = m_window->dataStore().names();
        start();
        ++m_restarts;
        if (m_window->dataStore().statistics() != stats || m_window->dataStore().names() != names)
            m_restartFault = true;
        return m_restartFault ? QStringLiteral("restart LOST the names or statistics") : QStringLiteral("restart");
    }

    bool resting() const
    {
        if (m_ended)
            return true;
        if (QApplication::activeModalWidget() != nullptr || m_driver->box().isVisible())
            return true;
        return m_driver->settled();
    }

    QString answerModal(QWidget* modal)
    {
        if (modal == m_window->messageDialog()) {
            if (chance(15)) {
                QTest::keyClick(modal, Qt::Key_Escape);
                return QStringLiteral("Escape the message box");
            }
            QList<int> shown;
            for (int b = 0; b < 3; ++b)
                if (m_driver->box().button(b)->isVisible())
                    shown << b;
            if (shown.isEmpty())
                return QStringLiteral("message box without buttons");
            const int b = shown[pick(int(shown.size()))];
            m_driver->answer(b);
            noteGameEnd();
            return QStringLiteral("answer %1 to \"%2\"").arg(b).arg(m_driver->boxTitle());
        }
        if (auto* input = qobject_cast<QInputDialog*>(modal)) {
            if (chance(25)) {
                input->reject();
                return QStringLiteral("cancel the dialog");
            }
            const char* name = any(TypedNames);
            input->setTextValue(QString::fromUtf8(name));
            input->accept();
            return QStringLiteral("type \"%1\"").arg(QString::fromUtf8(name));
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const bool yes = chance(20);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            return yes ? QStringLiteral("leave: Yes") : QStringLiteral("leave: No");
        }
        QTest::keyClick(modal, Qt::Key_Escape);
        return QStringLiteral("Escape ") + QString::fromUtf8(modal->metaObject()->className());
    }

    // A step the game needs, so that hands and games get played through: the
    // driver's, but one pick at a time while discarding.
    QString nudge()
    {
        TableDriver& d = *m_driver;
        switch (d.game().awaiting()) {
        case Awaiting::NewGame:
            m_window->findChild<QAction*>(QStringLiteral("MnuNew"))->trigger();
            return QStringLiteral("nudge: new game");
        case Awaiting::Discards:
            if (d.table().selected.count() >= 6) {
                d.click(d.view().discardCarryOnButton());
                return QStringLiteral("nudge: discard");
            }
            return clickOwnCard(QStringLiteral("nudge: pick "));
        default:
            d.trumpsOption = pick(5);
            return d.act() ? QStringLiteral("nudge: the driver's step") : QStringLiteral("nudge: nothing to do");
        }
    }

    QString clickOwnCard(const QString& what)
    {
        const CardSet hand = m_driver->table().hand(South);
        if (hand.empty())
            return what + QStringLiteral("nothing");
        int n = pick(hand.count());
        for (Card c : hand)
            if (n-- == 0) {
                m_driver->clickCard(c);
                return what + QString::number(c);
            }
        return what;
    }

    QString clickCard()
    {
        if (chance(75))
            return clickOwnCard(QStringLiteral("click own card "));
        const Card c = 1 + pick(54);
        const QRect r = m_driver->view().cardRect(c);
        if (!m_driver->view().rect().contains(r.center()))
            return QStringLiteral("card %1 not on the table").arg(c);
        m_driver->clickCard(c);
        return QStringLiteral("click card %1").arg(c);
    }

    QString clickTable()
    {
        TableView& v = m_driver->view();
        const QPoint at(pick(v.width()), pick(v.height()));
        QTest::mouseClick(&v, Qt::LeftButton, {}, at);
        return QStringLiteral("click the table at %1,%2").arg(at.x()).arg(at.y());
    }

    QString clickPanel()
    {
        BidPanelFrame& p = m_driver->panel();
        if (!p.isVisible())
            return QStringLiteral("no panel to click");
        QAbstractButton* targets[] = {p.levelOption(3 + pick(5)), p.trumpsOption(pick(5)), p.directionOption(pick(2)),
                                      p.passBox(), p.finishedButton(), p.resetButton()};
        QAbstractButton* b = any(targets);
        m_driver->click(b);
        return QStringLiteral("panel: ") + b->text();
    }

    QString clickButton()
    {
        TableView& v = m_driver->view();
        QAbstractButton* buttons[] = {v.carryOnButton(), v.startAgainButton(), v.discardCarryOnButton()};
        QAbstractButton* b = any(buttons);
        if (!b->isVisible())
            return QStringLiteral("hidden button ") + b->text();
        m_driver->click(b);
        return QStringLiteral("button ") + b->text();
    }

    QString menuItem()
    {
        const char* name = any(MenuItems);
        QAction* a = m_window->findChild<QAction*>(QString::fromUtf8(name));
        if (a == nullptr)
            return QStringLiteral("MISSING menu item ") + QString::fromUtf8(name);
        a->trigger();
        return QStringLiteral("menu ") + QString::fromUtf8(name);
    }

    QString key()
    {
        const Key& k = any(Keys);
        QWidget* to = QApplication::focusWidget();
        if (to == nullptr || to->window() != m_window.get())
            to = m_window.get();
        QTest::keyClick(to, k.key, k.modifiers);
        return QStringLiteral("key ") + QKeySequence(k.key | k.modifiers).toString() + QStringLiteral(" to ") +
               QString::fromUtf8(to->metaObject()->className());
    }

    std::mt19937_64 m_random;
    const QTemporaryDir& m_folder;
    std::unique_ptr<TableWindow> m_window;
    std::unique_ptr<TableDriver> m_driver;
    bool m_ended = false;
    bool m_restartFault = false;
    int m_restarts = 0;
    int m_gamesFinished = 0;
    int m_lastPlayed = 0;
};

// The offscreen platform notes every raise and size hint it cannot do.
QtMessageHandler nextHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    nextHandler(type, context, message);
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomActionsNeverCrashStickOrLoseTheFiles()
    {
        const std::uint64_t seed = fromEnv("CORVANE_MONKEY_SEED", 20251207);
        const int actions = static_cast<int>(fromEnv("CORVANE_MONKEY_ACTIONS", 3000));
        nextHandler = qInstallMessageHandler(quietPlatform);
        QTemporaryDir dir;
        Monkey monkey(seed, dir);
        std::deque<QString> trail;
        const auto where = [&](int i) {
            QStringList last(trail.begin(), trail.end());
            return QStringLiteral("seed %1, action %2 (rerun with CORVANE_MONKEY_SEED=%1); last actions:\n  %3")
                .arg(seed)
                .arg(i)
                .arg(last.join(QStringLiteral("\n  ")));
        };
        QVERIFY(monkey.settle());
        for (int i = 0; i < actions; ++i) {
            trail.push_back(monkey.act());
            if (trail.size() > 12)
                trail.pop_front();
            QVERIFY2(!trail.back().contains(QStringLiteral("LOST")) && !trail.back().contains(QStringLiteral("MISSING")),
                     qPrintable(where(i)));
            QVERIFY2(monkey.settle(), qPrintable(QStringLiteral("stuck: ") + where(i)));
            const QString fault = monkey.fault();
            QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral("\n") + where(i)));
            monkey.noteGameEnd();
        }
        qInfo("monkey seed %llu: %d actions, %d games finished, %d restarts", static_cast<unsigned long long>(seed),
              actions, monkey.gamesFinished(), monkey.restarts());
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
