// Painting the table: felt, frames and dealer markers beneath, the cards on
// them in their stacking order, and over everything, controls included, the
// seat names and the score panel's texts, each on a patch of felt. Everything
// is placed in twips through the scale; pictures are drawn for the device
// pixels in use, so they stay sharp.
#include <QPainter>

#include <cmath>

#include "ui/card_art.h"
#include "ui/fonts.h"
#include "ui/table_layout.h"
#include "ui/table_view.h"
#include "ui/trump_symbols.h"

namespace corvane {

namespace {

const QColor Bars(18, 40, 24);
const QColor Felt(0, 110, 50);
const QColor FrameLine(200, 220, 190);
const QColor Text(255, 250, 215);
const QColor Marker(250, 215, 80);

// The suit a trump picture stands for.
Suit suitOfPicture(TrumpPicture p)
{
    switch (p) {
    case 62: return Diamonds;
    case 61: return Clubs;
    case 60: return Hearts;
    case 63: return Spades;
    case 64: return NoTrumps;
    default: return NoSuit;
    }
}

QFont scaledFont(const TableScale& s, int pixels, bool bold = false)
{
    return serifFont(std::max(6, static_cast<int>(std::lround(pixels * s.factor()))), bold);
}

// A frame with a gap cut into its top line for the caption, as a group box
// draws it; the caption itself is painted there unless it goes on top.
void paintFrame(QPainter& p, const TableScale& s, const QRectF& twips, const QString& caption, bool withCaption = true)
{
    const QRect r = s.rect(twips.x(), twips.y(), twips.width(), twips.height());
    p.setFont(scaledFont(s, layout::LabelFont));
    const QFontMetrics m(p.font());
    const int line = r.top() + m.height() / 2;
    const int gap = s.length(120);
    const int textWidth = m.horizontalAdvance(caption);
    p.setPen(QPen(FrameLine, std::max(1.0, s.factor())));
    p.drawLine(r.left(), line, r.left() + gap / 2, line);
    p.drawLine(r.left() + gap + textWidth + gap / 2, line, r.right(), line);
    p.drawLine(r.right(), line, r.right(), r.bottom());
    p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
    p.drawLine(r.left(), r.bottom(), r.left(), line);
    if (!withCaption)
        return;
    p.setPen(Text);
    p.drawText(QPoint(r.left() + gap, r.top() + m.ascent()), caption);
}

}  // namespace

// The table's top layer: it takes no input and paints what must never be
// hidden, above the controls that are the table's children too.
class TopLayer : public QWidget {
public:
    explicit TopLayer(TableView* table) : QWidget(table), m_table(table)
    {
        setObjectName(QStringLiteral("TopLayer"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        m_table->paintTop(p);
    }

private:
    TableView* m_table;
};

QWidget* makeTopLayer(TableView* table) { return new TopLayer(table); }

void TableView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Bars);
    p.fillRect(m_scale.tableArea(), Felt);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintFrames(p);
    paintDealers(p);
    paintCards(p);
    paintHint(p);
    paintFocus(p);
    paintTrick(p);
}

// A thick ring round the focused card, in the dealer marker's yellow, so
// the keyboard's place in the hand shows on any card face.
void TableView::paintFocus(QPainter& p) const
{
    const Card c = focusedCard();
    if (c == NoCard || !hasFocus() || !m_scene.card(c).visible)
        return;
    const qreal width = std::max(3.0, 4 * m_scale.factor());
    // Round the part that shows: a card overlapped by the next one in the
    // row is marked up to where that one begins.
    QRect shown = cardRect(c);
    if (m_focus + 1 < m_keyCards.size() && m_scene.card(m_keyCards[m_focus + 1]).visible) {
        const QRect next = cardRect(m_keyCards[m_focus + 1]);
        if (next.intersects(shown) && next.left() > shown.left())
            shown.setRight(next.left() - 1);
    }
    const QRectF r = QRectF(shown).adjusted(-width / 2, -width / 2, width / 2, width / 2);
    p.setPen(QPen(Marker, width));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, width, width);
}

