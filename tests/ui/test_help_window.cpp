#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/help_window.h"
#include "ui/table_window.h"

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
    void rulesTextCoversTheGame();
    void closeHidesAndShowBringsBackTheSameWindow();
    void everyMenuItemOfTheWindowIsDescribed();
};

void TestHelpWindow::rulesTextCoversTheGame()
{
    const QString rules = HelpWindow::rulesText();
    // The rules of the game, then what this program adds, in a section of its own.
    const qsizetype added = rules.indexOf(QLatin1String("\nMORE IN THIS PROGRAM\n"));
    QVERIFY(added > 0);
    QVERIFY2(added > 7000 && added < 9500, qPrintable(QString::number(added)));
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

    auto* close = help->findChild<QPushButton*>(QStringLiteral("close"));
    QCOMPARE(close->text(), QStringLiteral("&Close"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(visibleHelpWindows().isEmpty());
    QVERIFY(table.isVisible());

    help->showAndRaise();
    QCOMPARE(visibleHelpWindows(), QList<QWidget*>{help});
    QCOMPARE(text->verticalScrollBar()->value(), scrolled);
}

// Each item of the built window's menus, with its key where it has one as
// "Caption (Key)": an item added without a word of help fails here.
void TestHelpWindow::everyMenuItemOfTheWindowIsDescribed()
{
    const QString rules = HelpWindow::rulesText();
    QTemporaryDir dir;
    TableOptions options;
    options.dataDir = std::filesystem::path(dir.path().toStdString());
    options.sound = false;
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

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
