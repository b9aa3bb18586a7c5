#include "trump_symbols.h"

#include "fonts.h"
#include "hidpi_pixmap.h"
#include "suit_symbols.h"

namespace corvane {

namespace {

void paintNoTrumps(QPainter& painter)
{
    painter.setPen(QColor(25, 45, 110));
    painter.setFont(serifFont(30, true));
    painter.drawText(QRectF(0, 14, 70, 42), Qt::AlignCenter, QStringLiteral("NT"));
    const QRectF corners[] = {{5, 5, 12, 12}, {53, 5, 12, 12}, {5, 53, 12, 12}, {53, 53, 12, 12}};
    for (Suit suit = Diamonds; suit <= Spades; ++suit)
        painter.fillPath(suitPath(suit, corners[suit - 1]), suitColor(suit));
}

}  // namespace

void paintTrumpSymbol(QPainter& painter, const QRectF& box, Suit trumps)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / TrumpSymbolSize.width(), box.height() / TrumpSymbolSize.height());
    painter.setPen(QPen(QColor(120, 110, 90), 1));
    painter.setBrush(QColor(252, 248, 236));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 69, 69), 6, 6);
    if (trumps == NoTrumps)
        paintNoTrumps(painter);
    else
        painter.fillPath(suitPath(trumps, QRectF(12, 11, 46, 48)), suitColor(trumps));
    painter.restore();
}

QPixmap trumpSymbol(Suit trumps, QSize size, qreal dpr)
{
    if (!(isPlainSuit(trumps) || trumps == NoTrumps) || size.isEmpty() || dpr <= 0)
        return {};
    QPixmap pixmap = hidpiPixmap(size, dpr);
    QPainter painter(&pixmap);
    paintTrumpSymbol(painter, QRectF(QPointF(0, 0), QSizeF(size)), trumps);
    return pixmap;
}

}  // namespace corvane
