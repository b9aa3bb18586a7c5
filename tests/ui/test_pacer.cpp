#include <QSignalSpy>
#include <QtTest>

#include "ui/pacer.h"

using namespace corvane;
using namespace std::chrono_literals;

namespace {

Step logStep(const char* line) { return step::Log{line}; }
Step pauseStep(std::chrono::microseconds length) { return step::Pause{length}; }

}  // namespace

// The pacer: steps in order, pauses by its one timer, drained() only from
// the event loop, and nothing running once everything is played.
class TestPacer : public QObject {
    Q_OBJECT
private slots:
    void stepsWithoutPausesArePlayedAtOnce();
    void pauseHoldsBackTheRest();
    void thenFollowsItsSteps();
    void drainedOnceAndThenIdle();
    void clearDropsWhatIsQueued();
    void stepsQueuedDuringAPauseWait();
};

void TestPacer::stepsWithoutPausesArePlayedAtOnce()
{
    QStringList played;
    Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
    QSignalSpy drained(&pacer, &Pacer::drained);
    pacer.play({logStep("one"), step::Caption{Label::YourScore, "3"}, logStep("two")});
    QCOMPARE(played, (QStringList{"Log \"one\"", "Caption YourScore \"3\"", "Log \"two\""}));
    QVERIFY(!pacer.busy());
    // Not from inside play(): the caller finishes first.
    QCOMPARE(drained.count(), 0);
    QVERIFY(drained.wait(1000));
}

void TestPacer::pauseHoldsBackTheRest()
{
    QStringList played;
    Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
    QSignalSpy drained(&pacer, &Pacer::drained);
    pacer.play({logStep("before"), pauseStep(60ms), logStep("after")});
    QCOMPARE(played, QStringList{"Log \"before\""});
    QVERIFY(pacer.busy());
    QCOMPARE(pacer.timerInterval(), 60);
    QVERIFY(drained.wait(2000));
    QCOMPARE(played, (QStringList{"Log \"before\"", "Log \"after\""}));
    // A pause is never shortened: a quarter pace of 12.5 ms waits 13.
    pacer.play({pauseStep(12500us), logStep("late")});
    QCOMPARE(pacer.timerInterval(), 13);
    QVERIFY(drained.wait(2000));
}

void TestPacer::thenFollowsItsSteps()
{
    QStringList played;
    Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
    pacer.play({logStep("a"), pauseStep(5ms), logStep("b")}, [&] { played << "then"; });
    QCOMPARE(played, QStringList{"Log \"a\""});
    QTRY_COMPARE(played, (QStringList{"Log \"a\"", "Log \"b\"", "then"}));
    // A callback may queue more steps; they follow in order.
    played.clear();
    pacer.play({logStep("c")}, [&] { pacer.play({pauseStep(5ms), logStep("d")}); });
    pacer.play({logStep("e")});
    QTRY_COMPARE(played, (QStringList{"Log \"c\"", "Log \"d\"", "Log \"e\""}));
}

void TestPacer::drainedOnceAndThenIdle()
{
    Pacer pacer([](const Step&) {});
    QSignalSpy drained(&pacer, &Pacer::drained);
    pacer.play({pauseStep(5ms), logStep("x")});
    QVERIFY(drained.wait(1000));
    QTest::qWait(30);
    QCOMPARE(drained.count(), 1);
    QVERIFY(!pacer.timerActive());
    pacer.kick();
    QVERIFY(drained.wait(1000));
    QCOMPARE(drained.count(), 2);
    QVERIFY(!pacer.timerActive());
}

void TestPacer::clearDropsWhatIsQueued()
{
    QStringList played;
    Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
    bool called = false;
    pacer.play({pauseStep(20ms), logStep("dropped")}, [&] { called = true; });
    pacer.clear();
    QVERIFY(!pacer.busy());
    QVERIFY(!pacer.timerActive());
    QTest::qWait(50);
    QVERIFY(played.isEmpty());
    QVERIFY(!called);
}

void TestPacer::stepsQueuedDuringAPauseWait()
{
    QStringList played;
    Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
    pacer.play({pauseStep(30ms), logStep("first")});
    pacer.play({logStep("second")});
    QVERIFY(played.isEmpty());
    QTRY_COMPARE(played, (QStringList{"Log \"first\"", "Log \"second\""}));
}

QTEST_MAIN(TestPacer)
#include "test_pacer.moc"
