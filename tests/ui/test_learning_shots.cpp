// Screenshots of the learning features, on request (CORVANE_SHOTS names the
// folder): the robots' reasons in the log, a hint in play and in the
// discards, the last trick, and the review of a hand.
#include <QScreen>
#include <QtTest>

#include "table_driver.h"
#include "ui/review_window.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

class TestLearningShots : public QObject {
    Q_OBJECT
private slots:
    void screenshots();
};

void TestLearningShots::screenshots()
{
    const QString folder = qEnvironmentVariable("CORVANE_SHOTS");
    if (folder.isEmpty())
        QSKIP("CORVANE_SHOTS names no folder for the screenshots");
    QTemporaryDir dir;
    auto w = makeWindow(dir, 40);
    TableDriver d(*w);
    const QSize size(1200, 1064);
    w->resize(size.width(), size.height() + w->height() - w->view()->height());
    QTRY_COMPARE(w->view()->size(), size);
    const auto shot = [&](QWidget* widget, const char* name) {
        QTest::qWait(50);
        widget->grab().save(QStringLiteral("%1/%2.png").arg(folder, QLatin1String(name)));
    };
    action(*w, "MnuExplain")->trigger();
    action(*w, "MnuNew")->trigger();
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

QTEST_MAIN(TestLearningShots)
#include "test_learning_shots.moc"
