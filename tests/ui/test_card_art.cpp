#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/card_art.h"
#include "ui/card_deck.h"
#include "ui/trump_symbols.h"

using namespace corvane;

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

}  // namespace

class TestCardArt : public QObject {
    Q_OBJECT
private slots:
    // Runs first: the warning about plain cards is said once per run.
    void plainCardsAreAnnouncedOnce();
    void elementIds_data();
    void elementIds();
    void defaultDeckHasEveryCard();
    void deckPicturesHaveTheAskedSize_data();
    void deckPicturesHaveTheAskedSize();
    void picturesAreCachedPerSizeAndRatio();
    void missingDeckGivesPlainCards_data();
    void missingDeckGivesPlainCards();
    void unreadableDeckGivesPlainCards();
    void deckFileFromIndex();
    void trumpSymbols();
};

void TestCardArt::plainCardsAreAnnouncedOnce()
{
    const QtMessageHandler previous = qInstallMessageHandler(countPlainCardWarnings);
    CardArt first(QStringLiteral("/nonexistent/deck"));
    CardArt second(QStringLiteral("/nonexistent/other"));
    qInstallMessageHandler(previous);
    QVERIFY(!first.usesDeck());
    QVERIFY(!second.usesDeck());
    QCOMPARE(plainCardWarnings, 1);
}

void TestCardArt::elementIds_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("element");
    QTest::newRow("Two of Diamonds") << 1 << "2_diamond";
    QTest::newRow("Ten of Diamonds") << 9 << "10_diamond";
    QTest::newRow("Ace of Diamonds") << 13 << "1_diamond";
    QTest::newRow("Two of Clubs") << 14 << "2_club";
    QTest::newRow("King of Clubs") << 25 << "king_club";
    QTest::newRow("Jack of Hearts") << 36 << "jack_heart";
    QTest::newRow("Queen of Spades") << 50 << "queen_spade";
    QTest::newRow("Ace of Spades") << 52 << "1_spade";
    QTest::newRow("Little Joker") << 53 << "black_joker";
    QTest::newRow("Big Joker") << 54 << "red_joker";
    QTest::newRow("back") << 55 << "back";
    QTest::newRow("no picture 0") << 0 << "";
    QTest::newRow("no picture 56") << 56 << "";
}

void TestCardArt::elementIds()
{
    QFETCH(int, number);
    QFETCH(QString, element);
    QCOMPARE(CardArt::elementId(number), element);
}

void TestCardArt::defaultDeckHasEveryCard()
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

void TestCardArt::deckPicturesHaveTheAskedSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("dpr");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("natural") << QSize(71, 96) << 1.0 << QSize(71, 96);
    QTest::newRow("HiDPI") << QSize(71, 96) << 2.0 << QSize(142, 192);
    QTest::newRow("fractional") << QSize(142, 192) << 1.25 << QSize(178, 240);
}

void TestCardArt::deckPicturesHaveTheAskedSize()
{
    QFETCH(QSize, size);
    QFETCH(double, dpr);
    QFETCH(QSize, pixels);
    CardArt art;
    QSet<QByteArray> pictures;
    for (const int number : Distinct) {
        const QPixmap pixmap = art.picture(number, size, dpr);
        QCOMPARE(pixmap.size(), pixels);
        QCOMPARE(pixmap.devicePixelRatio(), dpr);
        const QImage image = imageOf(pixmap);
        // Drawn, not left transparent: the middle of every card is opaque.
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(pictures.size(), int(std::size(Distinct)));
}

void TestCardArt::picturesAreCachedPerSizeAndRatio()
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

void TestCardArt::missingDeckGivesPlainCards_data()
{
    QTest::addColumn<bool>("byVariable");
    QTest::newRow("folder given") << false;
    QTest::newRow("CORVANE_CARD_DECK") << true;
}

void TestCardArt::missingDeckGivesPlainCards()
{
    QFETCH(bool, byVariable);
    const QString missing = QStringLiteral("/nonexistent/svg-nicu-white");
    if (byVariable)
        qputenv(DeckVariable, missing.toUtf8());
    auto art = byVariable ? std::make_unique<CardArt>() : std::make_unique<CardArt>(missing);
    qunsetenv(DeckVariable);
    QVERIFY(!art->usesDeck());
    QSet<QByteArray> pictures;
    for (const int number : Distinct) {
        const QImage image = imageOf(art->picture(number, QSize(71, 96), 1.0));
        QCOMPARE(image.size(), QSize(71, 96));
        QCOMPARE(qAlpha(image.pixel(35, 48)), 255);
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(pictures.size(), int(std::size(Distinct)));
}

void TestCardArt::unreadableDeckGivesPlainCards()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile broken(folder.filePath(QStringLiteral("broken.svg")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<svg xmlns='http://www.w3.org/2000/svg'><rect id='back' width='10' height='10'/></svg>");
    broken.close();
    const CardArt art(folder.path());
    QCOMPARE(art.deckFile(), broken.fileName());
    QVERIFY2(!art.usesDeck(), "a deck without the card faces must not be used");
}

void TestCardArt::deckFileFromIndex()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const char* name : {"a.svg", "b.svgz"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(deckFileIn(folder.path()), folder.filePath(QStringLiteral("a.svg")));
    QFile index(folder.filePath(QStringLiteral("index.desktop")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[KDE Backdeck]\nName=Test\nSVG=b.svgz\n");
    index.close();
    QCOMPARE(deckFileIn(folder.path()), folder.filePath(QStringLiteral("b.svgz")));
    QCOMPARE(deckFileIn(folder.filePath(QStringLiteral("missing"))), QString());
}

void TestCardArt::trumpSymbols()
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

QTEST_MAIN(TestCardArt)
#include "test_card_art.moc"
