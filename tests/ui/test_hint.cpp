// Play > Hint (H) at the table: offered only at the person's turn; the bid
// is set on the panel's own buttons, the picked discards are taken by the
// discard "Carry On", and the card is ringed where it lies. (What the hint
// chooses and why: the session's tests.)
#include <QtTest>

#include "engine/autoplay.h"
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
    void theHintShowsOnTheTablesOwnControls();
};

void TestHint::theHintShowsOnTheTablesOwnControls()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, DiscardingSeed);
    TableDriver d(*w);
    QAction* hint = action(*w, "MnuHint");
    QCOMPARE(hint->shortcut(), QKeySequence(Qt::Key_H));
    QVERIFY(!hint->isEnabled());
    action(*w, "MnuNew")->trigger();

    QVERIFY(d.runUntilTurn(Awaiting::Bid));
    QVERIFY(hint->isEnabled());
    const Hint bid = hintFor(d.game());
    QTest::keyClick(w.get(), Qt::Key_H);
    QVERIFY(d.settle());
    if (bid.pass) {
        QVERIFY(d.panel().passBox()->isChecked());
    } else {
        QVERIFY(d.panel().trumpsOption(bid.trumpOption)->isChecked());
        QVERIFY(d.panel().levelOption(bid.level)->isChecked());
        QVERIFY(d.panel().directionOption(bid.directionOption)->isChecked());
    }
    d.click(d.panel().finishedButton());

    QVERIFY(d.runUntilTurn(Awaiting::Discards));
    const Hint discards = hintFor(d.game());
    QTest::keyClick(w.get(), Qt::Key_H);
    QVERIFY(d.settle());
    d.click(d.view().discardCarryOnButton());
    QCOMPARE(d.table().kitty(), discards.discards);

    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    const Hint card = hintFor(d.game());
    QTest::keyClick(w.get(), Qt::Key_H);
    QVERIFY(d.settle());
    QCOMPARE(d.view().scene().rings(), CardSet::of(card.card));
    // The ring is painted round the card: its dashed colour shows on the
    // card's edge.
    const QImage shot = d.view().grab().toImage();
    const QRect r = d.view().cardRect(card.card);
    bool ringed = false;
    for (int y = r.top(); y < r.bottom() && !ringed; ++y)
        for (int x = r.left(); x < r.left() + 8 && !ringed; ++x)
            ringed = shot.pixelColor(x, y) == QColor(120, 215, 255);
    QVERIFY(ringed);
    d.clickCard(card.card);
    QVERIFY(d.view().scene().rings().empty());
}

QTEST_MAIN(TestHint)
#include "test_hint.moc"
