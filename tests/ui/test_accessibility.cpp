// What a screen reader is given: the painted cards as named children of the
// table, the seat names and score panel as texts, and each new log line.
#include <QAccessible>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "table_driver.h"
#include "ui/table_accessibility.h"
#include "window_fixture.h"

using namespace corvane;
using corvane::testing::TableDriver;

namespace {

struct Announced {
    QObject* object;
    int child;
    QAccessible::Role role;  // of the child announced
    QString text;  // the log's line at that row when announced
};
std::vector<Announced> alerts;

void recordAlerts(QAccessibleEvent* e)
{
    if (e->type() != QAccessible::Alert)
        return;
    QAccessibleInterface* line = e->accessibleInterface();
    auto* log = qobject_cast<QListWidget*>(e->object());
    QListWidgetItem* item = log != nullptr ? log->item(e->child()) : nullptr;
    alerts.push_back({e->object(), e->child(), line != nullptr ? line->role() : QAccessible::NoRole,
                      item != nullptr ? item->text() : QString()});
}

std::unique_ptr<TableWindow> makeWindow(const QTemporaryDir& dir) { return corvane::testing::makeWindow(dir, 20240611); }

// Every painted child of the table: name and role.
std::vector<std::pair<QString, QAccessible::Role>> paintedChildren(QAccessibleInterface* table)
{
    std::vector<std::pair<QString, QAccessible::Role>> out;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* c = table->child(i);
        if (c != nullptr && c->object() == nullptr)
            out.emplace_back(c->text(QAccessible::Name), c->role());
    }
    return out;
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        MessageLog::setAnnouncer(recordAlerts);
    }
    void cardNames();
    void southsHandIsNamedOnTheTable();
    void eachLogLineIsAnnounced();
};

void TestAccessibility::cardNames()
{
    QCOMPARE(accessibleCardName(25, true), QStringLiteral("King of Clubs"));
    QCOMPARE(accessibleCardName(54, true), QStringLiteral("Big Joker"));
    QCOMPARE(accessibleCardName(37, false), QStringLiteral("face down card"));
    // All 54 faces have names of their own.
    QSet<QString> names;
    for (Card c = 1; c <= 54; ++c)
        names.insert(accessibleCardName(c, true));
    QCOMPARE(names.size(), 54);
}

void TestAccessibility::southsHandIsNamedOnTheTable()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir);
    TableDriver d(*w);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w->view());
    QVERIFY(table != nullptr);
    QCOMPARE(table->role(), QAccessible::Pane);
    QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Card table"));
    // Before the deal no card is shown.
    for (const auto& [name, role] : paintedChildren(table))
        QCOMPARE(role, QAccessible::StaticText);

    w->newGame();
    QVERIFY(d.runUntilTurn(Awaiting::Bid));
    const auto now = paintedChildren(table);
    const QRegularExpression face(
        QStringLiteral("^((Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Jack|Queen|King|Ace) of "
                       "(Diamonds|Clubs|Hearts|Spades)|Little Joker|Big Joker)$"));
    int faces = 0, backs = 0;
    QSet<QString> faceNames;
    for (const auto& [name, role] : now) {
        if (role == QAccessible::Button) {
            QVERIFY2(face.match(name).hasMatch(), qPrintable(name));
            faceNames.insert(name);
            ++faces;
        } else if (role == QAccessible::Graphic) {
            QCOMPARE(name, QStringLiteral("face down card"));
            ++backs;
        }
    }
    // South's twelve face up; the robots' 36 and the kitty's six face down.
    QCOMPARE(faces, 12);
    QCOMPARE(backs, 42);
    QSet<QString> south;
    for (Card c : d.table().hand(South))
        south.insert(QString::fromUtf8(cardName(c)).simplified());
    QCOMPARE(faceNames, south);

    // Each card child lies where the card is painted.
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* c = table->child(i);
        if (c == nullptr || c->object() != nullptr || c->role() != QAccessible::Button)
            continue;
        QCOMPARE(table->indexOfChild(c), i);
        QCOMPARE(c->parent(), table);
        QVERIFY(w->view()->rect().contains(QRect(w->view()->mapFromGlobal(c->rect().topLeft()), c->rect().size())));
    }

    // The seat names and the score panel are read as texts.
    QStringList texts;
    for (const auto& [name, role] : now)
        if (role == QAccessible::StaticText)
            texts << name;
    QVERIFY(texts.contains(QStringLiteral("Player")));
    QVERIFY(texts.contains(QStringLiteral("Game points: your team 0, their team 0")) ||
            texts.filter(QStringLiteral("Game points: your team")).size() == 1);
    // The real widgets stay children too: the log and the buttons.
    bool log = false;
    for (int i = 0; i < table->childCount(); ++i)
        log = log || table->child(i)->object() == w->view()->log();
    QVERIFY(log);
}

void TestAccessibility::eachLogLineIsAnnounced()
{
    QTemporaryDir dir;
    auto w = makeWindow(dir);
    TableDriver d(*w);
    MessageLog* log = w->view()->log();
    alerts.clear();
    w->newGame();
    QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::CarryOn; }));
    // One announcement a line since the log was cleared for the hand, each
    // of the row just added, as a list item of the log.
    QStringList announced;
    for (const Announced& a : alerts) {
        QCOMPARE(a.object, log);
        if (a.child == 0)
            announced.clear();
        QCOMPARE(a.child, static_cast<int>(announced.size()));
        QCOMPARE(a.role, QAccessible::ListItem);
        announced << a.text;
    }
    QVERIFY(announced.size() >= 2);
    QCOMPARE(announced, log->lines());
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(log);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Record of the game"));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
