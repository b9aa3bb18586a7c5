// The remembered choices: the file's round trip, damaged files, and the
// Options menu and the window's place kept through the settings.
#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "ui/settings.h"
#include "ui/table_view.h"
#include "ui/table_window.h"
#include "window_fixture.h"

using namespace corvane;
using corvane::testing::action;
using corvane::testing::writeFile;

namespace {

std::unique_ptr<TableWindow> makeWindow(const QTemporaryDir& dir, Settings& settings)
{
    TableOptions options;
    options.seed = 5;
    options.dataDir = std::filesystem::path(dir.path().toStdString());
    options.soundFolder = dir.path();
    options.settings = &settings;
    options.pace = settings.pace();
    options.sound = settings.sound();
    return std::make_unique<TableWindow>(options);
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void defaultsWhenThereIsNoFile();
    void choicesSurviveANewReader();
    void damagedFilesGiveDefaults_data();
    void damagedFilesGiveDefaults();
    void optionsMenuChoosesAndRemembers();
    void windowPlaceIsRestored();
    void damagedFileStartsTheWindow();
};

void TestSettings::defaultsWhenThereIsNoFile()
{
    QTemporaryDir dir;
    const Settings s(dir.filePath(QStringLiteral("none/corvane.ini")));
    QCOMPARE(s.pace(), Pace::Normal);
    QVERIFY(s.sound());
    QVERIFY(s.geometry().isEmpty());
}

void TestSettings::choicesSurviveANewReader()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corvane.ini"));
    const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03 any bytes\n=[]", 18);
    {
        Settings s(file);
        s.setPace(Pace::Fast);
        s.setSound(false);
        s.setGeometry(geometry);
    }
    {
        Settings s(file);
        QCOMPARE(s.pace(), Pace::Fast);
        QVERIFY(!s.sound());
        QCOMPARE(s.geometry(), geometry);
        s.setPace(Pace::Instant);
        s.setSound(true);
    }
    // The setter wrote at once: the file says so while the writer lives.
    Settings writer(file);
    writer.setPace(Pace::Normal);
    const Settings reader(file);
    QCOMPARE(reader.pace(), Pace::Normal);
    QVERIFY(reader.sound());
    QVERIFY(QFile(file).size() > 0);
}

void TestSettings::damagedFilesGiveDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
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

void TestSettings::damagedFilesGiveDefaults()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corvane.ini"));
    writeFile(file, bytes);
    Settings s(file);
    QCOMPARE(s.pace(), Pace::Normal);
    QVERIFY(s.sound());
    // Whatever the file held, a new choice is kept.
    s.setPace(Pace::Fast);
    QCOMPARE(Settings(file).pace(), Pace::Fast);
}

void TestSettings::optionsMenuChoosesAndRemembers()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corvane.ini"));
    Settings settings(file);
    auto w = makeWindow(dir, settings);

    QMenu* options = w->findChild<QMenu*>(QStringLiteral("MnuOptions"));
    QVERIFY(options != nullptr);
    QCOMPARE(options->title(), QStringLiteral("Op&tions"));
    QCOMPARE(w->menuBar()->actions().last(), options->menuAction());
    QAction* normal = action(*w, "MnuPaceNormal");
    QAction* fast = action(*w, "MnuPaceFast");
    QAction* instant = action(*w, "MnuPaceInstant");
    QAction* sound = action(*w, "MnuSound");
    QVERIFY(normal && fast && instant && sound);
    QCOMPARE(normal->actionGroup(), fast->actionGroup());
    QCOMPARE(normal->actionGroup(), instant->actionGroup());
    QVERIFY(normal->actionGroup()->isExclusive());
    QVERIFY(normal->isChecked() && !fast->isChecked() && !instant->isChecked());
    QVERIFY(sound->isCheckable() && sound->isChecked());

    fast->trigger();
    QCOMPARE(w->pace(), Pace::Fast);
    QVERIFY(fast->isChecked() && !normal->isChecked());
    QCOMPARE(Settings(file).pace(), Pace::Fast);

    sound->trigger();
    QVERIFY(!w->soundOn());
    QVERIFY(!Settings(file).sound());

    // Set from outside the menu, the menu shows it too.
    w->setPace(Pace::Instant);
    QVERIFY(instant->isChecked() && !fast->isChecked());
    w->setSound(true);
    QVERIFY(sound->isChecked());

    // A new window starts with what the last one chose.
    Settings again(file);
    auto next = makeWindow(dir, again);
    QCOMPARE(next->pace(), Pace::Instant);
    QVERIFY(action(*next, "MnuPaceInstant")->isChecked());
    QVERIFY(action(*next, "MnuSound")->isChecked());
}

void TestSettings::windowPlaceIsRestored()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corvane.ini"));
    {
        Settings settings(file);
        auto w = makeWindow(dir, settings);
        w->show();
        w->resize(1000, 900);
        QTRY_COMPARE(w->size(), QSize(1000, 900));
        action(*w, "MnuExit")->trigger();  // no game: leaves at once
        QVERIFY(!w->isVisible());
        QVERIFY(!settings.geometry().isEmpty());
    }
    Settings settings(file);
    auto w = makeWindow(dir, settings);
    QCOMPARE(w->size(), QSize(1000, 900));
}

void TestSettings::damagedFileStartsTheWindow()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("corvane.ini"));
    writeFile(file, QByteArray("[General]\npace=warp\n[window]\ngeometry=@ByteArray(garbage)\n"));
    Settings settings(file);
    auto w = makeWindow(dir, settings);
    w->show();
    QCOMPARE(w->pace(), Pace::Normal);
    QVERIFY(action(*w, "MnuPaceNormal")->isChecked());
    // The unreadable place is ignored: the designed size.
    QCOMPARE(w->view()->size(), QSize(784, 695));
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
