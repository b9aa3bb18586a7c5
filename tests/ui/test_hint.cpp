// Play > Hint: what the robots' rules would do in South's place is shown in
// each stage, equal to hintFor(), and never done; the person still acts.
#include <QtTest>

#include "engine/autoplay.h"
#include "engine/explain.h"
#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// A game in which South wins the bid, discards and plays.
constexpr std::uint64_t DiscardingSeed = 40;

}  // namespace

class TestHint : public QObject {
    Q_OBJECT
private slots:
    void hintInEachStageEqualsTheRobotRules();
};

void TestHint::hintInEachStageEqualsTheRobotRules()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, DiscardingSeed);
    TableDriver d(*w);
    QAction* hint = action(*w, "MnuHint");
    QCOMPARE(hint->shortcut(), QKeySequence(Qt::Key_H));
    QVERIFY(!hint->isEnabled());  // offered only at the person's turn
    action(*w, "MnuNew")->trigger();
    const auto reasonShown = [&](const Hint& h) {
        const QString last = d.log().last();
        return last.startsWith(QStringLiteral("      Hint: ")) &&
               last.contains(QString::fromUtf8(h.why.rule->sentence.data(), static_cast<int>(h.why.rule->sentence.size())));
    };

    // Bidding: the panel shows the rule's bid, nothing is bid yet.
    QVERIFY(d.runUntilTurn(Awaiting::Bid));
    QVERIFY(hint->isEnabled());
    const Hint bid = hintFor(d.game());
    QCOMPARE(bid.stage, Awaiting::Bid);
    d.panel().trumpsOption(bid.trumpOption == 0 ? 1 : 0)->click();  // a choice the hint must undo
    QTest::keyClick(w.get(), Qt::Key_H);
    QCOMPARE(d.game().awaiting(), Awaiting::Bid);
    QVERIFY(reasonShown(bid));
    if (bid.pass) {
        QVERIFY(d.panel().passBox()->isChecked());
    } else {
        QVERIFY(d.panel().trumpsOption(bid.trumpOption)->isChecked());
        QVERIFY(d.panel().levelOption(bid.level)->isChecked());
        QVERIFY(d.panel().directionOption(bid.directionOption)->isChecked());
        QVERIFY(!d.panel().passBox()->isChecked());
    }
    d.click(d.panel().finishedButton());

    // Discarding: the rule's six are picked as clicks pick them, so "Start
    // Again" gives them back and "Carry On" takes them.
    QVERIFY(d.runUntilTurn(Awaiting::Discards));
    const CardSet hand = d.table().hand(South);
    const CardSet before = d.table().selected;  // the jokers of No Trumps
    const Hint discards = hintFor(d.game());
    QCOMPARE(discards.discards.count(), 6);
    action(*w, "MnuHint")->trigger();
    QVERIFY(d.settle());
    QCOMPARE(d.table().selected, discards.discards);
    QCOMPARE(d.table().hand(South), hand - discards.discards);
    QCOMPARE(w->view()->hintCards(), discards.discards - before);
    QVERIFY(reasonShown(discards));
    d.click(d.view().startAgainButton());
    QCOMPARE(d.table().hand(South), hand);
    QCOMPARE(d.table().selected, before);
    QVERIFY(w->view()->hintCards().empty());
    action(*w, "MnuHint")->trigger();
    QVERIFY(d.settle());
    QCOMPARE(d.table().selected, discards.discards);
    d.click(d.view().discardCarryOnButton());
    QVERIFY(d.game().awaiting() != Awaiting::Discards);
    QCOMPARE(d.table().kitty(), discards.discards);

    // Play: the rule's card is ringed and still in the hand.
    for (int turn = 0; turn < 3; ++turn) {
        QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
        const Hint card = hintFor(d.game());
        QTest::keyClick(w.get(), Qt::Key_H);
        QCOMPARE(w->view()->hintCards(), CardSet::of(card.card));
        QVERIFY(d.table().hand(South).has(card.card));
        QCOMPARE(d.game().awaiting(), Awaiting::PlayCard);
        QVERIFY(reasonShown(card));
        d.clickCard(card.card);
        QVERIFY(!d.table().hand(South).has(card.card));
        QVERIFY(w->view()->hintCards().empty());
    }
}

QTEST_MAIN(TestHint)
#include "test_hint.moc"
