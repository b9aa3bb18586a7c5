#pragma once

#include <QRect>

#include <cmath>

namespace corvane {

// The window's fixed layouts are written in twips, 15 to a logical pixel.
// Qt scales logical pixels to the screen, so these stay sharp on HiDPI.
inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

// Left, top, width and height rounded one by one, so that equal sizes in
// twips stay equal in pixels wherever the rectangle lies.
inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace corvane
