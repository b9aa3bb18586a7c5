// Play > Undo (Ctrl+Z): South's last action and all the robots did after it
// are taken back, the table, labels and log as they were at that turn;
// never past the start of the hand, and not once it is scored.
#include <QtTest>

#include "record/replay.h"
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
    void aCardTakenBackAndPlayedAgain();
    void theDiscardsAndTheBidTakenBack();
    void notOnceTheHandIsScored();
    void theRecordFollowsTheUndo();
};

void TestUndo::aCardTakenBackAndPlayedAgain()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    QAction* undoItem = action(*w, "MnuUndo");
    QVERIFY(undoItem != nullptr);
    QCOMPARE(undoItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    action(*w, "MnuExplain")->trigger();  // the asides go back with the rest
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntil([&] { return d.cardsPlayed == 3 && d.game().awaiting() == Awaiting::PlayCard; }));
    QVERIFY(d.settle());
    const Turn fourth = now(d);
    Card card = NoCard;
    for (Card c : d.table().hand(South))
        if (card == NoCard && isLegalPlay(d.table(), South, c, d.game().trickPosition()))
            card = c;
    d.clickCard(card);
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    const Turn fifth = now(d);
    QVERIFY(fifth.log.size() > fourth.log.size());
    QVERIFY(undoItem->isEnabled());

    undo(*w);
    QCOMPARE(d.game().awaiting(), Awaiting::PlayCard);
    QVERIFY(d.table() == fourth.table);
    QVERIFY(shown(d.view()) == fourth.table_shown);
    QCOMPARE(d.log(), fourth.log);
    QVERIFY(!w->pacer().busy());

    // The same card again: the same robots' answers, the same table and log.
    d.clickCard(card);
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QVERIFY(d.table() == fifth.table);
    QVERIFY(shown(d.view()) == fifth.table_shown);
    QCOMPARE(d.log(), fifth.log);

    // Undo at a turn not yet touched goes one turn further back, and so on.
    undo(*w);
    QVERIFY(d.table() == fourth.table);
    undo(*w);
    QCOMPARE(d.game().awaiting(), Awaiting::PlayCard);
    QVERIFY(d.table().hand(South).count() == fourth.table.hand(South).count() + 1);
}

void TestUndo::theDiscardsAndTheBidTakenBack()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    QAction* undoItem = action(*w, "MnuUndo");
    QVERIFY(!undoItem->isEnabled());
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntilTurn(Awaiting::Bid));
    // Nothing to take back at the first turn of the hand, until the panel is touched.
    QVERIFY(!undoItem->isEnabled());
    const Turn bid = now(d);
    d.click(d.panel().trumpsOption(2));
    QVERIFY(undoItem->isEnabled());
    undo(*w);
    QVERIFY(d.table() == bid.table);
    QVERIFY(!d.panel().trumpsOption(2)->isChecked());
    QVERIFY(!undoItem->isEnabled());

    // South's last bid turn before it discards (in whichever hand it wins).
    Turn lastBid;
    QVERIFY(d.runUntil([&] {
        if (d.box().isVisible())
            return false;
        if (d.game().awaiting() == Awaiting::Bid)
            lastBid = now(d);
        return d.game().awaiting() == Awaiting::Discards;
    }));
    const Turn discards = now(d);
    d.discard();
    QVERIFY(d.faults.isEmpty());
    QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
    QCOMPARE(d.table().hand(South).count(), 12);
    undo(*w);  // the first card turn is untouched: back to the discards
    QCOMPARE(d.game().awaiting(), Awaiting::Discards);
    QVERIFY(d.table() == discards.table);
    QVERIFY(shown(d.view()) == discards.table_shown);
    QCOMPARE(d.log(), discards.log);
    QVERIFY(d.view().discardCarryOnButton()->isVisible());
    // and the bid before them
    undo(*w);
    QCOMPARE(d.game().awaiting(), Awaiting::Bid);
    QVERIFY(d.table() == lastBid.table);
    QVERIFY(shown(d.view()) == lastBid.table_shown);
    QCOMPARE(d.log(), lastBid.log);
    QVERIFY(d.panel().isVisible());
}

void TestUndo::notOnceTheHandIsScored()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    QAction* undoItem = action(*w, "MnuUndo");
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntil([&] { return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer; }));
    QVERIFY(!undoItem->isEnabled());
    const TableState scored = d.table();
    undo(*w);
    QVERIFY(d.table() == scored);
    d.answer(0);
    QVERIFY(d.runUntilTurn(Awaiting::Bid));
    QVERIFY(!undoItem->isEnabled());
}

void TestUndo::theRecordFollowsTheUndo()
{
    QTemporaryDir dir;
    TableOptions options;
    options.recordFile = dir.filePath(QStringLiteral("games.jsonl")).toStdString();
    {
        auto w = makeWindow(dir, Seed, nullptr, options);
        TableDriver d(*w);
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntilTurn(Awaiting::Discards));
        d.discard();
        QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
        undo(*w);
        QCOMPARE(d.game().awaiting(), Awaiting::Discards);
        // Other discards this time: the last six of the hand.
        std::vector<Card> hand(d.table().hand(South).begin(), d.table().hand(South).end());
        for (std::size_t i = hand.size() - 6 + d.table().selected.count(); i < hand.size(); ++i)
            d.clickCard(hand[i]);
        d.click(d.view().discardCarryOnButton());
        QCOMPARE(d.game().awaiting(), Awaiting::Nothing);
        const int played = d.cardsPlayed;
        QVERIFY(d.runUntil([&] { return d.cardsPlayed == played + 4 && d.game().awaiting() == Awaiting::PlayCard; }));
        undo(*w);
        undo(*w);
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::NewGame && !d.box().isVisible(); }));
    }
    const record::ReplayResult r = record::replayFile(options.recordFile);
    QVERIFY2(r.status == 0, r.message.c_str());
    QCOMPARE(r.games, 1L);
}

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
