#include <QAction>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>

#include "sim/simulation.h"
#include "support/dealt.h"
#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using corvane::testing::Dealt;
using corvane::testing::dealtOf;
using corvane::testing::TableDriver;
using corvane::testing::action;
using corvane::testing::fileText;
using corvane::testing::writeFile;

namespace {

constexpr std::uint64_t Seed = 20240611;
const QString NotCounted =
    QStringLiteral(" This game began from a replayed or chosen deal, so it is not counted in the statistics.");

// The first hand the simulator deals for a game begun from `deal`.
Dealt simulatedDeal(std::uint64_t deal)
{
    sim::Options o;
    o.seed = 99;
    o.deal = deal;
    Dealt first;
    int dealt = 0;
    sim::simulate(o, [&](const Event& e, const TableState&, const Game& g) {
        if (e.is<ev::CardDealt>() && ++dealt == 54)
            first = dealtOf(g.table());
    });
    return first;
}

std::unique_ptr<TableWindow> makeWindow(const QTemporaryDir& dir, std::optional<std::uint64_t> deal = {})
{
    TableOptions options;
    options.deal = deal;
    return corvane::testing::makeWindow(dir, Seed, nullptr, options);
}

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

// Plays the game to the message that ends it and answers it; that message's
// text, and every hand dealt on the way.
QString playToTheEnd(TableDriver& d, std::vector<Dealt>* hands = nullptr)
{
    std::optional<std::uint64_t> seen;
    const bool ended = d.runUntil([&] {
        if (hands && d.game().awaiting() == Awaiting::Bid && d.game().dealNumber() != seen) {
            seen = d.game().dealNumber();
            hands->push_back(dealtOf(d.table()));
        }
        return d.box().isVisible() && isEndTitle(d.boxTitle().trimmed());
    }, 20000);
    if (!ended)
        return {};
    const QString text = d.boxText();
    d.answer(0);
    d.settle();
    return text;
}

}  // namespace

class TestDealNumbers : public QObject {
    Q_OBJECT
private slots:
    void sameDealInTheWindowAndTheSimulator_data();
    void sameDealInTheWindowAndTheSimulator();
    void titleShowsTheHandInPlay();
    void dealNumberDialogRefusesBadNumbersAndCancels();
    void replayedAndChosenGamesLeaveTheStatisticsFile();
};

void TestDealNumbers::sameDealInTheWindowAndTheSimulator_data()
{
    QTest::addColumn<quint64>("deal");
    QTest::newRow("South deals") << quint64(dealNumber({31415926U, South}));
    QTest::newRow("East deals") << quint64(MaxDealNumber);
}

void TestDealNumbers::sameDealInTheWindowAndTheSimulator()
{
    QFETCH(quint64, deal);
    QTemporaryDir dir;
    auto w = makeWindow(dir, deal);  // as corvane --deal N starts
    TableDriver d(*w);
    QVERIFY(d.runUntil([&] { return awaitingBid(d); }));
    QCOMPARE(d.game().chosenDeal(), std::optional<std::uint64_t>(deal));
    QCOMPARE(d.game().dealNumber(), std::optional<std::uint64_t>(deal));
    QCOMPARE(w->windowTitle(), title(deal));
    const Dealt inWindow = dealtOf(d.table());
    QCOMPARE(inWindow.dealer, dealOf(deal)->dealer);
    QVERIFY(inWindow == simulatedDeal(deal));
    QVERIFY(d.faults.isEmpty());
}

void TestDealNumbers::titleShowsTheHandInPlay()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir);
    TableDriver d(*w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Corvane"));
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntil([&] { return awaitingBid(d); }));
    const std::optional<std::uint64_t> first = d.game().dealNumber();
    QVERIFY(first.has_value());
    QCOMPARE(w->windowTitle(), title(*first));
    QVERIFY(!d.game().chosenDeal().has_value());  // a default game

    // The next hand shows its own number.
    QVERIFY(d.runUntil([&] { return awaitingBid(d) && d.game().dealNumber() != first; }));
    QCOMPARE(w->windowTitle(), title(*d.game().dealNumber()));
    QCOMPARE(dealOf(*d.game().dealNumber())->dealer, d.table().dealer);
}

