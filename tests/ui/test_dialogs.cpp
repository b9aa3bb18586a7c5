// The message box, the help window, the remembered settings and what a
// screen reader is given.
#include <QAccessible>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

#include "table_driver.h"
#include "ui/help_window.h"
#include "ui/table_accessibility.h"
#include "window_fixture.h"

using namespace corvane;
using corvane::testing::action;
using corvane::testing::makeWindow;
using corvane::testing::writeFile;
using corvane::testing::TableDriver;
using Rects = QList<QRect>;

namespace {

QList<QWidget*> visibleHelpWindows()
{
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QLatin1String("Corvane Help"))
            found << widget;
    }
    return found;
}

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

const QString ShortText = QStringLiteral("Your Truly please choose.");
const QString LongText = QStringLiteral(
    "Your Truly you are in the middle of a game, do you really wish to exit? If you leave now the game "
    "is abandoned and does not count in the statistics, which only record games played to their end.");

MessageRequest request(const QString& text, const QString& one, const QString& two = {}, const QString& three = {})
{
    return {text, {one, two, three}, 1, QStringLiteral("Really Exit?")};
}

Rects shownButtons(const MessageDialog& box)
{
    Rects rects;
    for (int index = 0; index < 3; ++index) {
        if (box.button(index)->isVisible())
            rects << box.button(index)->geometry();
    }
    return rects;
}

int textHeight(const MessageDialog& box) { return box.findChild<QLabel*>(QStringLiteral("message"))->height(); }

void sendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