void TableView::paintFrames(QPainter& p) const
{
    using namespace layout;
    if (m_scene.shown(Control::Outline)) {
        const QRect r = m_scale.rect(Outline.x(), Outline.y(), Outline.width(), Outline.height());
        p.setPen(QPen(FrameLine, std::max(1.0, m_scale.factor())));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    paintFrame(p, m_scale, TrumpsFrame, QStringLiteral("Trumps"));
    if (const Suit trumps = suitOfPicture(m_scene.trumps()); trumps != NoSuit) {
        const QRect r = m_scale.rect(TrumpsPicture.x(), TrumpsPicture.y(), TrumpsPicture.width(), TrumpsPicture.height());
        p.drawPixmap(r.topLeft(), trumpSymbol(trumps, r.size(), devicePixelRatioF()));
    }

    paintFrame(p, m_scale, ScoresFrame, QString::fromStdString(m_scene.caption(Label::ScoresFrame)), false);
}

std::vector<TopText> TableView::topTexts() const
{
    using namespace layout;
    std::vector<TopText> texts;
    const auto add = [&](QPoint corner, const std::string& text, const QFont& font) {
        if (text.empty())
            return;
        const QFontMetrics m(font);
        const QString shown = QString::fromStdString(text);
        // A pixel or two either side for the glyphs that lean out of their advance.
        const int pad = std::max(1, m_scale.length(23));
        const QRect box(corner, QSize(m.horizontalAdvance(shown), m.height()));
        texts.push_back({box.adjusted(-pad, 0, pad, 0), QPoint(corner.x(), corner.y() + m.ascent()), shown, font});
    };
    const auto at = [&](QPointF twips) { return m_scale.point(twips.x(), twips.y()); };
    const QFont names = scaledFont(m_scale, NameFont, true);
    for (Seat s = South; s <= East; ++s)
        add(at(NameSpot[s]), m_scene.caption(nameLabel(s)), names);

    const QFont labels = scaledFont(m_scale, LabelFont);
    const QPoint frame = at(ScoresFrame.topLeft());
    add({frame.x() + m_scale.length(120), frame.y()}, m_scene.caption(Label::ScoresFrame), labels);
    const QPointF origin = ScoresFrame.topLeft();
    const std::pair<QPointF, std::string> panel[] = {
        {BidsTitle, "BIDS"},
        {YourTeamTitle, "Your Team"},
        {TheirTeamTitle, "Their Team"},
        {TricksTitle, "TRICKS HAND"},
        {PointsTitle, "GAME POINTS"},
        {YourBid, m_scene.caption(Label::YourBid)},
        {TheirBid, m_scene.caption(Label::TheirBid)},
        {YourMade, m_scene.caption(Label::YourMade)},
        {TheirMade, m_scene.caption(Label::TheirMade)},
        {YourScore, m_scene.caption(Label::YourScore)},
        {TheirScore, m_scene.caption(Label::TheirScore)},
    };
    for (const auto& [place, text] : panel)
        add(at(origin + place), text, labels);
    return texts;
}

QRect TableView::scoresLowerEdge() const
{
    const QRectF& f = layout::ScoresFrame;
    const QRect r = m_scale.rect(f.x(), f.y(), f.width(), f.height());
    const int width = std::max(1, static_cast<int>(std::lround(m_scale.factor())));
    return {r.left(), r.bottom() - width + 1, r.width(), width};
}

void TableView::paintTop(QPainter& p) const
{
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(scoresLowerEdge(), FrameLine);
    for (const TopText& t : topTexts()) {
        p.fillRect(t.clear, Felt);
        p.setFont(t.font);
        p.setPen(Text);
        p.drawText(t.at, t.text);
    }
}

void TableView::paintDealers(QPainter& p) const
{
    using namespace layout;
    p.setFont(scaledFont(m_scale, LabelFont, true));
    for (Seat s = South; s <= East; ++s) {
        if (!m_scene.shown(dealerMarker(s)))
            continue;
        const QRect r = m_scale.rect(DealerSpot[s].x(), DealerSpot[s].y(), DealerWidth, DealerHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(Marker);
        p.drawRoundedRect(r, r.height() / 4.0, r.height() / 4.0);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("Dealer"));
    }
}

void TableView::paintCards(QPainter& p)
{
    const QSize size = cardSize();
    const qreal dpr = devicePixelRatioF();
    for (const Card c : m_scene.paintOrder()) {
        const Sprite& s = m_scene.card(c);
        const QPixmap picture = s.faceUp ? m_art->face(c, size, dpr) : m_art->back(size, dpr);
        p.drawPixmap(cardRect(c).topLeft(), picture);
    }
}

}  // namespace corvane
