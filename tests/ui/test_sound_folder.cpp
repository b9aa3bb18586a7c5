// Where the program looks for its sounds: beside it in the build folder,
// in <prefix>/share/corvane/sounds once installed in <prefix>/bin.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/sound_player.h"

using corvane::SoundCue;
using corvane::SoundPlayer;

namespace {

void makeFile(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
}

}  // namespace

class TestSoundFolder : public QObject {
    Q_OBJECT
private slots:
    void folderFor_data();
    void folderFor();
    void installedPlayerFindsEveryFile();
};

// Each row: the files made under a temporary root, and the folder expected
// for a program in <root>/bin.
void TestSoundFolder::folderFor_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build folder") << QStringList{"bin/Shuffle.wav", "bin/CardDeal1.wav", "bin/RingOut.wav"}
                                  << "bin";
    QTest::newRow("installed") << QStringList{"share/corvane/sounds/Shuffle.wav", "share/corvane/sounds/CardDeal1.wav",
                                              "share/corvane/sounds/RingOut.wav"}
                               << "share/corvane/sounds";
    QTest::newRow("beside the program wins")
        << QStringList{"bin/RingOut.wav", "share/corvane/sounds/Shuffle.wav", "share/corvane/sounds/RingOut.wav"}
        << "bin";
    QTest::newRow("one installed file is enough") << QStringList{"share/corvane/sounds/CardDeal1.wav"}
                                                  << "share/corvane/sounds";
    QTest::newRow("other files do not count") << QStringList{"bin/Points.dat", "share/corvane/sounds/readme.txt"}
                                              << "bin";
    QTest::newRow("a folder named like a sound is no sound")
        << QStringList{"bin/Shuffle.wav/x", "share/corvane/sounds/RingOut.wav"} << "share/corvane/sounds";
    QTest::newRow("no sounds anywhere") << QStringList{} << "bin";
}

void TestSoundFolder::folderFor()
{
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
    for (const QString& file : files)
        makeFile(root.filePath(file));
    const QString rootPath = QDir(root.path()).canonicalPath();
    QCOMPARE(SoundPlayer::folderFor(rootPath + QStringLiteral("/bin")), rootPath + '/' + expected);
    // A program found through a relative or untidy path comes to the same folder.
    QCOMPARE(SoundPlayer::folderFor(rootPath + QStringLiteral("/bin/../bin/")), rootPath + '/' + expected);
}

void TestSoundFolder::installedPlayerFindsEveryFile()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
    for (const SoundCue cue : {SoundCue::Shuffle, SoundCue::CardDeal, SoundCue::RingOut})
        makeFile(root.filePath(QStringLiteral("share/corvane/sounds/") + SoundPlayer::fileName(cue)));
    const SoundPlayer player(SoundPlayer::folderFor(root.filePath(QStringLiteral("bin"))));
    for (const SoundCue cue : {SoundCue::Shuffle, SoundCue::CardDeal, SoundCue::RingOut}) {
        QCOMPARE(player.filePath(cue),
                 QDir(root.path()).absoluteFilePath(QStringLiteral("share/corvane/sounds/") + SoundPlayer::fileName(cue)));
    }
}

QTEST_MAIN(TestSoundFolder)
#include "test_sound_folder.moc"
