// Play > Last Trick (L, or a click on the empty trick area): the trick just
// gathered, each card in front of the seat that played it and its winner
// named, until the next click or key, which does nothing else.
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
    QVERIFY(last != nullptr);
    QCOMPARE(last->shortcut(), QKeySequence(Qt::Key_L));
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QCOMPARE(d.table().tricksPlayed, 1);  // the first trick is in play
    QVERIFY(!w->lastTrick().has_value());
    QVERIFY(!last->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_L);
    QVERIFY(!w->view()->showingTrick());

    // South's first card; every other card came from its seat's hand, or
    // lay on the trick already, played by that seat.
    std::array<CardSet, 5> held{};
    for (Seat s = South; s <= East; ++s)
        held[s] = d.table().hand(s);
    const std::array<Card, 5> before = d.table().trick.card;
    const std::array<Seat, 5> beforeSeats = d.table().trick.seat;
    for (int p = 1; p < d.game().trickPosition(); ++p)
        held[beforeSeats[p]].add(before[p]);
    const Card mine = firstLegal(d);
    d.clickCard(mine);
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QCOMPARE(d.table().tricksPlayed, 2);
    QVERIFY(last->isEnabled());
    QVERIFY(w->lastTrick().has_value());
    const GatheredTrick trick = *w->lastTrick();
    QCOMPARE(trick.number, 1);
    QCOMPARE(trick.bySeat[South], mine);
    CardSet four;
    for (Seat s = South; s <= East; ++s) {
        four.add(trick.bySeat[s]);
        QVERIFY(held[s].has(trick.bySeat[s]));
    }
    QCOMPARE(four.count(), 4);

    QTest::keyClick(w.get(), Qt::Key_L);
    QVERIFY(w->view()->showingTrick());
    QCOMPARE(w->view()->shownTrick(), trick.bySeat);
    QCOMPARE(w->view()->trickCaption(),
             QStringLiteral("Trick 1 was won by ") + QString::fromStdString(d.game().name(trick.winner)));
    // A key only takes it away: Space would otherwise play the focused card.
    const CardSet hand = d.table().hand(South);
    QTest::keyClick(w->view(), Qt::Key_Space);
    QVERIFY(!w->view()->showingTrick());
    QCOMPARE(d.table().hand(South), hand);

    // A click on the empty trick area shows it; a click on a card only hides it.
    const QPoint empty = emptyTrickPoint(d.view());
    QVERIFY(!empty.isNull());
    QTest::mouseClick(w->view(), Qt::LeftButton, {}, empty);
    QVERIFY(w->view()->showingTrick());
    d.clickCard(firstLegal(d));
    QVERIFY(!w->view()->showingTrick());
    QCOMPARE(d.table().hand(South), hand);

    // Undo back to the first card, before the first gather: nothing to show,
    // and a trick shown goes away with the turn it belonged to.
    QTest::keyClick(w.get(), Qt::Key_L);
    QVERIFY(w->view()->showingTrick());
    w->undoTurn();
    QVERIFY(!w->view()->showingTrick());
    QCOMPARE(d.table().tricksPlayed, 1);
    QVERIFY(!w->lastTrick().has_value());
    QVERIFY(!last->isEnabled());
}

QTEST_MAIN(TestLastTrick)
#include "test_last_trick.moc"
