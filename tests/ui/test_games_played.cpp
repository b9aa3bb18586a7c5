// Games played through the window: whole games through its controls and the
// record it writes, chosen and replayed deals, and a hand played with the
// keys alone.
#include <QApplication>
#include <QInputDialog>
#include <QMenu>

#include <fstream>

#include "record/replay.h"
#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

constexpr std::uint64_t Seed = 20240611;
// A game in which South wins the bid, discards and plays.
constexpr std::uint64_t DiscardingSeed = 40;
// One in which South wins a No Trumps bid.
constexpr std::uint64_t NoTrumpsSeed = 8;

QString title(std::uint64_t deal) { return QString::fromUtf8("Corvane — Deal %1").arg(deal); }

// The dialog the deal item opened, once it shows.
QInputDialog* dealDialog(const TableWindow& w)
{
    QInputDialog* found = nullptr;
    static_cast<void>(QTest::qWaitFor([&] {
        for (QInputDialog* d : w.findChildren<QInputDialog*>(QStringLiteral("DealNumberDialog")))
            if (d->isVisible())
                found = d;
        return found != nullptr;
    }, 2000));
    return found;
}

bool awaitingBid(const TableDriver& d) { return !d.box().isVisible() && d.game().awaiting() == Awaiting::Bid; }

bool isEndTitle(const QString& t)
{
    return t == QLatin1String("You Win!") || t == QLatin1String("You Lost!") || t == QLatin1String("You Won!");
}

// Plays the game to the message that ends it and answers it; that message's text.
QString playToTheEnd(TableDriver& d)
{
    const bool ended =
        d.runUntil([&] { return d.box().isVisible() && isEndTitle(d.boxTitle().trimmed()); }, 20000);
    if (!ended)
        return {};
    const QString text = d.boxText();
    d.answer(0);
    d.settle();
    return text;
}

TableOptions recording(const QTemporaryDir& dir)
{
    TableOptions options;
    options.recordFile = dir.filePath(QStringLiteral("games.jsonl")).toStdString();
    return options;
}

std::vector<std::string> fileLines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool gameOver(TableDriver& d)
{
    return d.runUntil([&] { return d.game().awaiting() == Awaiting::NewGame && !d.box().isVisible(); });
}

QWidget* focused() { return QApplication::focusWidget(); }

void press(int key)
{
    QWidget* at = focused();
    QVERIFY(at != nullptr);
    QTest::keyClick(at, static_cast<Qt::Key>(key));
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
    auto w = makeWindow(dir, seed);
    w->activateWindow();
    return w;
}

}  // namespace

class TestGamesPlayed : public QObject {
    Q_OBJECT
private slots:
    // Expert robots decide on a thread of their own; the table waits for
    // each answer and never freezes. The window starts at the deal asked for,
    // as corvane --deal N starts (that a number deals the same cards whatever
    // the seed: the engine's tests).
    void expertRobotsPlayAChosenDeal()
    {
        QTemporaryDir dir;
        TableOptions options;
        options.choices.robots = RobotLevel::Expert;
        options.deal = MaxDealNumber;
        auto w = makeWindow(dir, Seed, nullptr, options);
        TableDriver d(*w);
        QVERIFY(d.runUntil([&] { return awaitingBid(d); }));
        QCOMPARE(d.game().chosenDeal(), std::optional<std::uint64_t>(MaxDealNumber));
        QCOMPARE(w->windowTitle(), title(MaxDealNumber));
        QCOMPARE(d.table().dealer, East);
        QVERIFY(d.runUntil([&] { return w->session().lastHand().has_value(); }));
        QVERIFY(d.faults.isEmpty());
        QCOMPARE(w->game().check(), std::string());
    }
    void dealNumberDialogRefusesBadNumbersAndCancels()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        TableDriver d(*w);
        const QStringList logBefore = d.log();

        action(*w, "MnuDealNumber")->trigger();
        QInputDialog* ask = dealDialog(*w);
        QVERIFY(ask != nullptr);
        QCOMPARE(ask->windowTitle(), QStringLiteral("Deal Number"));
        QCOMPARE(ask->textValue(), QString());  // nothing dealt yet to propose
        const QString prompt = QStringLiteral("The number of the deal to play, from 0 to 17179869183:");
        QCOMPARE(ask->labelText(), prompt);

