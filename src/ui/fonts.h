#pragma once

#include <QFont>

namespace corvane {

// The table's texts are set in Times New Roman and the message text in
// MS Sans Serif. Where those are not installed, Qt is told to use the
// metric-compatible Liberation fonts (and DejaVu after them).
void installFontSubstitutes();

// Sizes are in pixels: the layouts they sit in are fixed in pixels too.
QFont serifFont(int pixelSize, bool bold = false);
QFont sansFont(int pixelSize, bool bold = false);

}  // namespace corvane
