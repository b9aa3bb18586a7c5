#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "ui/help_window.h"

using namespace corvane;

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

}  // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void rulesTextCoversTheGame();
    void closeHidesAndShowBringsBackTheSameWindow();
};

void TestHelpWindow::layout()
{
    HelpWindow help;
    QCOMPARE(help.size(), QSize(680, 650));
    QCOMPARE(help.findChild<QPlainTextEdit*>(QStringLiteral("rules"))->geometry(), QRect(0, 8, 681, 609));
    auto* close = help.findChild<QPushButton*>(QStringLiteral("close"));
    QCOMPARE(close->geometry(), QRect(280, 616, 81, 25));
    QCOMPARE(close->text(), QStringLiteral("&Close"));
}

void TestHelpWindow::rulesTextCoversTheGame()
{
    const QString rules = HelpWindow::rulesText();
    QVERIFY2(rules.size() > 7000 && rules.size() < 9500, qPrintable(QString::number(rules.size())));
    for (const char* section : {"THE PLAYERS AND THE CARDS", "THE DEAL", "THE BIDDING", "THE KITTY", "THE PLAY", "THE SCORING"})
        QVERIFY2(rules.contains(QLatin1String(section)), section);
    HelpWindow help;
    auto* text = help.findChild<QPlainTextEdit*>(QStringLiteral("rules"));
    QCOMPARE(text->toPlainText(), rules);
    QVERIFY(text->isReadOnly());
}

void TestHelpWindow::closeHidesAndShowBringsBackTheSameWindow()
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

    QTest::mouseClick(help->findChild<QPushButton*>(QStringLiteral("close")), Qt::LeftButton);
    QVERIFY(visibleHelpWindows().isEmpty());
    QVERIFY(table.isVisible());

    help->showAndRaise();
    QCOMPARE(visibleHelpWindows(), QList<QWidget*>{help});
    QCOMPARE(text->verticalScrollBar()->value(), scrolled);
}

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
