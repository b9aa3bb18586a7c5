#pragma once

#include <QRectF>

#include <vector>

class QWidget;

namespace corvane {

class TableScale;

// Controls whose place and text size are fixed in twips: each is placed and
// its font sized again whenever the table's scale changes. Rectangles are in
// the control's parent, the table itself or a frame on it.
class ScaledControls {
public:
    // `inFrame` for a control inside a frame: no letterbox offset.
    void add(QWidget* control, QRectF twips, int fontPixels, bool bold = false, bool inFrame = false);
    void apply(const TableScale& scale) const;

private:
    struct Entry {
        QWidget* control;
        QRectF twips;
        int fontPixels;
        bool bold;
        bool inFrame;
    };
    std::vector<Entry> m_entries;
};

}  // namespace corvane
