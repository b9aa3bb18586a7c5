// The review of the last hand: Play > Review Last Hand, and "Review" on the
// end-of-hand message (whose title, text and first button stay as they
// were); the game goes on meanwhile.
#include <QTextBrowser>
#include <QtTest>

#include "table/card.h"
#include "table_driver.h"
#include "ui/review_window.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

constexpr std::uint64_t Seed = 40;

bool handEndAsked(TableDriver& d)
{
    return d.runUntil([&] {
        return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer && d.table().tricksPlayed == 12;
    });
}

QString cardText(Card c) { return QString::fromUtf8(cardName(c)).simplified(); }

}  // namespace

class TestReview : public QObject {
    Q_OBJECT
private slots:
    void reviewButtonOnTheHandEnd();
    void closingTheBoxStillAnswersItsFirstButton();
    void aLongNameIsCutAtAWord();
};

void TestReview::reviewButtonOnTheHandEnd()
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

void TestReview::closingTheBoxStillAnswersItsFirstButton()
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

void TestReview::aLongNameIsCutAtAWord()
{
    HandReview hand;
    hand.names = {"", "Alexandra Bartholomew Cunningham", "Wolfeschlegelsteinhausenbergerdorff", "North", "East"};
    hand.declarer = South;
    const QString html = reviewHtml(hand);
    QVERIFY(html.contains(QStringLiteral("Alexandra Bartholomew\u2026")));
    QVERIFY(!html.contains(QStringLiteral("Cunningham")));
    QVERIFY(html.contains(QStringLiteral("Wolfeschlegelsteinhausen\u2026")));  // one word: its first 24 letters
}

QTEST_MAIN(TestReview)
#include "test_review.moc"
