#pragma once

#include <QPainter>
#include <QRectF>

#include "table/card.h"

namespace corvane {

// Card pictures of the program's own, used when no SVG deck can be read:
// rank and suit signs on white, two jokers told apart by colour and word,
// and a patterned back. Each fills `card` whatever its size.
void paintPlainFace(QPainter& painter, const QRectF& card, Card id);
void paintPlainBack(QPainter& painter, const QRectF& card);

}  // namespace corvane