// Where the table window lies on a screen: its frame's right or bottom
// edge on the screen's edge, or hanging over it by `over` pixels (off the
// right of the first screen it would be on the second).
enum class Edge { Right, Bottom, Corner };

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    // The help window.
    void closeHidesAndShowBringsBackTheSameWindow()
    {
        QWidget table;
        auto* help = new HelpWindow(&table);
        table.show();
        help->showAndRaise();
        help->showAndRaise();
        QCOMPARE(visibleHelpWindows(), QList<QWidget*>{help});

        auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("rules"));
        text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum() / 2);
        const int scrolled = text->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        auto* close = help->findChild<QPushButton*>(QStringLiteral("close"));
        QCOMPARE(close->text(), QStringLiteral("&Close"));
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(visibleHelpWindows().isEmpty());
        QVERIFY(table.isVisible());

        help->showAndRaise();
        QCOMPARE(visibleHelpWindows(), QList<QWidget*>{help});
        QCOMPARE(text->verticalScrollBar()->value(), scrolled);
    }
    // The rules of the game, then what this program adds, in a section of its
    // own, where each item of the built window's menus is told, with its key
    // where it has one as "Caption (Key)": an item added without a word of
    // help fails here.
    void rulesTextCoversTheGameAndEveryMenuItem()
    {
        const QString rules = HelpWindow::rulesText();
        const qsizetype added = rules.indexOf(QLatin1String("\nMORE IN THIS PROGRAM\n"));
        QVERIFY2(added > 7000 && added < 9500, qPrintable(QString::number(added)));
        for (const char* section : {"THE PLAYERS AND THE CARDS", "THE DEAL", "THE BIDDING", "THE KITTY", "THE PLAY", "THE SCORING"})
            QVERIFY2(rules.contains(QLatin1String(section)), section);
        HelpWindow help;
        auto* text = help.findChild<QPlainTextEdit*>(QStringLiteral("rules"));
        QCOMPARE(text->toPlainText(), rules);
        QVERIFY(text->isReadOnly());
        QTemporaryDir dir;
        TableOptions options;
        options.dataDir = std::filesystem::path(dir.path().toStdString());
        options.choices.sound = false;
        TableWindow table(options);
        QStringList missing;
        int items = 0;
        QList<QAction*> actions = table.menuBar()->actions();
        while (!actions.isEmpty()) {
            QAction* a = actions.takeFirst();
            if (a->isSeparator())
                continue;
            if (a->menu() != nullptr)
                actions << a->menu()->actions();
            const QString caption = QString(a->text()).remove(QLatin1Char('&'));
            const QString key = a->shortcut().toString(QKeySequence::PortableText);
            const QString told = key.isEmpty() ? caption : caption + QStringLiteral(" (") + key + QLatin1Char(')');
            if (!rules.contains(told))
                missing << told;
            ++items;
        }
        QVERIFY(items > 20);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        for (const char* also : {"Carry On", "Return", "--record", "Left and Right", "Space", "Alt+O", "Review"})
            QVERIFY2(rules.contains(QLatin1String(also)), also);
    }
    // The remembered choices: damaged files, and the Options menu and the
    // window's place kept through the settings.
    void damagedFilesGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file, in a folder not made yet
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("unknown words") << QByteArray("[General]\npace=slow\nsound=maybe\n");
        QTest::newRow("numbers") << QByteArray("[General]\npace=2\nsound=1\n[window]\ngeometry=12345\n");
        QTest::newRow("cut off") << QByteArray("[General]\npace=fa");
        QTest::newRow("broken section") << QByteArray("[Gen\x00\xff\xfe eral\npace=\"fast\n\nsound=\"\n");
        QByteArray noise;
        for (int i = 0; i < 4096; ++i)
            noise.append(static_cast<char>((i * 7919) % 256));
        QTest::newRow("binary noise") << noise;
        QTest::newRow("text geometry") << QByteArray("[window]\ngeometry=@ByteArray(\n");
    }
    void damagedFilesGiveDefaults()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QLatin1String(bytes.isNull() ? "none/corvane.ini" : "corvane.ini"));
        if (!bytes.isNull())
            writeFile(file, bytes);
        Settings s(file);
        QCOMPARE(s.choices(), TableChoices{});
        QVERIFY(s.geometry().isEmpty());
        // Whatever the file held, a new choice is kept.
        s.remember({Pace::Fast});
        QCOMPARE(Settings(file).choices().pace, Pace::Fast);
    }
    void optionsMenuChoosesAndRemembers()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("corvane.ini"));
        Settings settings(file);
        auto w = makeWindow(dir, 5, &settings);

        QAction* normal = action(*w, "MnuPaceNormal");
        QAction* fast = action(*w, "MnuPaceFast");
        QAction* instant = action(*w, "MnuPaceInstant");
        QAction* sound = action(*w, "MnuSound");
        QAction* explain = action(*w, "MnuExplain");
        QVERIFY(normal && fast && instant && sound && explain);
        QVERIFY(normal->actionGroup() != nullptr && normal->actionGroup()->isExclusive());
        QCOMPARE(fast->actionGroup(), normal->actionGroup());
        QCOMPARE(instant->actionGroup(), normal->actionGroup());
        QVERIFY(normal->isChecked() && !fast->isChecked() && !instant->isChecked());
        QVERIFY(sound->isCheckable() && sound->isChecked());
        // Explain Robot Play is off by default, and told to the session.
        QVERIFY(explain->isCheckable() && !explain->isChecked() && !w->session().explaining());
        explain->trigger();
        QVERIFY(w->session().explaining());
        QVERIFY(Settings(file).choices().explain);

        fast->trigger();
        QCOMPARE(w->session().pace(), Pace::Fast);
        QVERIFY(fast->isChecked() && !normal->isChecked());
        QCOMPARE(Settings(file).choices().pace, Pace::Fast);

        sound->trigger();
        QVERIFY(!w->choices().sound);
        QVERIFY(!Settings(file).choices().sound);

        // Classic robots by default; Expert told to the session and kept.
        QAction* expert = action(*w, "MnuRobotsExpert");
        QVERIFY(action(*w, "MnuRobotsClassic")->isChecked() && !expert->isChecked());
        expert->trigger();
        QCOMPARE(w->session().robotLevel(), RobotLevel::Expert);
        QVERIFY((Settings(file).choices().robots == RobotLevel::Expert));

        // Set from outside the menu, the menu shows it too.
        w->choose({Pace::Instant, true, true, RobotLevel::Expert});
        QVERIFY(instant->isChecked() && !fast->isChecked() && sound->isChecked());
        w->resize(1000, 900);
        QTRY_COMPARE(w->size(), QSize(1000, 900));
        action(*w, "MnuExit")->trigger();  // no game: leaves at once
        QVERIFY(!w->isVisible());

        // A new window starts with what the last one chose, where it was.
        Settings again(file);
        auto next = makeWindow(dir, 5, &again);
        QCOMPARE(next->size(), QSize(1000, 900));
        QCOMPARE(next->session().pace(), Pace::Instant);
        QVERIFY(action(*next, "MnuPaceInstant")->isChecked());
        QVERIFY(action(*next, "MnuSound")->isChecked());
        QVERIFY(action(*next, "MnuExplain")->isChecked() && next->session().explaining());
        QVERIFY(action(*next, "MnuRobotsExpert")->isChecked());
        QCOMPARE(next->session().robotLevel(), RobotLevel::Expert);
        action(*next, "MnuExplain")->trigger();
        QVERIFY(!Settings(file).choices().explain);
    }
    // What a screen reader is given: the painted cards as named children of the
    // table, the seat names and score panel as texts, and each new log line.
    void initTestCase()
    {
        MessageLog::setAnnouncer(recordAlerts);
    }
    void southsHandIsNamedOnTheTableAndEachLogLineAnnounced()
    {
        QTemporaryDir dir;
        auto w = makeWindow(dir, 20240611);
        TableDriver d(*w);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w->view());
        QVERIFY(table != nullptr);
        QCOMPARE(table->role(), QAccessible::Pane);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Card table"));
        // Before the deal no card is shown.
        for (const auto& [name, role] : paintedChildren(table))
            QCOMPARE(role, QAccessible::StaticText);

        // Each new log line is announced.
        MessageLog* messages = w->view()->log();
        alerts.clear();
        w->newGame();
        QVERIFY(d.runUntil([&] { return d.game().awaiting() == Awaiting::CarryOn; }));
        // One announcement a line since the log was cleared for the hand, each
        // of the row just added, as a list item of the log.
        QStringList announced;
        for (const Announced& a : alerts) {
            QCOMPARE(a.object, messages);
            if (a.child == 0)
                announced.clear();
            QCOMPARE(a.child, static_cast<int>(announced.size()));
            QCOMPARE(a.role, QAccessible::ListItem);
            announced << a.text;
        }
        QVERIFY(announced.size() >= 2);
        QCOMPARE(announced, messages->lines());
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(messages);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Record of the game"));
        QVERIFY(d.runUntilTurn(Awaiting::Bid));
        const auto now = paintedChildren(table);
        int faces = 0, backs = 0;
        QSet<QString> faceNames;
        for (const auto& [name, role] : now) {
            if (role == QAccessible::Button) {
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
    // The message box.
    // Widths and gaps in twips, 15 to the pixel: box 4500, faces 1275 x 300,
    // 90 above the bottom; two faces 23 each side of the centre, three 45 apart.
    // A click answers its button's index; Escape or the close box the safe one.
    void buttons_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<Rects>("lefts");
        QTest::addColumn<QStringList>("shownCaptions");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<int>("closed");  // -1: the box stays up
        QTest::newRow("one, blanks count as absent, a blank first is O.K")
            << QStringList{" ", " ", "  "} << Rects{{108, 0, 85, 20}} << QStringList{"O.K"} << 0 << true << 0;
        QTest::newRow("two") << QStringList{"Yes Please", "Don't erase", ""} << Rects{{63, 0, 85, 20}, {152, 0, 85, 20}}
                             << QStringList{"Yes Please", "Don't erase"} << 0 << true << 1;
        QTest::newRow("three") << QStringList{"One", "Two", "Three"}
                               << Rects{{20, 0, 85, 20}, {108, 0, 85, 20}, {196, 0, 85, 20}}
                               << QStringList{"One", "Two", "Three"} << 1 << true << -1;
        QTest::newRow("first and third") << QStringList{"One", "", "Three"} << Rects{{63, 0, 85, 20}, {152, 0, 85, 20}}
                                         << QStringList{"One", "Three"} << 2 << false << 2;
    }
    void buttons()
    {
        QFETCH(QStringList, captions);
        QFETCH(Rects, lefts);
        QFETCH(QStringList, shownCaptions);
        QFETCH(int, clicked);
        QFETCH(bool, byEscape);
        QFETCH(int, closed);
        MessageDialog box;
        QSignalSpy answered(&box, &MessageDialog::answered);
        int called = -1;
        const MessageRequest asked = request(ShortText, captions[0], captions[1], captions[2]);
        box.ask(asked, [&called](int answer) { called = answer; });
        QVERIFY(box.isVisible());
        QCOMPARE(box.width(), 300);
        Rects expected;
        for (const QRect& r : lefts)
            expected << QRect(r.left(), box.height() - 26, r.width(), r.height());
        QCOMPARE(shownButtons(box), expected);
        QStringList shown;
        for (int index = 0; index < 3; ++index)
            if (box.button(index)->isVisible())
                shown << box.button(index)->caption();
        QCOMPARE(shown, shownCaptions);

        QTest::mouseClick(box.button(clicked), Qt::LeftButton);
        QCOMPARE(answered.count(), 1);
        QCOMPARE(answered.at(0).at(0).toInt(), clicked);
        QCOMPARE(called, clicked);
        QCOMPARE(box.lastAnswer(), clicked);
        QVERIFY(!box.isVisible());

        box.ask(asked);
        if (byEscape)
            QTest::keyClick(&box, Qt::Key_Escape);
        else
            box.close();
        QCOMPARE(box.isVisible(), closed < 0);
        QCOMPARE(answered.count(), closed < 0 ? 1 : 2);
        if (closed >= 0)
            QCOMPARE(answered.at(1).at(0).toInt(), closed);
    }
    void longerTextMakesTallerBox()
    {
        MessageDialog box;
        box.ask(request(ShortText, QStringLiteral("Right")));
        const int shortHeight = box.height();
        const int shortText = textHeight(box);
        box.ask(request(LongText, QStringLiteral("Right")));
        QVERIFY2(textHeight(box) >= 3 * shortText, "the long text wraps onto several lines");
        QCOMPARE(box.height(), textHeight(box) + 76);
        QCOMPARE(box.height() - shortHeight, textHeight(box) - shortText);
        QCOMPARE(box.button(0)->geometry().bottom(), box.height() - 7);
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("picture"))->pixmap().isNull());
    }
    // A pressed face sinks; released off the face it is no click, and the
    // next box shows it raised.
    void releaseOutsideIsNoClickAndTheNextBoxIsRaised()
    {
        MessageDialog box;
        QSignalSpy answered(&box, &MessageDialog::answered);
        box.ask(request(ShortText, QStringLiteral("Yes Exit"), QStringLiteral("Carry On")));
        MessageBoxButton* face = box.button(1);
        const auto* caption = face->findChild<QLabel*>(QStringLiteral("caption"));
        QCOMPARE(caption->geometry(), QRect(1, 1, 83, 18));
        QTest::mousePress(face, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(face->isPressed());
        QCOMPARE(caption->geometry(), QRect(2, 2, 82, 17));
        box.ask(request(ShortText, QStringLiteral("Yes Exit"), QStringLiteral("Carry On")));
        QVERIFY(!face->isPressed());
        QCOMPARE(caption->geometry(), QRect(1, 1, 83, 18));
        QTest::mousePress(face, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(10, 40));
        QCOMPARE(answered.count(), 0);
        QVERIFY(!face->isPressed());
        QVERIFY(box.isVisible());
    }
    void dragMovesTheBox()
    {
        MessageDialog box;
        box.ask(request(ShortText, QStringLiteral("Right")));
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QPoint start = box.pos();
        sendMouse(&box, QEvent::MouseButtonPress, QPoint(6, 40), Qt::LeftButton);
        sendMouse(&box, QEvent::MouseMove, QPoint(26, 50), Qt::LeftButton);
        QCOMPARE(box.pos(), start + QPoint(20, 10));
        sendMouse(&box, QEvent::MouseButtonRelease, box.mapFromGlobal(box.pos() + QPoint(6, 40)), Qt::NoButton);
        const QPoint dropped = box.pos();
        sendMouse(&box, QEvent::MouseMove, QPoint(60, 60), Qt::NoButton);
        QCOMPARE(box.pos(), dropped);
    }
    void placedOverTheTableInsideItsScreen_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<Edge>("edge");
        QTest::addColumn<int>("over");
        QTest::newRow("bottom right corner") << 0 << Edge::Corner << 0;
        QTest::newRow("hanging off the bottom") << 0 << Edge::Bottom << 600;
        QTest::newRow("second screen, hanging off the right") << 1 << Edge::Right << 600;
        QTest::newRow("second screen, corner, hanging off") << 1 << Edge::Corner << 500;
    }
    // The box is centred across the table window, its top at the window's top
    // plus the window's height / 1.6 less a quarter of the box, and never
    // leaves the window's screen.
    void placedOverTheTableInsideItsScreen()
    {
        QFETCH(int, screen);
        QFETCH(Edge, edge);
        QFETCH(int, over);
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screen >= screens.size())
            QSKIP("this platform gives one screen only");
        const QRect area = screens[screen]->availableGeometry();
        QWidget table;
        table.setWindowTitle(QStringLiteral("Corvane"));
        table.resize(784, 695);
        table.move(area.topLeft() + QPoint(100, 100));
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const QSize frame = table.frameGeometry().size();
        QPoint at = table.pos();
        if (edge != Edge::Bottom)
            at.setX(area.right() + 1 - frame.width() + over);
        if (edge != Edge::Right)
            at.setY(area.bottom() + 1 - frame.height() + over);
        table.move(at);
        QTRY_COMPARE(table.frameGeometry().topLeft(), at);
        QTRY_COMPARE(table.screen(), screens[screen]);

        MessageDialog box(&table);
        box.ask(request(ShortText, QStringLiteral("Right")));
        box.ask(request(ShortText, QStringLiteral("Right")));  // placed by the height it had before
        const QRect f = table.frameGeometry();
        const QRect placed = box.geometry();
        QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("%1,%2").arg(placed.x()).arg(placed.y())));
        const int left = f.x() + f.width() / 2 - placed.width() / 2;
        const int top = f.y() + static_cast<int>(f.height() / 1.6) - placed.height() / 4;
        if (over > 0 && edge != Edge::Bottom)
            QCOMPARE(placed.right(), area.right());
        else
            QCOMPARE(placed.x(), left);
        if (over > 0 && edge != Edge::Right)
            QCOMPARE(placed.bottom(), area.bottom());
        else
            QCOMPARE(placed.y(), top);
    }
};

// Two screens side by side where the platform takes them (the offscreen
// one does), so a box can be placed on the second.
int main(int argc, char** argv)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QTemporaryDir dir;
    if (platform == "offscreen") {
        const QString config = dir.filePath(QStringLiteral("screens.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens": [
                {"name": "left", "x": 0, "y": 0, "width": 1920, "height": 1600, "logicalDpi": 96, "dpr": 1},
                {"name": "right", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestDialogs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_dialogs.moc"
