// Play > Undo (Ctrl+Z) at the table.
#include <QtTest>

#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// A game in which South wins the bid, discards and plays.
constexpr std::uint64_t Seed = 40;

// What the table shows, less the log: cards, captions, controls, trumps.
struct Shown {
    std::vector<Sprite> cards;
    std::vector<std::string> captions;
    std::vector<bool> controls;
    TrumpPicture trumps;
    bool operator==(const Shown&) const = default;
};

Shown shown(const TableView& v)
{
    Shown s;
    const Scene& scene = v.scene();
    for (Card c = 1; c <= CardCount; ++c)
        s.cards.push_back(scene.card(c));
    for (int l = 0; l < LabelCount; ++l)
        s.captions.push_back(scene.caption(static_cast<Label>(l)));
    for (int c = 0; c < ControlCount; ++c)
        s.controls.push_back(scene.shown(static_cast<Control>(c)));
    s.trumps = scene.trumps();
    return s;
}

struct Turn {
    TableState table;
    Shown table_shown;
    QStringList log;
};

Turn now(const TableDriver& d) { return {d.table(), shown(d.view()), d.log()}; }

void undo(TableWindow& w) { QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); }

}  // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void theTableAndItsControlsComeBack();
};

// Ctrl+Z at the table: the cards, captions, controls and log as they were
// at the turn, the bid panel's buttons included. (Which turn, the record
// and the names: the session's tests.)
void TestUndo::theTableAndItsControlsComeBack()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    QAction* undoItem = action(*w, "MnuUndo");
    QCOMPARE(undoItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    action(*w, "MnuExplain")->trigger();
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntilTurn(Awaiting::Bid));
    QVERIFY(!undoItem->isEnabled());
    const Turn bid = now(d);
    d.click(d.panel().trumpsOption(2));
    QVERIFY(undoItem->isEnabled());
    undo(*w);
    QVERIFY(d.table() == bid.table);
    QVERIFY(!d.panel().trumpsOption(2)->isChecked());
    QVERIFY(d.panel().isVisible());

    QVERIFY(d.runUntil([&] { return d.cardsPlayed == 3 && d.game().awaiting() == Awaiting::PlayCard; }));
    QVERIFY(d.settle());
    const Turn fourth = now(d);
    d.playCard();
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QVERIFY(d.log().size() > fourth.log.size());
    undo(*w);
    QVERIFY(d.table() == fourth.table);
    QVERIFY(shown(d.view()) == fourth.table_shown);
    QCOMPARE(d.log(), fourth.log);
    QVERIFY(!w->pacer().busy());
    // The keys reach South's cards again.
    QVERIFY(d.view().focusedCard() != NoCard);
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
