// The card pictures, the trump symbols, the sounds and the pacer that
// plays the table's steps.
#include <QDir>
#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstdlib>

#include "ui/card_art.h"
#include "ui/card_deck.h"
#include "ui/pacer.h"
#include "ui/sound_player.h"
#include "ui/trump_symbols.h"

using namespace corvane;
using namespace std::chrono_literals;

namespace {

int plainCardWarnings = 0;

void countPlainCardWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("drawing plain cards")))
        ++plainCardWarnings;
}

QImage imageOf(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// Cards whose pictures must all differ from one another.
const int Distinct[] = {1, 13, 25, 36, 52, LittleJoker, BigJoker, BackPicture};

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

Step logStep(const char* line) { return step::Log{line}; }
Step pauseStep(std::chrono::microseconds length) { return step::Pause{length}; }

}  // namespace

class TestArtAndSound : public QObject {
    Q_OBJECT
private slots:
    // The card pictures and the trump symbols.
    // Runs first: the warning about plain cards is said once per run.
    void plainCardsAreAnnouncedOnce()
    {
        const QtMessageHandler previous = qInstallMessageHandler(countPlainCardWarnings);
        CardArt first(QStringLiteral("/nonexistent/deck"));
        CardArt second(QStringLiteral("/nonexistent/other"));
        qInstallMessageHandler(previous);
        QVERIFY(!first.usesDeck());
        QVERIFY(!second.usesDeck());
        QCOMPARE(plainCardWarnings, 1);
    }
    void elementIds()
    {
        QStringList ids;
        for (const int number : {1, 9, 13, 14, 25, 36, 50, 52, 53, 54, 55, 0, 56})
            ids << CardArt::elementId(number);
        QCOMPARE(ids, (QStringList{"2_diamond", "10_diamond", "1_diamond", "2_club", "king_club", "jack_heart",
                                   "queen_spade", "1_spade", "black_joker", "red_joker", "back", "", ""}));
    }
    void defaultDeckHasEveryCard()
    {
        qunsetenv(DeckVariable);
        const CardArt art;
        QVERIFY2(art.usesDeck(), "the Nicu White deck (kdegames-card-data-kf5) was not found or not read");
        QVERIFY(art.deckFile().contains(QLatin1String(DefaultDeckFolder)));
        QSvgRenderer deck(art.deckFile());
        QSet<QString> seen;
        for (int number = 1; number <= BackPicture; ++number) {
            const QString element = CardArt::elementId(number);
            QVERIFY2(deck.elementExists(element), qPrintable(element));
            seen.insert(element);
        }
        QCOMPARE(seen.size(), BackPicture);
    }
    // The deck's pictures, or plain ones when the deck is missing (given as a
    // folder or by CORVANE_CARD_DECK), at the asked size, drawn and distinct.
    void picturesHaveTheAskedSize_data()
    {
        QTest::addColumn<int>("missing");  // 0: the deck; 1: a missing folder; 2: by the variable
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("dpr");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("natural") << 0 << QSize(71, 96) << 1.0 << QSize(71, 96);
        QTest::newRow("HiDPI") << 0 << QSize(71, 96) << 2.0 << QSize(142, 192);
        QTest::newRow("fractional") << 0 << QSize(142, 192) << 1.25 << QSize(178, 240);
        QTest::newRow("missing folder given") << 1 << QSize(71, 96) << 1.0 << QSize(71, 96);
        QTest::newRow("missing CORVANE_CARD_DECK") << 2 << QSize(71, 96) << 1.0 << QSize(71, 96);
    }
    void picturesHaveTheAskedSize()
    {
        QFETCH(int, missing);
        QFETCH(QSize, size);
        QFETCH(double, dpr);
        QFETCH(QSize, pixels);
        const QString absent = QStringLiteral("/nonexistent/svg-nicu-white");
        if (missing == 2)
            qputenv(DeckVariable, absent.toUtf8());
        auto art = missing == 1 ? std::make_unique<CardArt>(absent) : std::make_unique<CardArt>();
        qunsetenv(DeckVariable);
        QCOMPARE(art->usesDeck(), missing == 0);
        QSet<QByteArray> pictures;
        for (const int number : Distinct) {
            const QPixmap pixmap = art->picture(number, size, dpr);
            QCOMPARE(pixmap.size(), pixels);
            QCOMPARE(pixmap.devicePixelRatio(), dpr);
            const QImage image = imageOf(pixmap);
            // Drawn, not left transparent: the middle of every card is opaque.
            QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
            pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), int(std::size(Distinct)));
    }
    void picturesAreCachedPerSizeAndRatio()
    {
        CardArt art;
        const QPixmap first = art.face(20, QSize(71, 96), 1.0);
        QCOMPARE(art.face(20, QSize(71, 96), 1.0).cacheKey(), first.cacheKey());
        QVERIFY(art.face(20, QSize(71, 96), 2.0).cacheKey() != first.cacheKey());
        QVERIFY(art.face(20, QSize(100, 135), 1.0).cacheKey() != first.cacheKey());
        QVERIFY(art.face(21, QSize(71, 96), 1.0).cacheKey() != first.cacheKey());
        QVERIFY(art.face(0, QSize(71, 96), 1.0).isNull());
        QVERIFY(art.face(20, QSize(0, 96), 1.0).isNull());
    }
    // The deck file of a folder: its index's, else its first; one without
    // the card faces is not used.
    void deckFileFromIndexAndUnreadableDeck()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const char* name : {"a.svg", "b.svgz"}) {
            QFile file(folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<svg xmlns='http://www.w3.org/2000/svg'><rect id='back' width='10' height='10'/></svg>");
        }
        QCOMPARE(deckFileIn(folder.path()), folder.filePath(QStringLiteral("a.svg")));
        const CardArt art(folder.path());
        QCOMPARE(art.deckFile(), folder.filePath(QStringLiteral("a.svg")));
        QVERIFY2(!art.usesDeck(), "a deck without the card faces must not be used");
        QFile index(folder.filePath(QStringLiteral("index.desktop")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[KDE Backdeck]\nName=Test\nSVG=b.svgz\n");
        index.close();
        QCOMPARE(deckFileIn(folder.path()), folder.filePath(QStringLiteral("b.svgz")));
        QCOMPARE(deckFileIn(folder.filePath(QStringLiteral("missing"))), QString());
    }
    void trumpSymbols()
    {
        QSet<QByteArray> pictures;
        for (Suit trumps = Diamonds; trumps <= NoTrumps; ++trumps) {
            const QPixmap symbol = trumpSymbol(trumps);
            QCOMPARE(symbol.size(), QSize(70, 70));
            const QImage image = imageOf(symbol);
            pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), 5);
        QCOMPARE(trumpSymbol(Hearts, QSize(70, 70), 2.0).size(), QSize(140, 140));
        QVERIFY(trumpSymbol(NoSuit).isNull());
        QVERIFY(trumpSymbol(NotChosen).isNull());
    }
    // The sounds: the files the build made, where the program looks for them
    // (beside it in the build folder, in <prefix>/share/corvane/sounds once
    // installed in <prefix>/bin), and a player without files or device.
    void generatedFilesArePlayableWaves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::newRow("shuffle") << "Shuffle.wav" << 0.3 << 1.5;
        QTest::newRow("card") << "CardDeal1.wav" << 0.01 << 0.2;
        QTest::newRow("bell") << "RingOut.wav" << 0.4 << 2.0;
    }
    // 16-bit mono PCM with a sound in it that neither clips nor is silent.
    void generatedFilesArePlayableWaves()
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
    void folderFor_data()
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
    void folderFor()
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
    // Without files nothing plays; with or without a sound device (there is
    // none where the tests usually run), every cue may be asked for, muted or not.
    void missingFilesAreSilentAndMutingKeepsTheFiles()
    {
        QTemporaryDir empty;
        SoundPlayer silent(empty.path());
        SoundPlayer player(QStringLiteral(CORVANE_SOUND_DIR));
        for (const SoundCue cue : Cues) {
            QVERIFY(silent.filePath(cue).isEmpty());
            QVERIFY(!silent.canPlay(cue));
            silent.play(cue);
            player.play(cue);
        }
        player.setMuted(true);
        QVERIFY(player.isMuted());
        player.play(SoundCue::RingOut);
        player.setMuted(false);
        QVERIFY(!player.isMuted());
        for (const SoundCue cue : Cues)
            QCOMPARE(player.filePath(cue), QStringLiteral(CORVANE_SOUND_DIR "/") + SoundPlayer::fileName(cue));
    }
    // The pacer: steps in order, pauses by its one timer, drained() only from
    // the event loop, and nothing running once everything is played.
    void stepsInOrderAndPausesByItsOneTimer()
    {
        QStringList played;
        Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
        QSignalSpy drained(&pacer, &Pacer::drained);
        pacer.play({logStep("one"), step::Caption{Label::YourScore, "3"}, logStep("two")});
        QCOMPARE(played, (QStringList{"Log \"one\"", "Caption YourScore \"3\"", "Log \"two\""}));
        QVERIFY(!pacer.busy());
        // Not from inside play(): the caller finishes first.
        QCOMPARE(drained.count(), 0);
        QVERIFY(drained.wait(1000));

        // A pause holds back the rest, and what is queued meanwhile waits too.
        played.clear();
        pacer.play({logStep("before"), pauseStep(60ms), logStep("after")});
        pacer.play({logStep("queued")});
        QCOMPARE(played, QStringList{"Log \"before\""});
        QVERIFY(pacer.busy());
        QCOMPARE(pacer.timerInterval(), 60);
        QVERIFY(drained.wait(2000));
        QCOMPARE(played, (QStringList{"Log \"before\"", "Log \"after\"", "Log \"queued\""}));
        // Drained once, then idle.
        QTest::qWait(30);
        QCOMPARE(drained.count(), 2);
        QVERIFY(!pacer.timerActive());
        pacer.kick();
        QVERIFY(drained.wait(1000));
        QCOMPARE(drained.count(), 3);
        QVERIFY(!pacer.timerActive());
        // A pause is never shortened: a quarter pace of 12.5 ms waits 13.
        pacer.play({pauseStep(12500us), logStep("late")});
        QCOMPARE(pacer.timerInterval(), 13);
        QVERIFY(drained.wait(2000));
    }
    void thenFollowsItsStepsAndClearDropsThem()
    {
        QStringList played;
        Pacer pacer([&](const Step& s) { played << QString::fromStdString(describe(s)); });
        pacer.play({logStep("a"), pauseStep(5ms), logStep("b")}, [&] { played << "then"; });
        QCOMPARE(played, QStringList{"Log \"a\""});
        QTRY_COMPARE(played, (QStringList{"Log \"a\"", "Log \"b\"", "then"}));
        // A callback may queue more steps; they follow in order.
        played.clear();
        pacer.play({logStep("c")}, [&] { pacer.play({pauseStep(5ms), logStep("d")}); });
        pacer.play({logStep("e")});
        QTRY_COMPARE(played, (QStringList{"Log \"c\"", "Log \"d\"", "Log \"e\""}));

        played.clear();
        bool called = false;
        pacer.play({pauseStep(20ms), logStep("dropped")}, [&] { called = true; });
        pacer.clear();
        QVERIFY(!pacer.busy());
        QVERIFY(!pacer.timerActive());
        QTest::qWait(50);
        QVERIFY(played.isEmpty());
        QVERIFY(!called);
    }
};

QTEST_MAIN(TestArtAndSound)
#include "test_art_and_sound.moc"
