// Pictures of the table for looking at, not checks: corvane-shots FOLDER
// saves them there (run it on a real display, such as Xvfb, for the menus).
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <cstdio>

#include "ui/table_driver.h"
#include "ui/review_window.h"
#include "ui/window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

QString folder;

// South wins the bid and discards.
constexpr std::uint64_t DiscardingSeed = 40;

void resizeView(TableWindow& w, QSize size) { w.resize(size.width(), size.height() + w.height() - w.view()->height()); }

void press(Qt::Key key)
{
    if (QWidget* at = QApplication::focusWidget())
        QTest::keyClick(at, key);
}

bool tabTo(QWidget* target)
{
    for (int i = 0; i < 60 && QApplication::focusWidget() != target; ++i)
        press(Qt::Key_Tab);
    return QApplication::focusWidget() == target;
}

}  // namespace

class Shots : public QObject {
    Q_OBJECT
private slots:
    void table();
    void keyboard();
    void learning();
    void expert();
};

// The stages of a game at the designed size and at a large one.
void Shots::table()
{
    for (const QSize size : {QSize(784, 695), QSize(1600, 1400)}) {
        QTemporaryDir dir;
        auto w = makeWindow(dir, DiscardingSeed);
        TableDriver d(*w);
        resizeView(*w, size);
        QTRY_COMPARE(w->view()->size(), size);
        const auto shot = [&](const char* stage) {
            QTest::qWait(50);
            const QPixmap screen = w->screen()->grabWindow(0);
            const QPixmap picture = screen.isNull() || screen.width() < size.width() ? w->grab() : screen;
            picture.save(QStringLiteral("%1/%2-%3.png").arg(folder).arg(size.width()).arg(QLatin1String(stage)));
        };
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::CarryOn; }));
        shot("dealer");
        QVERIFY(d.runUntilTurn(Awaiting::Bid));
        d.panel().trumpsOption(3)->click();
        shot("bidding");
        d.panel().resetButton()->click();
        QVERIFY(d.runUntil([&] {
            return (!d.box().isVisible() && d.game().awaiting() == Awaiting::Discards) ||
                   d.game().awaiting() == Awaiting::NewGame;
        }));
        if (d.game().awaiting() == Awaiting::Discards) {
            int n = 0;
            for (Card c : d.table().hand(South))
                if (n++ < 4)
                    d.clickCard(c);
            shot("discards");
        }
        QVERIFY(d.runUntil([&] {
            return d.game().awaiting() == Awaiting::NewGame ||
                   (!d.box().isVisible() && d.game().awaiting() == Awaiting::PlayCard && d.game().trickPosition() >= 3);
        }));
        shot("trick");
        QVERIFY(d.runUntil([&] { return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer; }));
        shot("hand-end");
        QVERIFY(d.runUntil([&] { return d.box().isVisible() && d.boxTitle().startsWith(QStringLiteral("You ")); }));
        shot("game-end");
    }
}

// The focus on a card, and the Options menu open over the table.
void Shots::keyboard()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, 20240611);
    TableDriver d(*w);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_F2);
    while (d.settle() && !d.box().isVisible() && d.game().awaiting() != Awaiting::PlayCard) {
        if (d.game().awaiting() == Awaiting::CarryOn) {
            press(Qt::Key_Return);
        } else {
            QVERIFY(tabTo(d.panel().passBox()));
            press(Qt::Key_Space);
            QVERIFY(tabTo(d.panel().finishedButton()));
            press(Qt::Key_Space);
        }
    }
    QCOMPARE(d.game().awaiting(), Awaiting::PlayCard);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QTest::qWait(50);
    QVERIFY(w->grab().save(folder + QStringLiteral("/keyboard-focus.png")));

    auto* options = w->findChild<QMenu*>(QStringLiteral("MnuOptions"));
    auto* pace = w->findChild<QMenu*>(QStringLiteral("MnuPace"));
    const QRect title = w->menuBar()->actionGeometry(options->menuAction());
    options->popup(w->menuBar()->mapToGlobal(title.bottomLeft()));
    options->setActiveAction(pace->menuAction());
    pace->popup(options->mapToGlobal(options->actionGeometry(pace->menuAction()).topRight()));
    QTest::qWait(100);
    QPixmap picture = w->grab();
    QPainter p(&picture);
    p.drawPixmap(w->mapFromGlobal(options->pos()), options->grab());
    p.drawPixmap(w->mapFromGlobal(pace->pos()), pace->grab());
    p.end();
    QVERIFY(picture.save(folder + QStringLiteral("/options-menu.png")));
    pace->hide();
    options->hide();
}

