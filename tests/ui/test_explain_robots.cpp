// Options > "Explain Robot Play": off by default and remembered; when on,
// each robot action's reason follows its own lines in the log, indented and
// coloured; when off, the log is exactly as it always was.
#include <QListWidgetItem>
#include <QtTest>

#include "engine/explain.h"
#include "table_driver.h"
#include "window_fixture.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

constexpr std::uint64_t Seed = 31;

struct LogRow {
    QString text;
    QColor colour;
};

// The log of the first hand, played through the window's controls; the
// explanations turned on and off as asked before the game starts.
QList<LogRow> firstHandLog(bool everOn, bool onDuringHand)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(QStringLiteral("corvane.ini")));
    auto w = makeWindow(dir, Seed, &settings);
    TableDriver d(*w);
    QAction* explain = action(*w, "MnuExplain");
    if (everOn) {
        explain->trigger();
        explain->trigger();
    }
    if (onDuringHand)
        explain->trigger();
    action(*w, "MnuNew")->trigger();
    const bool scored = d.runUntil([&] { return d.box().isVisible() && d.game().awaiting() == Awaiting::Answer; });
    if (!scored)
        qWarning("the hand did not end");
    QList<LogRow> rows;
    const MessageLog* log = w->view()->log();
    for (int r = 0; r < log->count(); ++r)
        rows.push_back({log->item(r)->text(), log->item(r)->foreground().color()});
    return rows;
}

QStringList texts(const QList<LogRow>& rows)
{
    QStringList out;
    for (const LogRow& r : rows)
        out << r.text;
    return out;
}

}  // namespace

class TestExplainRobots : public QObject {
    Q_OBJECT
private slots:
    void offByDefaultAndRemembered();
    void reasonsFollowTheirActionsOnlyWhenOn();
};

void TestExplainRobots::offByDefaultAndRemembered()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corvane.ini"));
    {
        Settings settings(file);
        auto w = makeWindow(dir, Seed, &settings);
        QAction* explain = action(*w, "MnuExplain");
        QVERIFY(explain != nullptr);
        QCOMPARE(explain->text(), QStringLiteral("&Explain Robot Play"));
        QVERIFY(explain->isCheckable());
        QVERIFY(!explain->isChecked());
        QVERIFY(!w->explainingRobots());
        explain->trigger();
        QVERIFY(w->explainingRobots());
    }
    Settings again(file);
    QVERIFY(again.explainRobots());
    auto w = makeWindow(dir, Seed, &again);
    QVERIFY(action(*w, "MnuExplain")->isChecked());
    QVERIFY(w->explainingRobots());
    action(*w, "MnuExplain")->trigger();
    QVERIFY(!Settings(file).explainRobots());
}

void TestExplainRobots::reasonsFollowTheirActionsOnlyWhenOn()
{
    const QList<LogRow> plain = firstHandLog(false, false);
    // Turned on and off again before the game, the log is as it always was.
    QVERIFY(plain.size() > 60);
    QCOMPARE(texts(firstHandLog(true, false)), texts(plain));
    const QList<LogRow> explained = firstHandLog(false, true);
    QList<LogRow> own;
    int asides = 0;
    QStringList robotCards;
    for (int r = 0; r < explained.size(); ++r) {
        const LogRow& row = explained[r];
        if (!row.text.startsWith(QStringLiteral("      "))) {
            own.push_back(row);
            continue;
        }
        ++asides;
        QVERIFY2(row.colour != plain.front().colour, qPrintable(row.text));
        QVERIFY2(row.text.endsWith(QLatin1Char('.')) && row.text.contains(QStringLiteral(" because ")),
                 qPrintable(row.text));
        // The reason of a card names the card its own line just played.
        QVERIFY(r > 0);
        if (row.text.contains(QStringLiteral(" plays "))) {
            const QString card = row.text.section(QStringLiteral(" plays "), 1).section(QStringLiteral(" because "), 0, 0);
            QVERIFY2(explained[r - 1].text.contains(card), qPrintable(explained[r - 1].text + " / " + row.text));
            robotCards << card;
        }
    }
    QCOMPARE(texts(own), texts(plain));
    // The three robots' 36 cards, and their bids or passes besides.
    QCOMPARE(robotCards.size(), 36);
    QVERIFY(asides > 36);
}

QTEST_MAIN(TestExplainRobots)
#include "test_explain_robots.moc"
