#include "suit_symbols.h"

#include <QTransform>

namespace corvane {

namespace {

// Each sign is drawn in a unit square and then stretched onto the box.

QPainterPath unitDiamond()
{
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.lineTo(0.9, 0.5);
    p.lineTo(0.5, 1.0);
    p.lineTo(0.1, 0.5);
    p.closeSubpath();
    return p;
}

QPainterPath unitHeart()
{
    QPainterPath p;
    p.moveTo(0.5, 0.25);
    p.cubicTo(0.5, 0.05, 0.05, -0.02, 0.02, 0.3);
    p.cubicTo(0.0, 0.55, 0.35, 0.75, 0.5, 1.0);
    p.cubicTo(0.65, 0.75, 1.0, 0.55, 0.98, 0.3);
    p.cubicTo(0.95, -0.02, 0.5, 0.05, 0.5, 0.25);
    p.closeSubpath();
    return p;
}

QPainterPath unitStem()
{
    QPainterPath p;
    p.moveTo(0.46, 0.6);
    p.quadTo(0.44, 0.9, 0.25, 1.0);
    p.lineTo(0.75, 1.0);
    p.quadTo(0.56, 0.9, 0.54, 0.6);
    p.closeSubpath();
    return p;
}

QPainterPath unitSpade()
{
    QPainterPath leaf;
    leaf.moveTo(0.5, 0.0);
    leaf.cubicTo(0.65, 0.25, 1.0, 0.4, 0.98, 0.62);
    leaf.cubicTo(0.95, 0.88, 0.6, 0.88, 0.5, 0.7);
    leaf.cubicTo(0.4, 0.88, 0.05, 0.88, 0.02, 0.62);
    leaf.cubicTo(0.0, 0.4, 0.35, 0.25, 0.5, 0.0);
    leaf.closeSubpath();
    return leaf.united(unitStem());
}

QPainterPath unitClub()
{
    QPainterPath p;
    p.addEllipse(QPointF(0.5, 0.24), 0.23, 0.23);
    p.addEllipse(QPointF(0.24, 0.58), 0.23, 0.23);
    p.addEllipse(QPointF(0.76, 0.58), 0.23, 0.23);
    p.addEllipse(QPointF(0.5, 0.5), 0.12, 0.12);
    return p.united(unitStem()).simplified();
}

QPainterPath unitSuit(Suit suit)
{
    switch (suit) {
    case Diamonds: return unitDiamond();
    case Clubs: return unitClub();
    case Hearts: return unitHeart();
    case Spades: return unitSpade();
    default: return {};
    }
}

}  // namespace

QPainterPath suitPath(Suit suit, const QRectF& box)
{
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(unitSuit(suit));
}

QColor suitColor(Suit suit)
{
    return suit == Diamonds || suit == Hearts ? QColor(200, 20, 30) : QColor(20, 20, 20);
}

}  // namespace corvane
