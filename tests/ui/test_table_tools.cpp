// The table's helps, through the window: Undo, Hint, Last Trick and the
// review of the last hand. What each one chooses is the session's to test;
// here, only what needs a widget.
#include <QTextBrowser>
#include <QtTest>

#include "engine/autoplay.h"
#include "table/card.h"
#include "table_driver.h"
#include "ui/review_window.h"
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

bool handEndAsked(TableDriver& d)
{
    return d.runUntil([&] {
        return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer && d.table().tricksPlayed == 12;
    });
}

QString cardText(Card c) { return QString::fromUtf8(cardName(c)).simplified(); }

}  // namespace

class TestTableTools : public QObject {
    Q_OBJECT
private slots:
    void theTableAndItsControlsComeBack();
    void theHintShowsOnTheTablesOwnControls();
    void theTrickJustGatheredBySeat();
    void reviewButtonOnTheHandEnd();
    void closingTheBoxStillAnswersItsFirstButton();
    void aLongNameIsCutAtAWord();
};

// Ctrl+Z at the table: the cards, captions, controls and log as they were
// at the turn, the bid panel's buttons included. (Which turn, the record
// and the names: the session's tests.)
void TestTableTools::theTableAndItsControlsComeBack()
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

// Play > Hint (H) at the table: offered only at the person's turn; the bid
// is set on the panel's own buttons, the picked discards are taken by the
// discard "Carry On", and the card is ringed where it lies. (What the hint
// chooses and why: the session's tests.)
void TestTableTools::theHintShowsOnTheTablesOwnControls()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
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

// Play > Last Trick (L, or a click on the empty trick area) at the table:
// the trick shown over the table until the next click or key, which does
// nothing else. (Which trick, by seat: the session's tests.)
void TestTableTools::theTrickJustGatheredBySeat()
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

// The review of the last hand: Play > Review Last Hand, and "Review" on the
// end-of-hand message (whose title, text and first button stay as they
// were); the game goes on meanwhile.
void TestTableTools::reviewButtonOnTheHandEnd()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    QAction* review = action(*w, "MnuReview");
    QVERIFY(review != nullptr);
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::Bid && !d.box().isVisible(); }));
    QVERIFY(!review->isEnabled());
    const CardSet southDealt = d.table().hand(South);
    QVERIFY(handEndAsked(d));

    // The box as the engine gave it, with "Review" beside its first button.
    const QString boxText = d.boxText();
    QVERIFY(d.box().button(1)->isVisible());
    QVERIFY(d.box().button(0)->caption() != QStringLiteral("Review"));
    QCOMPARE(d.box().button(1)->caption(), QStringLiteral("Review"));
    QVERIFY(!d.box().button(2)->isVisible());
    const QStringList logBefore = d.log();
    d.answer(1);

    ReviewWindow* r = w->reviewWindow();
    QVERIFY(r != nullptr);
    QVERIFY(r->isVisible());
    QCOMPARE(r->windowTitle(), QStringLiteral("Review of Hand 1"));
    const QString text = r->text();
    QStringList south;
    for (Card c : southDealt)
        south << cardText(c);
    QVERIFY2(text.contains(south.join(QStringLiteral(", "))), qPrintable(text.left(400)));
    for (Seat s = South; s <= East; ++s)
        QVERIFY(text.contains(QString::fromStdString(d.game().name(s))));
    // The robots' reasons in the words of the log, not the records' rule ids.
    QVERIFY(text.contains(QStringLiteral(" because ")));
    QVERIFY(!text.contains(QStringLiteral("PlayIt")) && !text.contains(QStringLiteral("NoTrumps")));
    // The record's end-of-hand message is the box's.
    QVERIFY2(text.contains(boxText.simplified()), qPrintable(boxText));
    QVERIFY(text.contains(QStringLiteral("Bidding")) && text.contains(QStringLiteral("Contract")) &&
            text.contains(QStringLiteral("Discards")) && text.contains(QStringLiteral("Points")));

    // The game went on as after the first button; the log was not touched.
    QVERIFY(d.game().awaiting() != Awaiting::Answer);
    QCOMPARE(d.log().mid(0, logBefore.size()), logBefore);
    QVERIFY(review->isEnabled());
    r->hide();
    review->trigger();
    QVERIFY(r->isVisible());
    QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::Bid && !d.box().isVisible(); }));
}

void TestTableTools::closingTheBoxStillAnswersItsFirstButton()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir, Seed);
    TableDriver d(*w);
    action(*w, "MnuNew")->trigger();
    QVERIFY(handEndAsked(d));
    QCOMPARE(d.box().closeAnswer(), 0);
    QTest::keyClick(&d.box(), Qt::Key_Escape);
    QCOMPARE(d.box().lastAnswer(), 0);
    QVERIFY(w->reviewWindow() == nullptr);
    QVERIFY(d.game().awaiting() != Awaiting::Answer);
}

void TestTableTools::aLongNameIsCutAtAWord()
{
    HandReview hand;
    hand.names = {"", "Alexandra Bartholomew Cunningham", "Wolfeschlegelsteinhausenbergerdorff", "North", "East"};
    hand.declarer = South;
    const QString html = reviewHtml(hand);
    QVERIFY(html.contains(QStringLiteral("Alexandra Bartholomew\u2026")));
    QVERIFY(!html.contains(QStringLiteral("Cunningham")));
    QVERIFY(html.contains(QStringLiteral("Wolfeschlegelsteinhausen\u2026")));  // one word: its first 24 letters
}

QTEST_MAIN(TestTableTools)
#include "test_table_tools.moc"
