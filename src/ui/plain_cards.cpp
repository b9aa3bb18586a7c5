#include "plain_cards.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

#include "fonts.h"
#include "suit_symbols.h"

namespace corvane {

namespace {

// Everything is drawn on a card of 71 x 96 units, scaled to the target.
constexpr double CardWidth = 71;
constexpr double CardHeight = 96;
constexpr double Corner = 5;

class CardSpace {
public:
    CardSpace(QPainter& painter, const QRectF& card) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_painter.translate(card.topLeft());
        m_painter.scale(card.width() / CardWidth, card.height() / CardHeight);
    }
    ~CardSpace() { m_painter.restore(); }
    CardSpace(const CardSpace&) = delete;
    CardSpace& operator=(const CardSpace&) = delete;

private:
    QPainter& m_painter;
};

const QRectF Outline(0.5, 0.5, CardWidth - 1, CardHeight - 1);

void paintBlank(QPainter& painter, const QColor& fill)
{
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(Outline, Corner, Corner);
}

QString rankLetter(Card id)
{
    static const char* const letters[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    return QString::fromLatin1(letters[rankOf(id)]);
}

// The rank and a small suit sign in the top-left corner; drawn again turned
// half round for the bottom-right corner.
void paintIndex(QPainter& painter, Card id)
{
    const Suit suit = printedSuit(id);
    painter.setFont(serifFont(15, true));
    painter.setPen(suitColor(suit));
    painter.drawText(QRectF(2, 2, 18, 16), Qt::AlignHCenter | Qt::AlignTop, rankLetter(id));
    painter.fillPath(suitPath(suit, QRectF(5, 19, 11, 11)), suitColor(suit));
}

void paintCentre(QPainter& painter, Card id)
{
    const Suit suit = printedSuit(id);
    const int rank = rankOf(id);
    const bool court = rank >= 9 && rank <= 11;
    if (!court) {
        painter.fillPath(suitPath(suit, QRectF(20, 32, 31, 32)), suitColor(suit));
        return;
    }
    // Jack, Queen and King: a framed panel with the letter and the sign.
    painter.setPen(QPen(suitColor(suit), 1.2));
    painter.setBrush(QColor(250, 244, 225));
    painter.drawRect(QRectF(17, 20, 37, 56));
    painter.setFont(serifFont(28, true));
    painter.drawText(QRectF(17, 20, 37, 36), Qt::AlignCenter, rankLetter(id));
    painter.fillPath(suitPath(suit, QRectF(27, 55, 17, 17)), suitColor(suit));
}

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// The Little Joker is black with a small star, the Big Joker red with a
// large one; each carries its own word so neither can be taken for the other.
void paintJoker(QPainter& painter, Card id)
{
    const bool big = id == BigJoker;
    const QColor ink = big ? QColor(200, 20, 30) : QColor(20, 20, 20);
    painter.setPen(ink);
    painter.setFont(serifFont(9, true));
    painter.drawText(QRectF(0, 4, CardWidth, 12), Qt::AlignHCenter, QStringLiteral("JOKER"));
    painter.drawText(QRectF(0, 80, CardWidth, 12), Qt::AlignHCenter, QStringLiteral("JOKER"));
    painter.fillPath(big ? star(QPointF(35.5, 44), 24, 10) : star(QPointF(35.5, 44), 13, 5.5), ink);
    painter.setFont(serifFont(big ? 13 : 10, true));
    painter.drawText(QRectF(0, 64, CardWidth, 16), Qt::AlignHCenter, big ? QStringLiteral("BIG") : QStringLiteral("little"));
}

}  // namespace

void paintPlainFace(QPainter& painter, const QRectF& card, Card id)
{
    const CardSpace space(painter, card);
    paintBlank(painter, Qt::white);
    if (isJoker(id)) {
        paintJoker(painter, id);
        return;
    }
    paintCentre(painter, id);
    paintIndex(painter, id);
    painter.translate(CardWidth, CardHeight);
    painter.rotate(180);
    paintIndex(painter, id);
}

void paintPlainBack(QPainter& painter, const QRectF& card)
{
    const CardSpace space(painter, card);
    paintBlank(painter, Qt::white);
    const QRectF field(5, 5, CardWidth - 10, CardHeight - 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 60, 140));
    painter.drawRoundedRect(field, 3, 3);
    painter.setClipRect(field);
    painter.setPen(QPen(QColor(140, 170, 230), 1));
    for (double d = -CardHeight; d < CardWidth + CardHeight; d += 7) {
        painter.drawLine(QPointF(d, 0), QPointF(d + CardHeight, CardHeight));
        painter.drawLine(QPointF(d, CardHeight), QPointF(d + CardHeight, 0));
    }
}

}  // namespace corvane
