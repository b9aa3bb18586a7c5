#include "ui/table_scale.h"

#include <algorithm>
#include <cmath>

#include "scene/table_geometry.h"

namespace corvane {

namespace {
int rounded(double v) { return static_cast<int>(std::lround(v)); }
}  // namespace

TableScale TableScale::fit(QSize widget)
{
    TableScale s;
    if (widget.isEmpty())
        return s;
    s.m_scale = std::min(widget.width() / double(TableWidth), widget.height() / double(TableHeight));
    s.m_left = (widget.width() - TableWidth * s.m_scale) / 2;
    s.m_top = (widget.height() - TableHeight * s.m_scale) / 2;
    return s;
}

QRect TableScale::tableArea() const { return rect(0, 0, TableWidth, TableHeight); }

QPoint TableScale::point(double left, double top) const
{
    return {rounded(m_left + left * m_scale), rounded(m_top + top * m_scale)};
}

// Corners are rounded rather than sizes, so that neighbours meet exactly.
QRect TableScale::rect(double left, double top, double width, double height) const
{
    const QPoint a = point(left, top);
    const QPoint b = point(left + width, top + height);
    return {a, QSize(std::max(1, b.x() - a.x()), std::max(1, b.y() - a.y()))};
}

QRect TableScale::inner(double left, double top, double width, double height) const
{
    const QPoint a(rounded(left * m_scale), rounded(top * m_scale));
    const QPoint b(rounded((left + width) * m_scale), rounded((top + height) * m_scale));
    return {a, QSize(std::max(1, b.x() - a.x()), std::max(1, b.y() - a.y()))};
}

int TableScale::length(double twips) const { return std::max(1, rounded(twips * m_scale)); }

QPoint TableScale::toTwips(QPoint pixel) const
{
    return {rounded((pixel.x() - m_left) / m_scale), rounded((pixel.y() - m_top) / m_scale)};
}

}  // namespace corvane
