#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "ui/message_box.h"
#include "ui/message_box_button.h"

using namespace corvane;

namespace {

using Rects = QList<QRect>;

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

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void buttonLayout_data();
    void buttonLayout();
    void longerTextMakesTallerBox();
    void clickAnswersTheButtonsIndex_data();
    void clickAnswersTheButtonsIndex();
    void releaseOutsideIsNoClick();
    void pressedButtonIsRaisedInTheNextBox();
    void closingAnswersTheSafeButton_data();
    void closingAnswersTheSafeButton();
    void answerMayAskTheNextQuestion();
    void dragMovesTheBox();
    void placedOverTheTableInsideItsScreen_data();
    void placedOverTheTableInsideItsScreen();
};

// Widths and gaps in twips, 15 to the pixel: box 4500, faces 1275 x 300,
// 90 above the bottom; two faces 23 each side of the centre, three 45 apart.
void TestMessageBox::buttonLayout_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<Rects>("lefts");
    QTest::addColumn<QStringList>("shownCaptions");
    QTest::newRow("one, blanks count as absent, a blank first is O.K")
        << QStringList{" ", " ", "  "} << Rects{{108, 0, 85, 20}} << QStringList{"O.K"};
    QTest::newRow("two") << QStringList{"Yes Please", "Don't erase", ""} << Rects{{63, 0, 85, 20}, {152, 0, 85, 20}}
                         << QStringList{"Yes Please", "Don't erase"};
    QTest::newRow("three") << QStringList{"One", "Two", "Three"}
                           << Rects{{20, 0, 85, 20}, {108, 0, 85, 20}, {196, 0, 85, 20}} << QStringList{"One", "Two", "Three"};
    QTest::newRow("first and third") << QStringList{"One", "", "Three"} << Rects{{63, 0, 85, 20}, {152, 0, 85, 20}}
                                     << QStringList{"One", "Three"};
}

void TestMessageBox::buttonLayout()
{
    QFETCH(QStringList, captions);
    QFETCH(Rects, lefts);
    QFETCH(QStringList, shownCaptions);
    MessageDialog box;
    box.ask(request(ShortText, captions[0], captions[1], captions[2]));
    QVERIFY(box.isVisible());
    QCOMPARE(box.width(), 300);
    const int top = box.height() - 26;
    Rects expected;
    for (const QRect& r : lefts)
        expected << QRect(r.left(), top, r.width(), r.height());
    QCOMPARE(shownButtons(box), expected);
    QStringList shown;
    for (int index = 0; index < 3; ++index) {
        if (box.button(index)->isVisible())
            shown << box.button(index)->caption();
    }
    QCOMPARE(shown, shownCaptions);
}

void TestMessageBox::longerTextMakesTallerBox()
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

void TestMessageBox::clickAnswersTheButtonsIndex_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("clicked");
    QTest::newRow("Yes Please") << QStringList{"Yes Please", "Don't erase", ""} << 0;
    QTest::newRow("third without second") << QStringList{"One", "", "Three"} << 2;
}

void TestMessageBox::clickAnswersTheButtonsIndex()
{
    QFETCH(QStringList, captions);
    QFETCH(int, clicked);
    MessageDialog box;
    QSignalSpy answered(&box, &MessageDialog::answered);
    int called = -1;
    box.ask(request(ShortText, captions[0], captions[1], captions[2]), [&called](int answer) { called = answer; });
    QTest::mouseClick(box.button(clicked), Qt::LeftButton);
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(0).toInt(), clicked);
    QCOMPARE(called, clicked);
    QCOMPARE(box.lastAnswer(), clicked);
    QVERIFY(!box.isVisible());
}

void TestMessageBox::releaseOutsideIsNoClick()
{
    MessageDialog box;
    QSignalSpy answered(&box, &MessageDialog::answered);
    box.ask(request(ShortText, QStringLiteral("Right")));
    MessageBoxButton* face = box.button(0);
    QTest::mousePress(face, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(face, Qt::LeftButton, {}, QPoint(10, 40));
    QCOMPARE(answered.count(), 0);
    QVERIFY(!face->isPressed());
    QVERIFY(box.isVisible());
}

void TestMessageBox::pressedButtonIsRaisedInTheNextBox()
{
    MessageDialog box;
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
}

void TestMessageBox::closingAnswersTheSafeButton_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<int>("answer");  // -1: the box stays up
    QTest::newRow("one, Escape") << QStringList{"Right", " ", " "} << true << 0;
    QTest::newRow("two, Escape") << QStringList{"Yes Please", "Don't erase", ""} << true << 1;
    QTest::newRow("first and third, closed") << QStringList{"One", "", "Three"} << false << 2;
    QTest::newRow("three, Escape") << QStringList{"One", "Two", "Three"} << true << -1;
}

void TestMessageBox::closingAnswersTheSafeButton()
{
    QFETCH(QStringList, captions);
    QFETCH(bool, byEscape);
    QFETCH(int, answer);
    MessageDialog box;
    QSignalSpy answered(&box, &MessageDialog::answered);
    box.ask(request(ShortText, captions[0], captions[1], captions[2]));
    if (byEscape)
        QTest::keyClick(&box, Qt::Key_Escape);
    else
        box.close();
    if (answer < 0) {
        QCOMPARE(answered.count(), 0);
        QVERIFY(box.isVisible());
        return;
    }
    QCOMPARE(answered.count(), 1);
    QCOMPARE(answered.at(0).at(0).toInt(), answer);
    QVERIFY(!box.isVisible());
}

void TestMessageBox::answerMayAskTheNextQuestion()
{
    MessageDialog box;
    QList<int> answers;
    box.ask(request(ShortText, QStringLiteral("Yes Exit"), QStringLiteral("Carry On")), [&](int first) {
        answers << first;
        box.ask(request(LongText, QStringLiteral("Right")), [&](int second) { answers << second; });
    });
    QTest::mouseClick(box.button(1), Qt::LeftButton);
    QVERIFY2(box.isVisible(), "the second question is up");
    QVERIFY(!box.button(1)->isVisible());
    QTest::mouseClick(box.button(0), Qt::LeftButton);
    QCOMPARE(answers, (QList<int>{1, 0}));
    QVERIFY(!box.isVisible());
}

void TestMessageBox::dragMovesTheBox()
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

// Where the table window lies on a screen: its frame's right or bottom
// edge on the screen's edge, or hanging over it by `over` pixels (off the
// right of the first screen it would be on the second).
enum class Edge { Right, Bottom, Corner };

void TestMessageBox::placedOverTheTableInsideItsScreen_data()
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
void TestMessageBox::placedOverTheTableInsideItsScreen()
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
    TestMessageBox test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_message_box.moc"