        // A bad number asks again, saying why, with what was typed (the words
        // of each refusal: the engine's tests).
        ask->setTextValue(QStringLiteral("12x"));
        ask->accept();
        QTRY_VERIFY(!ask->isVisible());
        ask = dealDialog(*w);
        QVERIFY(ask != nullptr);
        QCOMPARE(ask->labelText(), QStringLiteral("\"12x\" is not a deal number: a deal number is a whole number "
                                                  "from 0 to 17179869183.\n\n") + prompt);
        QCOMPARE(ask->textValue(), QStringLiteral("12x"));
        QCOMPARE(d.game().awaiting(), Awaiting::NewGame);
        // Cancel starts nothing.
        ask->reject();
        QTRY_VERIFY(dealDialog(*w) == nullptr);
        QCOMPARE(d.game().awaiting(), Awaiting::NewGame);
        QCOMPARE(d.log(), logBefore);
        QCOMPARE(w->windowTitle(), QStringLiteral("Corvane"));

        // A good one starts the game there.
        const std::uint64_t deal = dealNumber({5U, North});
        action(*w, "MnuDealNumber")->trigger();
        ask = dealDialog(*w);
        QVERIFY(ask != nullptr);
        ask->setTextValue(QStringLiteral(" %1 ").arg(deal));
        ask->accept();
        QVERIFY(d.runUntil([&] { return awaitingBid(d); }));
        QCOMPARE(d.game().dealNumber(), std::optional<std::uint64_t>(deal));
        QCOMPARE(d.table().dealer, North);

