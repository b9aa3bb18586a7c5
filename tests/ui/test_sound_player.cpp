#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstdlib>

#include "ui/sound_player.h"

using namespace corvane;

namespace {

constexpr SoundCue Cues[] = {SoundCue::Shuffle, SoundCue::CardDeal, SoundCue::RingOut};

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
    void findsTheFilesBesideTheProgram();
    void missingFilesAreSilentAndQuick();
    void playingNeverWaits();
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

void TestSoundPlayer::findsTheFilesBesideTheProgram()
{
    const SoundPlayer player(QStringLiteral(CORVANE_SOUND_DIR));
    for (const SoundCue cue : Cues)
        QCOMPARE(player.filePath(cue), QStringLiteral(CORVANE_SOUND_DIR "/") + SoundPlayer::fileName(cue));
}

void TestSoundPlayer::missingFilesAreSilentAndQuick()
{
    QTemporaryDir empty;
    QElapsedTimer clock;
    clock.start();
    SoundPlayer player(empty.path());
    for (int round = 0; round < 20; ++round) {
        for (const SoundCue cue : Cues) {
            QVERIFY(player.filePath(cue).isEmpty());
            QVERIFY(!player.canPlay(cue));
            player.play(cue);
        }
    }
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
}

// With or without a sound device (there is none where the tests usually
// run), a cue returns at once, and so does muting.
void TestSoundPlayer::playingNeverWaits()
{
    SoundPlayer player(QStringLiteral(CORVANE_SOUND_DIR));
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < 20; ++round) {
        for (const SoundCue cue : Cues)
            player.play(cue);
    }
    player.setMuted(true);
    QVERIFY(player.isMuted());
    player.play(SoundCue::RingOut);
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
