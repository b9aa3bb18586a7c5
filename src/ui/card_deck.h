#pragma once

#include <QString>
#include <QStringList>

namespace corvane {

// Finding an SVG card deck on disk. Decks live in folders named like
// "svg-nicu-white" inside a "carddecks" folder of the system's data folders;
// each holds an index.desktop whose SVG= line names the deck's file.

inline constexpr auto DefaultDeckFolder = "svg-nicu-white";
// Names a deck folder (or an SVG file) to use instead of the default deck.
inline constexpr auto DeckVariable = "CORVANE_CARD_DECK";

// The "carddecks" folders to look in, most personal first.
QStringList cardDeckRoots();

// The deck file for `path`: `path` itself when it is a file, else the file
// named by the folder's index.desktop, else its first .svgz or .svg.
// Empty when there is none.
QString deckFileIn(const QString& path);

// The deck to use when none is given: the one CORVANE_CARD_DECK names,
// otherwise the default deck from the first root that has it. Empty when
// there is none.
QString findDeckFile();

}  // namespace corvane
