// The sounds: the files the build made, where the program looks for them
// (beside it in the build folder, in <prefix>/share/corvane/sounds once
// installed in <prefix>/bin), and a player without files or device.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstdlib>

#include "ui/sound_player.h"

using namespace corvane;

namespace {

constexpr SoundCue Cues[] = {SoundCue::Shuffle, SoundCue::CardDeal, SoundCue::RingOut};

void makeFile(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
}

template <typename T> T readLittle(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

}  // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT
private slots:
    void generatedFilesArePlayableWaves_data();
    void generatedFilesArePlayableWaves();
    void folderFor_data();
    void folderFor();
    void missingFilesAreSilent();
    void mutingKeepsTheFiles();
};

void TestSoundPlayer::generatedFilesArePlayableWaves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::newRow("shuffle") << "Shuffle.wav" << 0.3 << 1.5;
    QTest::newRow("card") << "CardDeal1.wav" << 0.01 << 0.2;
    QTest::newRow("bell") << "RingOut.wav" << 0.4 << 2.0;
}

// 16-bit mono PCM with a sound in it that neither clips nor is silent.
void TestSoundPlayer::generatedFilesArePlayableWaves()
{
    QFETCH(QString, name);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    QFile file(QStringLiteral(CORVANE_SOUND_DIR "/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray wave = file.readAll();
    QVERIFY(wave.size() > 44);
    QCOMPARE(wave.left(4), QByteArray("RIFF"));
    QCOMPARE(readLittle<quint32>(wave, 4), quint32(wave.size() - 8));
    QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(readLittle<quint16>(wave, 20), quint16(1));
    QCOMPARE(readLittle<quint16>(wave, 22), quint16(1));
    const quint32 rate = readLittle<quint32>(wave, 24);
    QCOMPARE(readLittle<quint16>(wave, 34), quint16(16));
    QCOMPARE(wave.mid(36, 4), QByteArray("data"));
    const quint32 dataBytes = readLittle<quint32>(wave, 40);
    QCOMPARE(dataBytes, quint32(wave.size() - 44));
    const double seconds = dataBytes / 2.0 / rate;
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    int loudest = 0;
    for (int at = 44; at + 1 < wave.size(); at += 2)
        loudest = std::max(loudest, std::abs(int(readLittle<qint16>(wave, at))));
    QVERIFY2(loudest > 8000 && loudest < 32767, qPrintable(QString::number(loudest)));
}

// Each row: the files made under a temporary root, and the folder expected
// for a program in <root>/bin.
void TestSoundPlayer::folderFor_data()
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

void TestSoundPlayer::folderFor()
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

void TestSoundPlayer::missingFilesAreSilent()
{
    QTemporaryDir empty;
    SoundPlayer player(empty.path());
    for (const SoundCue cue : Cues) {
        QVERIFY(player.filePath(cue).isEmpty());
        QVERIFY(!player.canPlay(cue));
        player.play(cue);
    }
}

// With or without a sound device (there is none where the tests usually
// run), every cue may be asked for, muted or not.
void TestSoundPlayer::mutingKeepsTheFiles()
{
    SoundPlayer player(QStringLiteral(CORVANE_SOUND_DIR));
    for (const SoundCue cue : Cues)
        player.play(cue);
    player.setMuted(true);
    QVERIFY(player.isMuted());
    player.play(SoundCue::RingOut);
    player.setMuted(false);
    QVERIFY(!player.isMuted());
    for (const SoundCue cue : Cues)
        QCOMPARE(player.filePath(cue), QStringLiteral(CORVANE_SOUND_DIR "/") + SoundPlayer::fileName(cue));
}

QTEST_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
