// A seeded hand played with the keyboard alone: F2, Return on "Carry On",
// Tab and Space through the bid panel, Left, Right and Space on the cards.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "rules/play/play.h"
#include "table_driver.h"
#include "ui/bid_panel_frame.h"
#include "ui/message_box.h"
#include "ui/pacer.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

using namespace corvane;

namespace {

constexpr std::uint64_t Seed = 20240611;
// South wins the bid and discards.
constexpr std::uint64_t DiscardingSeed = 40;

QWidget* focused() { return QApplication::focusWidget(); }

void press(int key)
{
    QWidget* at = focused();
    QVERIFY(at != nullptr);
    QTest::keyClick(at, static_cast<Qt::Key>(key));
}

}  // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT
private slots:
    void wholeHandWithKeysOnly();
    void arrowsStopAtTheEndsOfTheHand();
    void returnFinishesSixPicks();

private:
    bool settle(TableWindow& w)
    {
        return QTest::qWaitFor(
            [&] {
                if (w.messageDialog()->isVisible())
                    return true;
                const Awaiting a = w.game().awaiting();
                return !w.pacer().busy() && !w.asking() && a != Awaiting::Nothing && a != Awaiting::Answer;
            },
            20000);
    }
    // Tab until `target` has the focus; false when it never comes.
    bool tabTo(QWidget* target)
    {
        for (int i = 0; i < 60 && focused() != target; ++i)
            press(Qt::Key_Tab);
        return focused() == target;
    }
    std::unique_ptr<TableWindow> start(const QTemporaryDir& dir, std::uint64_t seed = Seed)
    {
        TableOptions options;
        options.seed = seed;
        options.dataDir = std::filesystem::path(dir.path().toStdString());
        options.pace = Pace::Instant;
        options.soundFolder = dir.path();
        auto w = std::make_unique<TableWindow>(options);
        w->show();
        w->activateWindow();
        return w;
    }
};

void TestKeyboardPlay::wholeHandWithKeysOnly()
{
    QTemporaryDir dir;
    auto w = start(dir);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    TableView* view = w->view();
    const TableState& t = w->game().table();

    QTest::keyClick(w.get(), Qt::Key_F2);
    int played = 0;
    int bids = 0;
    for (int guard = 0; guard < 400; ++guard) {
        QVERIFY(settle(*w));
        if (w->messageDialog()->isVisible())
            break;  // the hand's score: the hand is over
        switch (w->game().awaiting()) {
        case Awaiting::CarryOn:
            QCOMPARE(focused(), view->carryOnButton());
            press(Qt::Key_Return);
            break;
        case Awaiting::Bid: {
            BidPanelFrame* panel = view->bidPanel();
            QVERIFY(!w->game().forcedHumanTurn());
            QVERIFY(tabTo(panel->passBox()));
            press(Qt::Key_Space);
            QVERIFY(panel->passBox()->isChecked());
            QVERIFY(tabTo(panel->finishedButton()));
            press(Qt::Key_Space);
            ++bids;
            break;
        }
        case Awaiting::PlayCard: {
            QCOMPARE(focused(), view);
            Card legal = NoCard;
            for (Card c : t.hand(South))
                if (legal == NoCard && isLegalPlay(t, South, c, w->game().trickPosition()))
                    legal = c;
            QVERIFY(legal != NoCard);
            // Right to the end, then Left back to the card.
            for (int i = 0; i < 20; ++i)
                press(Qt::Key_Right);
            for (int i = 0; i < 20 && view->focusedCard() != legal; ++i)
                press(Qt::Key_Left);
            QCOMPARE(view->focusedCard(), legal);
            const int held = t.hand(South).count();
            press(played % 2 == 0 ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(t.hand(South).count(), held - 1);
            QVERIFY(!t.hand(South).has(legal));
            ++played;
            break;
        }
        default: QFAIL("the table waits for something the keys do not give");
        }
    }
    QCOMPARE(bids, 1);
    QCOMPARE(played, 12);
    QVERIFY(t.hand(South).empty());
}

void TestKeyboardPlay::arrowsStopAtTheEndsOfTheHand()
{
    QTemporaryDir dir;
    auto w = start(dir);
    TableView* view = w->view();
    view->setKeyboardCards({});
    QCOMPARE(view->focusedCard(), NoCard);
    view->setKeyboardCards({5, 17, 30});
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Left);
    QCOMPARE(view->focusedCard(), Card(5));
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(view->focusedCard(), Card(30));
    // The card played leaves; the focus keeps its place in the row.
    view->setKeyboardCards({5, 17});
    QCOMPARE(view->focusedCard(), Card(17));
    view->setKeyboardCards({4, 5, 17});
    QCOMPARE(view->focusedCard(), Card(17));
    QSignalSpy clicked(view, &TableView::cardClicked);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().value<Card>(), Card(17));
}

// Return picks the focused card while there is one to pick, then presses
// the discard "Carry On" rather than trying a seventh.
void TestKeyboardPlay::returnFinishesSixPicks()
{
    QTemporaryDir dir;
    auto w = start(dir, DiscardingSeed);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    corvane::testing::TableDriver d(*w);
    QTest::keyClick(w.get(), Qt::Key_F2);
    QVERIFY(d.runUntilTurn(Awaiting::Discards));
    QCOMPARE(focused(), w->view());
    for (int i = 0; i < 18 && d.table().selected.count() < 6; ++i)
        press(Qt::Key_Return);
    QCOMPARE(d.table().selected.count(), 6);
    QCOMPARE(d.game().awaiting(), Awaiting::Discards);
    press(Qt::Key_Return);
    QVERIFY(!w->messageDialog()->isVisible());
    QVERIFY(d.game().awaiting() != Awaiting::Discards);
    QCOMPARE(d.table().kitty().count(), 6);
    QCOMPARE(d.table().hand(South).count(), 12);
}

QTEST_MAIN(TestKeyboardPlay)
#include "test_keyboard_play.moc"
