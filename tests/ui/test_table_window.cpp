// The table window: its menus, its dialogs, the bid panel and its shape,
// and the helps at the table.
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QListWidgetItem>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBrowser>

#include "engine/autoplay.h"
#include "engine/explain.h"
#include "table/card.h"
#include "table_driver.h"
#include "ui/help_window.h"
#include "ui/review_window.h"
#include "ui/table_layout.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

constexpr std::uint64_t Seed = 20240611;
// A game in which South wins the bid, discards and plays.
constexpr std::uint64_t DiscardingSeed = 40;

// Starts a game and plays on to the person's first bid turn.
bool toFirstBid(TableWindow& w, TableDriver& d)
{
    action(w, "MnuNew")->trigger();
    return d.runUntilTurn(Awaiting::Bid);
}

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

class TestTableWindow : public QObject {
    Q_OBJECT
private slots:
    // A new window before any game: its greetings, menus and tips; the
    // statistics shown and erased; a seat renamed and a rename cancelled.
    void aNewWindowBeforeAnyGame()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("Points.dat")), "4,6\r\n");
        auto w = makeWindow(dir, Seed);
        TableDriver d(*w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Corvane"));
        QCOMPARE(w->view()->size(), QSize(784, 695));
        QCOMPARE(d.log().first(), QStringLiteral(" Hello and Welcome to Corvane. Press F2 or use 'Play' Menu to start the game. "));
        QCOMPARE(d.caption(Label::SouthName), QStringLiteral("Player"));
        QCOMPARE(d.caption(Label::WestName), QStringLiteral("West Bot- Welcome Player"));
        QCOMPARE(d.caption(Label::NorthName), QStringLiteral("North Bot - Hello and Welcome Player"));
        QCOMPARE(d.caption(Label::EastName), QStringLiteral("East Bot - Hi "));

        QStringList titles;
        for (QAction* a : w->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&Play", "&Help", "&Enter Names", "Statistics", "Op&tions"}));
        QCOMPARE(w->view()->discardCarryOnButton()->toolTip(),
                 QStringLiteral("Click when you have selected six  cards to throw away"));
        QCOMPARE(w->view()->toolTipAt({10500, 700}), QStringLiteral("These are the current trumps"));
        QCOMPARE(w->view()->toolTipAt({8280 + 1600, 7320 + 1400}), QStringLiteral("You game points"));
        QCOMPARE(w->view()->toolTipAt({8280 + 200, 7320 + 1700}), QStringLiteral("Game Scoring Details"));
        QVERIFY(!w->view()->carryOnButton()->isVisible());
        QVERIFY(!w->view()->bidPanel()->isVisible());
        action(*w, "RulesMnu")->trigger();
        QVERIFY(w->helpWindow()->isVisible());

        action(*w, "MnuView")->trigger();
        QCOMPARE(d.boxTitle(), QStringLiteral("Beating 'Em   "));
        QCOMPARE(d.boxText(), QStringLiteral("Player You are now winning 4 out of  6"));
        d.answer(0);

        action(*w, "MnuErase")->trigger();
        QCOMPARE(d.boxTitle(), QStringLiteral("Really Errase Stats?   "));
        QCOMPARE(d.box().button(1)->caption(), QStringLiteral("Don't erase"));
        d.answer(1);
        QCOMPARE(fileText(dir, "Points.dat"), QByteArray("4,6\r\n"));

        action(*w, "MnuErase")->trigger();
        d.answer(0);
        QCOMPARE(fileText(dir, "Points.dat"), QByteArray("0,0\r\n"));
        action(*w, "MnuView")->trigger();
        QCOMPARE(d.boxTitle(), QStringLiteral("They are Winning   "));  // none won of none played
        d.answer(0);
        const auto dialog = [&] { return w->findChild<QInputDialog*>(QStringLiteral("RenameDialog")); };

        action(*w, "MnuNameWest")->trigger();
        QInputDialog* ask = dialog();
        QVERIFY(ask != nullptr && ask->isVisible());
        QCOMPARE(ask->windowTitle(), QStringLiteral("Enter name of West Bot"));
        QCOMPARE(ask->labelText(), QStringLiteral("Replace West Robot with name of your choice?"));
        QCOMPARE(ask->textValue(), QStringLiteral("West Bot"));
        ask->setTextValue(QStringLiteral("Max"));
        ask->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(d.caption(Label::WestName), QStringLiteral("Max- Welcome Player"));
        QCOMPARE(fileText(dir, "Names2.dat"), QByteArray("\"Player\",\"Max\",\"North Bot\",\"East Bot\"\r\n"));
        QTRY_VERIFY(dialog() == nullptr);  // deleted on close

        action(*w, "MnuNameP")->trigger();
        ask = dialog();
        QCOMPARE(ask->windowTitle(), QStringLiteral("Enter your name "));
        QCOMPARE(ask->textValue(), QStringLiteral("You name please"));
        ask->setTextValue(QStringLiteral("Zed"));
        ask->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(d.caption(Label::SouthName), QStringLiteral("Player"));
        QCOMPARE(d.game().name(South), std::string("Player"));
        QCOMPARE(fileText(dir, "Names2.dat"), QByteArray("\"Player\",\"Max\",\"North Bot\",\"East Bot\"\r\n"));

        // A new window reads the names back.
        auto again = makeWindow(dir, Seed);
        TableDriver d2(*again);
        QCOMPARE(d2.caption(Label::NorthName), QStringLiteral("North Bot - Hello and Welcome Player"));
        QCOMPARE(d2.caption(Label::WestName), QStringLiteral("Max- Welcome Player"));
    }
    // Every key a control of the table answers to is the table's own, so Qt
    // never finds two owners and only moves the focus.
    void addedKeysLeaveTheTablesKeysAlone()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        const auto alt = [](const QString& caption) { return QKeySequence::mnemonic(caption); };
        // The table's own controls and their keys, as they are laid down.
        QList<QKeySequence> tables{QKeySequence(Qt::Key_Return)};
        const QStringList own{"MnuNew",      "MnuExit",   "RulesMnu",    "MnuView",        "MnuErase",
                              "MnuPlay",     "MnuHelp",   "MnuNames",    "MnuStats",       "BtnNextHand",
                              "BtnPutBack",  "ButtonContinue", "CndFinished", "CmdReset"};
        for (const QString& name : own) {
            QObject* o = w->findChild<QObject*>(name);
            QVERIFY2(o != nullptr, qPrintable(name));
            if (const auto* a = qobject_cast<QAction*>(o))
                tables << a->shortcut();
            else if (const auto* menu = qobject_cast<QMenu*>(o))
                tables << alt(menu->title());
            else
                tables << alt(qobject_cast<QAbstractButton*>(o)->text());
        }
        // Keyboard play: the arrows and Space move over and choose the cards.
        QList<QKeySequence> added{QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_Space)};
        QStringList owners{"cards", "cards", "cards"};
        const auto take = [&](const QKeySequence& key, const QString& owner) {
            if (key.isEmpty())
                return;
            added << key;
            owners << owner;
        };
        for (QAction* a : w->menuBar()->actions())
            if (!own.contains(a->menu()->objectName()))
                take(alt(a->text()), a->text());
        for (QAction* a : w->findChildren<QAction*>())
            if (!own.contains(a->objectName()))
                for (const QKeySequence& key : a->shortcuts())
                    take(key, a->objectName());
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (!own.contains(b->objectName()))
                take(alt(b->text()), b->objectName());
        QVERIFY(added.size() > 5);  // Hint, Undo, Last Trick and Options at least
        for (qsizetype i = 0; i < added.size(); ++i) {
            QVERIFY2(!tables.contains(added[i]), qPrintable(owners[i] + " takes " + added[i].toString()));
            QVERIFY2(added.indexOf(added[i], i + 1) < 0, qPrintable(owners[i] + " shares " + added[i].toString()));
        }

        // So Alt+O presses "Carry On" at the first try.
        TableDriver d(*w);
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::CarryOn; }));
        QVERIFY(d.view().carryOnButton()->isVisible());
        QSignalSpy pressed(d.view().carryOnButton(), &QPushButton::clicked);
        QTest::keyClick(w.get(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(pressed.count(), 1);  // a mnemonic presses the button for a moment first
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }
    // The close box asks first, even with no game under way; during a game New
    // Game is refused, Exit asked, and the bid panel's refusals shown. (Exit
    // with no game leaves at once: the settings' tests.)
    void newGameExitAndTheBidPanelDuringAGame()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        TableDriver d(*w);
        QSignalSpy ended(w.get(), &TableWindow::programEnded);
        w->close();
        auto* leave = w->findChild<QMessageBox*>(QStringLiteral("LeaveBox"));
        QVERIFY(leave != nullptr && leave->isVisible());
        QCOMPARE(leave->windowTitle(), QStringLiteral("Really Leave?"));
        QCOMPARE(leave->text(), QStringLiteral("Do you really wish to quit, even if you are in the middle of a game?  "));
        QCOMPARE(leave->defaultButton(), leave->button(QMessageBox::No));
        leave->button(QMessageBox::No)->click();
        QVERIFY(w->isVisible());
        QCOMPARE(ended.count(), 0);

        QVERIFY(toFirstBid(*w, d));
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.box().isVisible());
        QCOMPARE(d.boxTitle(), QStringLiteral("Finish Game   "));
        QCOMPARE(d.boxText(), QStringLiteral("Player you are in the middle of a game. Please finish the current one before "
                                             "starting a new one."));
        d.answer(0);
        QCOMPARE(d.game().awaiting(), Awaiting::Bid);

        const QStringList logBefore = d.log();
        action(*w, "MnuExit")->trigger();
        QCOMPARE(d.boxTitle(), QStringLiteral("Really Exit?   "));
        QCOMPARE(d.box().button(0)->caption(), QStringLiteral("Yes Exit"));
        QCOMPARE(d.box().button(1)->caption(), QStringLiteral("Carry On"));
        d.answer(1);
        QTest::qWait(20);
        QCOMPARE(ended.count(), 0);
        QVERIFY(w->isVisible());
        QCOMPARE(d.game().awaiting(), Awaiting::Bid);
        QVERIFY(d.panel().isVisible());
        QCOMPARE(d.log(), logBefore);

        BidPanelFrame& panel = d.panel();
        QCOMPARE(panel.title(), QStringLiteral("Make your bids"));
        QCOMPARE(panel.levelOption(7)->text(), QStringLiteral("Bid 7 - make 13 tricks"));
        QCOMPARE(panel.trumpsOption(0)->text(), QStringLiteral(" Diamonds"));

        // A level before the trumps. (Which choices are refused, with which
        // message: the bid panel's own tests; here, that the panel shows what
        // the engine kept.)
        d.click(panel.levelOption(5));
        QVERIFY(d.box().isVisible());
        QCOMPARE(d.boxTitle(), QStringLiteral(" Choose trumps first   "));
        QVERIFY(!panel.levelOption(5)->isChecked());
        d.answer(0);
        QVERIFY(!d.box().isVisible());

        // Pass after choosing the trumps: the click ticks the box, the refusal unticks it.
        d.click(panel.trumpsOption(2));
        QVERIFY(panel.trumpsOption(2)->isChecked());
        d.click(panel.passBox());
        QCOMPARE(d.boxTitle(), QStringLiteral("Start Again   "));
        QVERIFY(!panel.passBox()->isChecked());
        d.answer(0);

        // "Finished" with only the trumps chosen clears the panel.
        d.click(panel.finishedButton());
        QCOMPARE(d.boxTitle(), QStringLiteral("Start Again   "));
        d.answer(0);
        QVERIFY(!panel.trumpsOption(2)->isChecked());
        QVERIFY(panel.isVisible());
        QCOMPARE(d.game().awaiting(), Awaiting::Bid);

        // A ticked box, then a whole bid: the click on PASS is refused and
        // unticks the box, so "Finished" bids what the panel shows.
        const int lines = d.log().size();
        d.click(panel.passBox());
        QVERIFY(!d.box().isVisible());
        QVERIFY(panel.passBox()->isChecked());
        d.click(panel.trumpsOption(4));
        d.click(panel.levelOption(7));
        d.click(panel.directionOption(0));
        d.click(panel.passBox());
        QVERIFY(d.box().isVisible());
        QCOMPARE(d.boxTitle(), QStringLiteral("Start Again   "));
        d.answer(0);
        QVERIFY(!panel.passBox()->isChecked());
        QVERIFY(panel.levelOption(7)->isChecked());
        d.click(panel.finishedButton());
        QVERIFY(!d.box().isVisible());
        QVERIFY(d.settle());
        QVERIFY(!panel.isVisible());
        QVERIFY(d.log().mid(lines).contains(QStringLiteral("Player bids 7 HIGH")));
        QVERIFY(d.runUntilTurn(Awaiting::Discards));

        action(*w, "MnuExit")->trigger();
        d.answer(0);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!w->isVisible());
    }
    void menusAnswerDuringAPauseAndTheTableIdles()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        w->choose({Pace::Normal});
        TableDriver d(*w);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        action(*w, "MnuNew")->trigger();
        // The dealer draw pauses 250 ms a card: the table is busy.
        QVERIFY(w->pacer().busy());
        action(*w, "MnuView")->trigger();
        QVERIFY(d.box().isVisible());
        QVERIFY(w->pacer().busy());
        d.answer(0);
        // The draw goes on to the dealer and waits for "Carry On", with no timer left running.
        QVERIFY(QTest::qWaitFor([&] { return d.settled(); }, 30000));
        QCOMPARE(d.game().awaiting(), Awaiting::CarryOn);
        QTest::qWait(10);
        QVERIFY(!w->pacer().timerActive());
        QVERIFY(w->view()->carryOnButton()->isVisible());
        // "Carry On" has the focus, so Return typed at the window deals.
        QVERIFY(w->view()->carryOnButton()->hasFocus());
        QTest::keyClick(w->windowHandle(), Qt::Key_Return);
        QVERIFY(!w->view()->carryOnButton()->isVisible());
        QVERIFY(d.game().awaiting() != Awaiting::CarryOn);
    }
    void tableKeepsItsShapeWhenScaled()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        TableView& view = *w->view();
        const int bar = w->height() - view.height();
        w->resize(1600, 1400 + bar);
        QTRY_COMPARE(view.size(), QSize(1600, 1400));
        const TableScale s = view.scale();
        const QRect area = s.tableArea();
        // Limited by the height; centred across the width.
        QCOMPARE(area.height(), 1400);
        QVERIFY(qAbs(area.width() - qRound(1400.0 * 11760 / 10425)) <= 1);
        QVERIFY(qAbs(area.left() - (1600 - area.right() - 1)) <= 1);
        QCOMPARE(view.cardRect(1).size(), s.rect(0, 0, CardWidth, CardHeight).size());
        QCOMPARE(view.carryOnButton()->font().pixelSize(), qRound(layout::ButtonFont * s.factor()));
        // Twips and pixels map back and forth.
        QVERIFY((s.toTwips(s.point(5280, 5160)) - QPoint(5280, 5160)).manhattanLength() <= 10);

        // The smallest window keeps every text of the table 9 pixels high.
        w->resize(200, 150);
        QTRY_COMPARE(w->size(), w->minimumSize());
        QTRY_VERIFY(view.scale().factor() < 0.8);
        for (const QWidget* c : view.findChildren<QWidget*>())
            if (qobject_cast<const QAbstractButton*>(c) || qobject_cast<const QGroupBox*>(c) ||
                qobject_cast<const QListWidget*>(c))
                QVERIFY2(c->font().pixelSize() >= 9, qPrintable(c->objectName()));
        for (const TopText& t : view.topTexts())
            QVERIFY2(t.font.pixelSize() >= 9 && t.clear.height() >= 9, qPrintable(t.text));

        // A tall window is letterboxed above and below.
        const TableScale tall = TableScale::fit({784, 1000});
        QCOMPARE(tall.tableArea().width(), 784);
        QCOMPARE(tall.tableArea().top(), qRound((1000 - 695) / 2.0));
    }
    // A robot's reason, an aside, is shown apart from the lines; which lines
    // have one, and where, is the session's and the scene's to test.
    void logShowsItsNewestLineAndWrapsAsides()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        MessageLog& log = *w->view()->log();
        const int bar = w->height() - w->view()->height();
        const QString reason = QStringLiteral("North plays the Queen of Hearts because a partner who is winning the trick "
                                              "with a high card is left to win it, and the lowest card that follows suit "
                                              "is thrown instead, keeping the rest for later tricks");
        // Each size is reached from a larger one, where the view showed other lines.
        for (const QSize size : {QSize(1600, 1400), QSize(1000, 900), QSize(784, 695), QSize(640, 560)}) {
            for (int i = 0; i < 12; ++i)
                log.addLine(QStringLiteral("Line %1 at %2 wide").arg(i).arg(size.width()));
            w->view()->apply(step::Log{reason.toStdString(), true});
            w->resize(size.width(), size.height() + bar);
            QTRY_COMPARE(w->view()->size(), size);
            const QRect shown = log.viewport()->rect();
            QTRY_VERIFY2(shown.contains(log.visualItemRect(log.item(log.count() - 1))), qPrintable(QString::number(size.width())));
            const QRect newest = log.visualItemRect(log.item(log.count() - 1));
            QCOMPARE(log.horizontalScrollBar()->maximum(), 0);
            QVERIFY2(newest.height() >= 2 * log.visualItemRect(log.item(log.count() - 2)).height(), "the aside wraps");
            QVERIFY(newest.width() <= shown.width());
            // Indented, and in a colour of its own.
            QVERIFY(log.item(log.count() - 1)->text().startsWith(QStringLiteral("      ") + reason.left(5)));
            QVERIFY(log.item(log.count() - 1)->foreground() != log.item(log.count() - 2)->foreground());
        }
    }
    void labelsStayReadable_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("784 x 695") << QSize(784, 695);
        QTest::newRow("1600 x 1400") << QSize(1600, 1400);
    }
    // Where a seat name or a text of the score panel is painted, the table shows
    // exactly what it shows with no card and no control on it; the panel's lower
    // edge shows above the log.
    void labelsStayReadable()
    {
        QFETCH(QSize, size);
        QTemporaryDir dir;
        auto w = makeWindow(dir, DiscardingSeed);
        TableDriver d(*w);
        TableView& view = d.view();
        w->resize(size.width(), size.height() + w->height() - view.height());
        QTRY_COMPARE(view.size(), size);
        const auto check = [&](const char* stage) {
            const Scene shown = view.scene();
            const QImage table = view.grab().toImage();
            Scene bare = shown;
            for (Card c = 1; c <= 54; ++c)
                bare.apply(step::ShowCard{c, false});
            for (int c = 0; c < ControlCount; ++c)
                bare.apply(step::ShowControl{static_cast<Control>(c), false});
            view.restore(bare);
            const QImage clear = view.grab().toImage();
            view.restore(shown);
            const std::vector<TopText> texts = view.topTexts();
            QVERIFY(texts.size() >= 10);  // the names, the caption and the row and column titles at least
            for (const TopText& t : texts) {
                const QString where = QStringLiteral("%1: \"%2\"").arg(QLatin1String(stage), t.text);
                QVERIFY2(table.copy(t.clear) == clear.copy(t.clear), qPrintable(where));
                QVERIFY2(t.clear.height() >= 9, qPrintable(where));
            }
            const QRect edge = view.scoresLowerEdge();
            for (int x = edge.left(); x <= edge.right(); x += 7)
                QCOMPARE(table.pixelColor(x, edge.bottom()), QColor(200, 220, 190));
        };

        // A long name beside North's hand and one that reaches under the bid panel.
        QVERIFY(toFirstBid(*w, d));
        view.apply(step::Caption{Label::NorthName, "North Bot- Tricks 3"});
        view.apply(step::Caption{Label::WestName, "West Bot BIDS 3 HIGH"});
        check("bidding");
        d.bid();
        // Eighteen cards beside the score panel, the rightmost raised.
        QVERIFY(d.runUntilTurn(Awaiting::Discards));
        std::vector<Card> hand(d.table().hand(South).begin(), d.table().hand(South).end());
        std::sort(hand.begin(), hand.end(), [&](Card a, Card b) { return view.cardRect(a).left() > view.cardRect(b).left(); });
        for (int i = 0; i < 3; ++i)
            d.clickCard(hand[i]);
        QVERIFY(d.settle());
        QCOMPARE(d.table().selected.count(), 3);
        check("discarding");
    }
    // The table's helps through the window, in one game: Undo (Ctrl+Z), Hint
    // (H), Last Trick (L, or a click on the empty trick area) and the review of
    // the last hand. What each one chooses is the session's to test; here,
    // only what needs a widget.
    void theHelpsAtTheTable()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, DiscardingSeed);
        TableDriver d(*w);
        QAction* undoItem = action(*w, "MnuUndo");
        QAction* hint = action(*w, "MnuHint");
        QAction* last = action(*w, "MnuLastTrick");
        QAction* review = action(*w, "MnuReview");
        QVERIFY(!hint->isEnabled());
        action(*w, "MnuExplain")->trigger();
        action(*w, "MnuNew")->trigger();

        // Bidding: a touched panel comes back untouched; the hint sets the
        // bid on the panel's own buttons.
        QVERIFY(d.runUntilTurn(Awaiting::Bid));
        QVERIFY(!undoItem->isEnabled() && !review->isEnabled() && hint->isEnabled());
        const CardSet southDealt = d.table().hand(South);
        const TableState bidTable = d.table();
        d.click(d.panel().trumpsOption(2));
        QVERIFY(undoItem->isEnabled());
        undo(*w);
        QVERIFY(d.table() == bidTable);
        QVERIFY(!d.panel().trumpsOption(2)->isChecked());
        QVERIFY(d.panel().isVisible());
        QTest::keyClick(w.get(), Qt::Key_H);
        QVERIFY(d.settle());
        const BidPanel& hinted = d.table().panel;  // the hint's bid shown on the panel's buttons
        QCOMPARE(d.panel().passBox()->isChecked(), hinted.pass);
        QVERIFY(hinted.pass || d.panel().levelOption(hinted.level)->isChecked());
        d.click(d.panel().finishedButton());

        // The card is ringed where it lies: its dashed colour shows on the card's edge.
        QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
        QVERIFY(!last->isEnabled());
        const Hint card = hintFor(d.game());
        QTest::keyClick(w.get(), Qt::Key_H);
        QVERIFY(d.settle());
        QCOMPARE(d.view().scene().rings(), CardSet::of(card.card));
        const QImage shot = d.view().grab().toImage();
        const QRect r = d.view().cardRect(card.card);
        bool ringed = false;
        for (int y = r.top(); y < r.bottom() && !ringed; ++y)
            for (int x = r.left(); x < r.left() + 8 && !ringed; ++x)
                ringed = shot.pixelColor(x, y) == QColor(120, 215, 255);
        QVERIFY(ringed);
        d.clickCard(card.card);
        QVERIFY(d.view().scene().rings().empty());

        // The trick just gathered, over the table until the next click or key,
        // which does nothing else: Space would otherwise play the focused card.
        QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
        QVERIFY(last->isEnabled());
        QTest::keyClick(w.get(), Qt::Key_L);
        QVERIFY(d.view().scene().showingTrick());
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

        // A card taken back: the cards, captions, controls and log as they were.
        QVERIFY(d.runUntil([&] { return d.cardsPlayed == 2 && d.game().awaiting() == Awaiting::PlayCard; }));
        const TableState third = d.table();
        const Scene thirdShown = d.view().scene();
        const QStringList thirdLog = d.log();
        d.playCard();
        QVERIFY(d.runUntilTurn(Awaiting::PlayCard));
        QVERIFY(d.log().size() > thirdLog.size());
        undo(*w);
        QVERIFY(d.table() == third);
        QVERIFY(d.view().scene() == thirdShown);
        QCOMPARE(d.log(), thirdLog);
        QVERIFY(!w->pacer().busy());
        QVERIFY(d.view().focusedCard() != NoCard);  // the keys reach South's cards again

        // "Review" beside the end-of-hand message's first button, which stays as
        // it was; the game goes on meanwhile.
        QVERIFY(handEndAsked(d));
        const QString boxText = d.boxText();
        QVERIFY(d.box().button(0)->caption() != QStringLiteral("Review"));
        QCOMPARE(d.box().button(1)->caption(), QStringLiteral("Review"));
        QVERIFY(d.box().button(1)->isVisible() && !d.box().button(2)->isVisible());
        const QStringList logBefore = d.log();
        d.answer(1);
        ReviewWindow* rw = w->reviewWindow();
        QVERIFY(rw != nullptr && rw->isVisible());
        QCOMPARE(rw->windowTitle(), QStringLiteral("Review of Hand 1"));
        const QString text = rw->text();
        QStringList south;
        for (Card c : southDealt)
            south << cardText(c);
        QVERIFY2(text.contains(south.join(QStringLiteral(", "))), qPrintable(text.left(400)));
        for (Seat s = South; s <= East; ++s)
            QVERIFY(text.contains(QString::fromStdString(d.game().name(s))));
        // The robots' reasons in the words of the log, not the records' rule ids.
        QVERIFY(text.contains(QStringLiteral(" because ")));
        QVERIFY(!text.contains(QStringLiteral("PlayIt")) && !text.contains(QStringLiteral("NoTrumps")));
        QVERIFY2(text.contains(boxText.simplified()), qPrintable(boxText));
        for (const char* part : {"Bidding", "Contract", "Discards", "Points"})
            QVERIFY(text.contains(QLatin1String(part)));
        QVERIFY(d.game().awaiting() != Awaiting::Answer);
        QCOMPARE(d.log().mid(0, logBefore.size()), logBefore);
        QVERIFY(review->isEnabled());
        rw->hide();
        review->trigger();
        QVERIFY(rw->isVisible());
        rw->hide();

        // Closing the next hand's box answers its first button.
        QVERIFY(handEndAsked(d));
        QCOMPARE(d.box().closeAnswer(), 0);
        QTest::keyClick(&d.box(), Qt::Key_Escape);
        QCOMPARE(d.box().lastAnswer(), 0);
        QVERIFY(!rw->isVisible());
        QVERIFY(d.game().awaiting() != Awaiting::Answer);
    }
    void aLongNameIsCutAtAWord()
    {
        HandReview hand;
        hand.names = {"", "Alexandra Bartholomew Cunningham", "Wolfeschlegelsteinhausenbergerdorff", "North", "East"};
        hand.declarer = South;
        const QString html = reviewHtml(hand);
        QVERIFY(html.contains(QStringLiteral("Alexandra Bartholomew\u2026")));
        QVERIFY(!html.contains(QStringLiteral("Cunningham")));
        QVERIFY(html.contains(QStringLiteral("Wolfeschlegelsteinhausen\u2026")));  // one word: its first 24 letters
    }
};

QTEST_MAIN(TestTableWindow)
#include "test_table_window.moc"
