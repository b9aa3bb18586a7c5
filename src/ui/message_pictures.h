#pragma once

#include <QPixmap>

namespace corvane {

// The message box's six pictures, 32 x 32, drawn by the program:
// 1 question, 2 warning, 3 erase (a waste bin), 4 information,
// 5 a trophy for good news, 6 a sad face for bad news.
inline constexpr int MessagePictureCount = 6;
inline constexpr int MessagePictureSize = 32;

// A null pixmap for a number outside 1..6.
QPixmap messagePicture(int number, qreal dpr = 1.0);

}  // namespace corvane
