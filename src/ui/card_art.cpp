#include "card_art.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtDebug>

#include <array>
#include <cmath>

#include "card_deck.h"
#include "hidpi_pixmap.h"
#include "plain_cards.h"

namespace corvane {

namespace {

// A window being resized asks for many sizes; past this many pictures the
// cache starts again rather than keep every size it has seen.
constexpr qsizetype CacheLimit = 4 * BackPicture;

void announcePlainCards(const QString& why)
{
    static bool announced = false;
    if (announced)
        return;
    announced = true;
    qWarning().noquote() << "corvane:" << why << "- drawing plain cards instead.";
}

bool hasEveryPicture(const QSvgRenderer& deck)
{
    for (int number = 1; number <= BackPicture; ++number) {
        if (!deck.elementExists(CardArt::elementId(number)))
            return false;
    }
    return true;
}

}  // namespace

CardArt::CardArt()
{
    const QString where = qEnvironmentVariableIsSet(DeckVariable)
        ? qEnvironmentVariable(DeckVariable)
        : QStringLiteral("%1 in %2").arg(QLatin1String(DefaultDeckFolder), cardDeckRoots().join(QStringLiteral(", ")));
    openDeck(findDeckFile(), where);
}

CardArt::CardArt(const QString& deckPath)
{
    openDeck(deckFileIn(deckPath), deckPath);
}

CardArt::~CardArt() = default;

void CardArt::openDeck(const QString& deckFile, const QString& where)
{
    m_deckFile = deckFile;
    if (deckFile.isEmpty()) {
        announcePlainCards(QStringLiteral("no card deck found (looked for %1)").arg(where));
        return;
    }
    auto deck = std::make_unique<QSvgRenderer>(deckFile);
    if (!deck->isValid() || !hasEveryPicture(*deck)) {
        announcePlainCards(QStringLiteral("the card deck %1 could not be read").arg(deckFile));
        return;
    }
    m_deck = std::move(deck);
}

QString CardArt::elementId(int number)
{
    static constexpr std::array<const char*, 13> Ranks = {
        "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};
    static constexpr std::array<const char*, 4> Suits = {"diamond", "club", "heart", "spade"};
    switch (number) {
    case BackPicture: return QStringLiteral("back");
    case LittleJoker: return QStringLiteral("black_joker");
    case BigJoker: return QStringLiteral("red_joker");
    default: break;
    }
    if (!isValidCard(number))
        return {};
    return QStringLiteral("%1_%2").arg(QLatin1String(Ranks[rankOf(number)]), QLatin1String(Suits[printedSuit(number) - 1]));
}

QPixmap CardArt::picture(int number, QSize size, qreal dpr)
{
    if (number < 1 || number > BackPicture || size.isEmpty() || dpr <= 0)
        return {};
    const Key key{number, size, static_cast<int>(std::lround(dpr * 100))};
    if (const auto found = m_cache.constFind(key); found != m_cache.constEnd())
        return *found;
    if (m_cache.size() >= CacheLimit)
        m_cache.clear();
    return *m_cache.insert(key, render(number, size, dpr));
}

QPixmap CardArt::render(int number, QSize size, qreal dpr) const
{
    QPixmap pixmap = hidpiPixmap(size, dpr);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF bounds(QPointF(0, 0), QSizeF(size));
    if (m_deck)
        m_deck->render(&painter, elementId(number), bounds);
    else if (number == BackPicture)
        paintPlainBack(painter, bounds);
    else
        paintPlainFace(painter, bounds, number);
    return pixmap;
}

}  // namespace corvane
