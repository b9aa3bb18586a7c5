#pragma once

#include <QPointF>
#include <QRectF>

#include <array>

namespace corvane::layout {

// The table's fixed places, in twips. Labels are given by their top-left
// corner and a box wide enough for their longest caption.

// Seat labels and dealer markers, index = seat (0 unused).
inline constexpr std::array<QPointF, 5> NameSpot{{{0, 0}, {2280, 7080}, {1440, 1920}, {1680, 600}, {8280, 1920}}};
inline constexpr std::array<QPointF, 5> DealerSpot{{{0, 0}, {1920, 6720}, {1080, 1440}, {1680, 240}, {7920, 1560}}};
inline constexpr double DealerWidth = 735;
inline constexpr double DealerHeight = 375;

inline constexpr QRectF CarryOn(5160, 4320, 1095, 735);
inline constexpr QRectF BidPanel(2880, 1200, 5055, 5415);
inline constexpr QRectF DiscardCarryOn(6960, 6600, 1575, 375);
inline constexpr QRectF StartAgain(5280, 6600, 1575, 375);
inline constexpr QRectF Log(0, 9120, 11775, 1200);
inline constexpr QRectF Outline(3120, 2520, 5535, 4575);

inline constexpr QRectF TrumpsFrame(10200, 120, 1455, 1575);
inline constexpr QRectF TrumpsPicture(10200 + 240, 120 + 360, 1050, 1050);  // 70 x 70 pixels

// The score panel and its labels, inside the panel.
inline constexpr QRectF ScoresFrame(8280, 7320, 3375, 1815);
inline constexpr double ScoreLabelWidth = 840;
inline constexpr double ScoreLabelHeight = 300;
inline constexpr QPointF BidsTitle(120, 600);
inline constexpr QPointF YourTeamTitle(1200, 240);
inline constexpr QPointF TheirTeamTitle(2280, 240);
inline constexpr QPointF YourBid(1560, 600);
inline constexpr QPointF TheirBid(2520, 600);
inline constexpr QPointF TricksTitle(120, 960);
inline constexpr QPointF YourMade(1560, 960);
inline constexpr QPointF TheirMade(2520, 960);
inline constexpr QPointF PointsTitle(120, 1320);
inline constexpr QPointF YourScore(1560, 1320);
inline constexpr QPointF TheirScore(2520, 1320);

// Text sizes in pixels at the designed size.
inline constexpr int NameFont = 13;
inline constexpr int LabelFont = 12;
inline constexpr int ButtonFont = 12;
inline constexpr int LogFont = 13;

}  // namespace corvane::layout