void TestDealNumbers::dealNumberDialogRefusesBadNumbersAndCancels()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir);
    TableDriver d(*w);
    const QStringList logBefore = d.log();

    action(*w, "MnuDealNumber")->trigger();
    QInputDialog* ask = dealDialog(*w);
    QVERIFY(ask != nullptr);
    QCOMPARE(ask->windowTitle(), QStringLiteral("Deal Number"));
    QCOMPARE(ask->textValue(), QString());  // nothing dealt yet to propose
    const QString prompt = QStringLiteral("The number of the deal to play, from 0 to 17179869183:");
    QCOMPARE(ask->labelText(), prompt);

    // A bad number asks again, saying why, with what was typed.
    const std::pair<const char*, const char*> bad[] = {
        {"12x", "\"12x\" is not a deal number: a deal number is a whole number from 0 to 17179869183."},
        {"17179869184", "17179869184 is too large: a deal number is a whole number from 0 to 17179869183."},
        {"", "Please type a deal number: a deal number is a whole number from 0 to 17179869183."}};
    for (const auto& [typed, why] : bad) {
        ask->setTextValue(QString::fromUtf8(typed));
        ask->accept();
        QTRY_VERIFY(!ask->isVisible());
        ask = dealDialog(*w);
        QVERIFY2(ask != nullptr, typed);
        QCOMPARE(ask->labelText(), QString::fromUtf8(why) + QStringLiteral("\n\n") + prompt);
        QCOMPARE(ask->textValue(), QString::fromUtf8(typed));
        QCOMPARE(d.game().awaiting(), Awaiting::NewGame);
    }
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

void TestDealNumbers::replayedAndChosenGamesLeaveTheStatisticsFile()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Points.dat")), "4,6\r\n");
    auto w = makeWindow(dir);
    TableDriver d(*w);
    QMenu* play = w->findChild<QMenu*>(QStringLiteral("MnuPlay"));
    QVERIFY(play != nullptr);
    emit play->aboutToShow();
    QVERIFY(!action(*w, "MnuReplayDeal")->isEnabled());  // nothing dealt yet

    // A default game is counted.
    action(*w, "MnuNew")->trigger();
    std::vector<Dealt> hands;
    const QString plain = playToTheEnd(d, &hands);
    QVERIFY(!plain.isEmpty());
    QVERIFY(!plain.endsWith(NotCounted));
    const QByteArray counted = fileText(dir, "Points.dat");
    QVERIFY(counted != "4,6\r\n");
    QVERIFY(counted.endsWith(",7\r\n"));

    // Its last hand replayed: the same cards, the same dealer, not counted.
    emit play->aboutToShow();
    QVERIFY(action(*w, "MnuReplayDeal")->isEnabled());
    const std::uint64_t last = *d.game().dealNumber();
    action(*w, "MnuReplayDeal")->trigger();
    std::vector<Dealt> replayed;
    const QString ended = playToTheEnd(d, &replayed);
    QVERIFY(!replayed.empty());
    QVERIFY(replayed.front() == hands.back());
    QVERIFY2(ended.endsWith(NotCounted), qPrintable(ended));
    QCOMPARE(fileText(dir, "Points.dat"), counted);
    QCOMPARE(d.game().statistics().gamesPlayed, 7);
    QVERIFY(d.game().chosenDeal() == last);

    // And a chosen one, started from the command line's option.
    w.reset();
    auto chosen = makeWindow(dir, dealNumber({123U, West}));
    TableDriver c(*chosen);
    QVERIFY(playToTheEnd(c).endsWith(NotCounted));
    QCOMPARE(fileText(dir, "Points.dat"), counted);
    QVERIFY(d.faults.isEmpty() && c.faults.isEmpty());
}

QTEST_MAIN(TestDealNumbers)
#include "test_deal_numbers.moc"