// The robots' reasons in the log, a hint in play and in the discards, the
// last trick, and the review of a hand.
void Shots::learning()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, DiscardingSeed);
    TableDriver d(*w);
    const QSize size(1200, 1064);
    resizeView(*w, size);
    QTRY_COMPARE(w->view()->size(), size);
    const auto shot = [&](QWidget* widget, const char* name) {
        QTest::qWait(50);
        widget->grab().save(QStringLiteral("%1/%2.png").arg(folder, QLatin1String(name)));
    };
    action(*w, "MnuExplain")->trigger();
    action(*w, "MnuNew")->trigger();
    // The robots' reasons while the bidding still keeps their suits secret.
    QVERIFY(d.runUntil([&] { return !d.box().isVisible() && d.game().awaiting() == Awaiting::Bid; }));
    shot(w.get(), "explanations-bidding");
    QVERIFY(d.runUntilTurn(Awaiting::Discards));
    action(*w, "MnuHint")->trigger();
    shot(w.get(), "hint-discards");
    QVERIFY(d.runUntil([&] {
        return !d.box().isVisible() && d.game().awaiting() == Awaiting::PlayCard && d.table().tricksPlayed >= 4 &&
               d.game().trickPosition() >= 3;
    }));
    shot(w.get(), "explanations");
    action(*w, "MnuHint")->trigger();
    shot(w.get(), "hint-play");
    action(*w, "MnuLastTrick")->trigger();
    shot(w.get(), "last-trick");
    QTest::keyClick(w->view(), Qt::Key_Escape);
    QVERIFY(d.runUntil([&] { return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer; }));
    shot(&d.box(), "hand-end-box");
    d.answer(1);
    QVERIFY(w->reviewWindow() != nullptr);
    shot(w->reviewWindow(), "review");
}

// The Options menu with its Robots choice open, and an Expert game with the
// robots' reasons in the log.
void Shots::expert()
{
    QTemporaryDir dir;
    TableOptions options;
    options.choices.robots = RobotLevel::Expert;
    auto w = makeWindow(dir, DiscardingSeed, nullptr, options);
    TableDriver d(*w);
    const QSize size(1200, 1064);
    resizeView(*w, size);
    QTRY_COMPARE(w->view()->size(), size);
    QMenu* optionsMenu = w->findChild<QMenu*>(QStringLiteral("MnuOptions"));
    QMenu* robots = w->findChild<QMenu*>(QStringLiteral("MnuRobots"));
    optionsMenu->popup(w->mapToGlobal(w->menuBar()->actionGeometry(optionsMenu->menuAction()).bottomLeft()));
    QTest::qWait(100);
    optionsMenu->setActiveAction(robots->menuAction());
    robots->popup(optionsMenu->mapToGlobal(optionsMenu->actionGeometry(robots->menuAction()).topRight()));
    QTest::qWait(200);
    w->screen()->grabWindow(0).save(folder + QStringLiteral("/options-robots.png"));
    robots->hide();
    optionsMenu->hide();

    action(*w, "MnuExplain")->trigger();
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntil([&] {
        return !d.box().isVisible() && d.game().awaiting() == Awaiting::PlayCard && d.table().tricksPlayed >= 3 &&
               d.game().trickPosition() >= 3;
    }));
    QTest::qWait(50);
    w->grab().save(folder + QStringLiteral("/expert-play.png"));
    action(*w, "MnuHint")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(w->session().scene().rings().count() == 1, 10000);
    QTest::qWait(50);
    w->grab().save(folder + QStringLiteral("/expert-hint.png"));
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [test function ...]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    folder = QString::fromLocal8Bit(argv[1]);
    Shots shots;
    argv[1] = argv[0];
    return QTest::qExec(&shots, argc - 1, argv + 1);
}

#include "shots.moc"
