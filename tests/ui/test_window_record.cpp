// `--record FILE`: the window appends the record of every game played in
// it, South's actions as the person made them, and the simulator's replay
// reproduces it exactly.
#include <QFile>
#include <QInputDialog>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "record/record_reader.h"
#include "record/replay.h"
#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

// A game in which South wins the bid, discards and plays.
constexpr std::uint64_t Seed = 40;

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

}  // namespace

class TestWindowRecord : public QObject {
    Q_OBJECT
private slots:
    void wholeGamesReplay();
    void noFileWithoutTheOption();
    void aFailedWriteIsTold();
    void aGameFromADealNumberReplays();
    void renamesDuringAGameReplay();
};

// A seat renamed in the middle of a hand, and that turn then taken back:
// the lines after it use the new name, and the replay must know it.
void TestWindowRecord::renamesDuringAGameReplay()
{
    QTemporaryDir dir;
    const TableOptions options = recording(dir);
    {
        auto w = makeWindow(dir, Seed, nullptr, options);
        TableDriver d(*w);
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::PlayCard && d.game().table().tricksPlayed > 0; }));
        action(*w, "MnuNameWest")->trigger();
        QInputDialog* ask = nullptr;
        QVERIFY(QTest::qWaitFor([&] { return (ask = w->findChild<QInputDialog*>()) && ask->isVisible(); }));
        ask->setTextValue(QStringLiteral("Zoë \\ Max"));
        ask->accept();
        QCOMPARE(d.game().name(West), std::string("Zoë \\ Max"));
        QAction* undo = action(*w, "MnuUndo");
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QVERIFY(gameOver(d));
    }
    const std::vector<std::string> lines = fileLines(options.recordFile);
    const auto renames = std::count_if(lines.begin(), lines.end(),
                                       [](const std::string& l) { return l.rfind("{\"type\":\"rename\"", 0) == 0; });
    QCOMPARE(renames, 1);
    const record::ReplayResult r = record::replayFile(options.recordFile);
    QVERIFY2(r.status == 0, r.message.c_str());
    QCOMPARE(r.games, 1L);
    QCOMPARE(r.lines, static_cast<long>(lines.size()));
}

void TestWindowRecord::aGameFromADealNumberReplays()
{
    QTemporaryDir dir;
    TableOptions options = recording(dir);
    options.deal = 123456;
    {
        auto w = makeWindow(dir, Seed, nullptr, options);
        TableDriver d(*w);
        QVERIFY(gameOver(d));
    }
    const record::ReplayResult r = record::replayFile(options.recordFile);
    QVERIFY2(r.status == 0, r.message.c_str());
    QCOMPARE(r.games, 1L);
}

void TestWindowRecord::wholeGamesReplay()
{
    QTemporaryDir dir;
    const TableOptions options = recording(dir);
    {
        auto w = makeWindow(dir, Seed, nullptr, options);
        TableDriver d(*w);
        action(*w, "MnuNew")->trigger();
        QVERIFY(gameOver(d));
        // The driver's false starts were made and are not in the record.
        QVERIFY(d.discards > 0);
        QVERIFY(d.refusedFollowSuit);
        QVERIFY(d.faults.isEmpty());
    }
    const std::vector<std::string> lines = fileLines(options.recordFile);
    std::size_t twoGames = 0;
    {
        // A second game in another run appends after the first.
        auto w = makeWindow(dir, Seed + 1, nullptr, options);
        TableDriver d(*w);
        action(*w, "MnuNew")->trigger();
        QVERIFY(gameOver(d));
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
    std::string error;
    record::LineParser parser;
    record::RecordLine first;
    QVERIFY2(parser.read(lines.front(), first, error), error.c_str());
    QVERIFY(first.is(record::line::game));
    QCOMPARE(first.string(record::field::south), std::string_view("human"));
    QCOMPARE(first.unsignedInteger(record::field::seed), Seed);
    QVERIFY(lines.back().rfind("{\"type\":\"game_end\"", 0) == 0);
    QCOMPARE(all.lines, static_cast<long>(fileLines(options.recordFile).size()));
    QVERIFY(all.lines > static_cast<long>(lines.size()));
}

void TestWindowRecord::noFileWithoutTheOption()
{
    QTemporaryDir dir;
    {
        auto w = makeWindow(dir, Seed);
        TableDriver d(*w);
        action(*w, "MnuNew")->trigger();
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::PlayCard; }));
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("games.jsonl"))));
}

// A full disk: the hand's lines cannot be written, and the log says so.
void TestWindowRecord::aFailedWriteIsTold()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full to stand for a full disk");
    QTemporaryDir dir;
    TableOptions options;
    options.recordFile = "/dev/full";
    auto w = makeWindow(dir, Seed, nullptr, options);
    TableDriver d(*w);
    const QString told = QStringLiteral("The game record could not be written to /dev/full.");
    QVERIFY(!d.log().contains(told));
    action(*w, "MnuNew")->trigger();
    QVERIFY(d.runUntil([&] { return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer; }));
    QCOMPARE(d.log().count(told), 1);
}

QTEST_MAIN(TestWindowRecord)
#include "test_window_record.moc"