        // During a game it is refused as New Game is, before anything is typed.
        action(*w, "MnuDealNumber")->trigger();
        QTRY_VERIFY(d.box().isVisible());
        QCOMPARE(d.boxTitle().trimmed(), QStringLiteral("Finish Game"));
        QVERIFY(dealDialog(*w) == nullptr);
        d.answer(0);
        action(*w, "MnuReplayDeal")->trigger();
        QTRY_VERIFY(d.box().isVisible());
        QCOMPARE(d.boxTitle().trimmed(), QStringLiteral("Finish Game"));
        d.answer(0);
        QCOMPARE(d.game().dealNumber(), std::optional<std::uint64_t>(deal));
    }
    // The title shows the hand in play; Replay This Deal, offered once a
    // hand is dealt, plays the last one again (that it is not counted: the
    // engine's tests).
    void replayedDealAndTheTitle()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, Seed);
        TableDriver d(*w);
        QMenu* play = w->findChild<QMenu*>(QStringLiteral("MnuPlay"));
        QVERIFY(play != nullptr);
        emit play->aboutToShow();
        QVERIFY(!action(*w, "MnuReplayDeal")->isEnabled());  // nothing dealt yet
        QCOMPARE(w->windowTitle(), QStringLiteral("Corvane"));

        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return awaitingBid(d); }));
        const std::optional<std::uint64_t> first = d.game().dealNumber();
        QVERIFY(first.has_value());
        QCOMPARE(w->windowTitle(), title(*first));
        QVERIFY(d.runUntil([&] { return awaitingBid(d) && d.game().dealNumber() != first; }));
        QCOMPARE(w->windowTitle(), title(*d.game().dealNumber()));
        QVERIFY(!playToTheEnd(d).isEmpty());

        emit play->aboutToShow();
        QVERIFY(action(*w, "MnuReplayDeal")->isEnabled());
        const std::uint64_t last = *d.game().dealNumber();
        action(*w, "MnuReplayDeal")->trigger();
        QVERIFY(!playToTheEnd(d).isEmpty());
        QVERIFY(d.game().chosenDeal() == last);
        QVERIFY(d.faults.isEmpty());
        // Games were played and one left in play when the window closed, but
        // no record was asked for.
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::PlayCard; }));
        w.reset();
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("games.jsonl"))));
    }
    // A whole game through the window's controls (South bidding Spades, then
    // in another run No Trumps, each false start of the driver refused on the
    // way), checked at every step and at its end. With `--record FILE` the
    // window appends the record of every game played in it, South's actions as
    // the person made them, and the simulator's replay reproduces it exactly.
    void wholeGamesReplay()
    {
        QTemporaryDir dir;
        const TableOptions options = recording(dir);
        {
            auto w = makeWindow(dir, DiscardingSeed, nullptr, options);
            TableDriver d(*w);
            action(*w, "MnuNew")->trigger();
            QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::CarryOn; }));
            int dealers = 0;
            for (Seat s = South; s <= East; ++s)
                dealers += d.view().scene().shown(dealerMarker(s));
            QCOMPARE(dealers, 1);
            bool sawTricks = false;
            while (d.faults.isEmpty() && d.act()) {
                const std::string fault = d.game().check();
                QVERIFY2(fault.empty(), fault.c_str());
                for (Seat s = South; s <= East; ++s)
                    sawTricks = sawTricks || d.caption(nameLabel(s)).contains(QStringLiteral("- Tricks "));
            }
            QVERIFY2(d.faults.isEmpty(), qPrintable(d.faults.join(QStringLiteral("; "))));
            QCOMPARE(d.game().awaiting(), Awaiting::NewGame);
            QVERIFY(sawTricks);
            QVERIFY2(d.discards > 0, "the seed no longer gives South a contract: choose another");
            QVERIFY(d.refusedFollowSuit);
            const QString end = d.titles.last();
            QVERIFY2(end == QStringLiteral("You Win!   ") || end == QStringLiteral("You Lost!   "), qPrintable(end));
            // The panel shows what the engine counted, and the game is on disk.
            const TableState& t = d.table();
            QCOMPARE(d.caption(Label::YourScore).toInt(), t.gamePoints[OurTeam]);
            QCOMPARE(d.caption(Label::TheirScore).toInt(), t.gamePoints[TheirTeam]);
            QCOMPARE(d.caption(Label::YourMade).toInt() + d.caption(Label::TheirMade).toInt(), 13);
            const Statistics stats = d.game().statistics();
            QCOMPARE(stats.gamesPlayed, 1);
            QCOMPARE(fileText(dir, "Points.dat"), QByteArray::number(stats.gamesWon) + ",1\r\n");
            QCOMPARE(end == QStringLiteral("You Win!   "), stats.gamesWon == 1);
        }
        const std::vector<std::string> lines = fileLines(options.recordFile);
        std::size_t twoGames = 0;
        {
            // A second game in another run appends after the first.
            auto w = makeWindow(dir, NoTrumpsSeed, nullptr, options);
            TableDriver d(*w);
            d.trumpsOption = 4;
            action(*w, "MnuNew")->trigger();
            QVERIFY(gameOver(d));
            QVERIFY2(d.faults.isEmpty(), qPrintable(d.faults.join(QStringLiteral("; "))));
            QVERIFY(d.titles.contains(QStringLiteral("Jokers must be discarded.   ")));
            action(*w, "MnuNew")->trigger();  // and a third, in the same window, left at its first card
            QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::PlayCard; }));
            twoGames = fileLines(options.recordFile).size();
        }
        // A hand in play is written when it is scored, or when the program ends.
        QVERIFY(twoGames > lines.size());
        QVERIFY(fileLines(options.recordFile).size() > twoGames);
        const record::ReplayResult all = record::replayFile(options.recordFile);
        QVERIFY2(all.status == 0, all.message.c_str());
        QCOMPARE(all.games, 3L);
        QVERIFY(lines.size() > 100);
        QCOMPARE(all.lines, static_cast<long>(fileLines(options.recordFile).size()));
        QVERIFY(all.lines > static_cast<long>(lines.size()));
    }
    // A full disk: the hand's lines cannot be written, and the log says so.
    void aFailedWriteIsTold()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full to stand for a full disk");
        QTemporaryDir dir;
        TableOptions options;
        options.recordFile = "/dev/full";
        auto w = makeWindow(dir, DiscardingSeed, nullptr, options);
        TableDriver d(*w);
        const QString told = QStringLiteral("The game record could not be written to /dev/full.");
        QVERIFY(!d.log().contains(told));
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer; }));
        QCOMPARE(d.log().count(told), 1);
    }
    // A seeded hand played with the keyboard alone: F2, Return on "Carry On",
    // Tab and Space through the bid panel, Left, Right and Space on the cards.
    void wholeHandWithKeysOnly()
    {
        QTemporaryDir dir;
        auto w = start(dir);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        TableView* view = w->view();
        const TableState& t = w->game().table();
        const TableDriver d(*w);
        QTest::keyClick(w.get(), Qt::Key_F2);
        int played = 0;
        int bids = 0;
        for (int guard = 0; guard < 400; ++guard) {
            QVERIFY(d.settle());
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
    void arrowsStopAtTheEndsOfTheHand()
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
    void returnFinishesSixPicks()
    {
        QTemporaryDir dir;
        auto w = start(dir, DiscardingSeed);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        TableDriver d(*w);
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

};

QTEST_MAIN(TestGamesPlayed)
#include "test_games_played.moc"
