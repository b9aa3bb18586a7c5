#include "ui/scaled_controls.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

#include "ui/fonts.h"
#include "ui/table_scale.h"

namespace corvane {

void ScaledControls::add(QWidget* control, QRectF twips, int fontPixels, bool bold, bool inFrame)
{
    m_entries.push_back({control, twips, fontPixels, bold, inFrame});
}

void ScaledControls::apply(const TableScale& scale) const
{
    for (const Entry& e : m_entries) {
        const QRectF& r = e.twips;
        e.control->setGeometry(e.inFrame ? scale.inner(r.x(), r.y(), r.width(), r.height())
                                         : scale.rect(r.x(), r.y(), r.width(), r.height()));
        const int pixels = std::max(6, static_cast<int>(std::lround(e.fontPixels * scale.factor())));
        e.control->setFont(serifFont(pixels, e.bold));
    }
}

}  // namespace corvane
