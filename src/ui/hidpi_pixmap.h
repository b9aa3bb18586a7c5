#pragma once

#include <QPixmap>
#include <QSize>

#include <cmath>

namespace corvane {

// A transparent pixmap of `size` device-independent pixels for a screen of
// `dpr` device pixels to each of them, ready to be painted in logical units.
inline QPixmap hidpiPixmap(QSize size, qreal dpr)
{
    QPixmap pixmap(static_cast<int>(std::lround(size.width() * dpr)), static_cast<int>(std::lround(size.height() * dpr)));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace corvane
