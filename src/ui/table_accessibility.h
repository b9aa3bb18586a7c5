#pragma once

#include <QString>

#include "table/card.h"

namespace corvane {

// The table paints its cards and labels rather than holding a widget for
// each, so a screen reader is given them as accessible children of the
// table: each card shown (a button, by name, for a face-up card; a graphic
// "face down card" otherwise), then the seat names and the score panel as
// static texts. Installed once, before the first table is made.
void installTableAccessibility();

// "Queen of Hearts", "Little Joker"; "face down card" when the back shows.
QString accessibleCardName(Card c, bool faceUp);

}  // namespace corvane
