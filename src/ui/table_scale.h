#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace corvane {

// How the table's twips map to a widget: one scale for both directions, so
// the table keeps its shape, centred with bars on the two sides that are
// too long (letterboxed). At 784 x 695 pixels a pixel is 15 twips.
class TableScale {
public:
    TableScale() = default;
    // The largest table that fits `widget` pixels.
    static TableScale fit(QSize widget);

    // Pixels to a twip, and the size of a pixel the designed 784 x 695
    // layout would have (1 at the designed size, 2 at twice it).
    double pixelsPerTwip() const { return m_scale; }
    double factor() const { return m_scale * 15.0; }
    // The table's own area in the widget.
    QRect tableArea() const;

    // A point and a rectangle of the table, in widget pixels.
    QPoint point(double left, double top) const;
    QRect rect(double left, double top, double width, double height) const;
    // A rectangle inside a control on the table: the same scale, no offset.
    QRect inner(double left, double top, double width, double height) const;
    // A length in pixels, at least one.
    int length(double twips) const;
    // A widget point back in twips.
    QPoint toTwips(QPoint pixel) const;

private:
    double m_scale = 1.0 / 15.0;
    double m_left = 0;
    double m_top = 0;
};

}  // namespace corvane
