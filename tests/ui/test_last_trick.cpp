// Play > Last Trick (L, or a click on the empty trick area) at the table:
// the trick shown over the table until the next click or key, which does
// nothing else. (Which trick, by seat: the session's tests.)
#include <QtTest>

#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

constexpr std::uint64_t Seed = 40;

Card firstLegal(const TableDriver& d)
{
    for (Card c : d.table().hand(South))
        if (isLegalPlay(d.table(), South, c, d.game().trickPosition()))
            return c;
    return NoCard;
}

// A point of the trick area that no card covers, in widget pixels.
QPoint emptyTrickPoint(const TableView& v)
{
    const QRect area = TableView::trickArea();
    for (int y = area.top(); y < area.bottom(); y += 60)
        for (int x = area.left(); x < area.right(); x += 60)
            if (v.scene().cardAt(x, y) == NoCard)
                return v.scale().point(x, y);
    return {};
}

}  // namespace

class TestLastTrick : public QObject {
    Q_OBJECT
private slots:
    void theTrickJustGatheredBySeat();
};

void TestLastTrick::theTrickJustGatheredBySeat()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    QAction* last = action(*w, "MnuLastTrick");
    QCOMPARE(last->shortcut(), QKeySequence(Qt::Key_L));
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QVERIFY(!last->isEnabled());
    d.clickCard(firstLegal(d));
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QVERIFY(last->isEnabled());

    QTest::keyClick(w.get(), Qt::Key_L);
    QVERIFY(d.view().scene().showingTrick());
    QCOMPARE(d.view().scene().shownTrick().bySeat, w->session().lastTrick()->bySeat);
    // A key only takes it away: Space would otherwise play the focused card.
    const CardSet hand = d.table().hand(South);
    QTest::keyClick(w->view(), Qt::Key_Space);
    QVERIFY(!d.view().scene().showingTrick());
    QCOMPARE(d.table().hand(South), hand);

    // A click on the empty trick area shows it; a click on a card only hides it.
    const QPoint empty = emptyTrickPoint(d.view());
    QVERIFY(!empty.isNull());
    QTest::mouseClick(w->view(), Qt::LeftButton, {}, empty);
    QVERIFY(d.view().scene().showingTrick());
    d.clickCard(firstLegal(d));
    QVERIFY(!d.view().scene().showingTrick());
    QCOMPARE(d.table().hand(South), hand);

    // Undo takes a shown trick away with the turn it belonged to.
    QTest::keyClick(w.get(), Qt::Key_L);
    QVERIFY(d.view().scene().showingTrick());
    w->undoTurn();
    QVERIFY(!d.view().scene().showingTrick());
}

QTEST_MAIN(TestLastTrick)
#include "test_last_trick.moc"
