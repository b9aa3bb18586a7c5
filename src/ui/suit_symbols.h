#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include "table/card.h"

namespace corvane {

// The four suit signs as filled outlines, drawn by the program for its plain
// cards and its trump symbols. `box` is filled edge to edge.
QPainterPath suitPath(Suit suit, const QRectF& box);

// Red for Diamonds and Hearts, black for Clubs and Spades.
QColor suitColor(Suit suit);

}  // namespace corvane
