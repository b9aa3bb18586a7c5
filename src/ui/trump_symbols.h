#pragma once

#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>

#include "table/card.h"

namespace corvane {

// The trump symbol shown in the Trumps frame: the sign of a suit 1..4, or
// for No Trumps (5) the letters NT among four small suit signs. Drawn by the
// program at any size; its natural size is 70 x 70.
inline constexpr QSize TrumpSymbolSize{70, 70};

void paintTrumpSymbol(QPainter& painter, const QRectF& box, Suit trumps);

// A null pixmap for a number that is no trump choice.
QPixmap trumpSymbol(Suit trumps, QSize size = TrumpSymbolSize, qreal dpr = 1.0);

}  // namespace corvane
