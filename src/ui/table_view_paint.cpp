// Painting the table: felt, frames and labels beneath, the cards on top in
// their stacking order. Everything is placed in twips through the scale;
// pictures are drawn for the device pixels in use, so they stay sharp.
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

// A frame with its caption cut into the top line, as a group box draws it.
void paintFrame(QPainter& p, const TableScale& s, const QRectF& twips, const QString& caption)
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
    p.setPen(Text);
    p.drawText(QPoint(r.left() + gap, r.top() + m.ascent()), caption);
}

void paintText(QPainter& p, const TableScale& s, QPointF at, const QString& text)
{
    const QPoint corner = s.point(at.x(), at.y());
    p.drawText(QPoint(corner.x(), corner.y() + p.fontMetrics().ascent()), text);
}

}  // namespace

void TableView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Bars);
    p.fillRect(m_scale.tableArea(), Felt);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintFrames(p);
    paintLabels(p);
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

    paintFrame(p, m_scale, ScoresFrame, QString::fromStdString(m_scene.caption(Label::ScoresFrame)));
    p.setFont(scaledFont(m_scale, LabelFont));
    p.setPen(Text);
    const QPointF origin = ScoresFrame.topLeft();
    const std::pair<QPointF, QString> texts[] = {
        {BidsTitle, QStringLiteral("BIDS")},
        {YourTeamTitle, QStringLiteral("Your Team")},
        {TheirTeamTitle, QStringLiteral("Their Team")},
        {TricksTitle, QStringLiteral("TRICKS HAND")},
        {PointsTitle, QStringLiteral("GAME POINTS")},
        {YourBid, QString::fromStdString(m_scene.caption(Label::YourBid))},
        {TheirBid, QString::fromStdString(m_scene.caption(Label::TheirBid))},
        {YourMade, QString::fromStdString(m_scene.caption(Label::YourMade))},
        {TheirMade, QString::fromStdString(m_scene.caption(Label::TheirMade))},
        {YourScore, QString::fromStdString(m_scene.caption(Label::YourScore))},
        {TheirScore, QString::fromStdString(m_scene.caption(Label::TheirScore))},
    };
    for (const auto& [at, text] : texts)
        paintText(p, m_scale, origin + at, text);
}

void TableView::paintLabels(QPainter& p) const
{
    using namespace layout;
    p.setFont(scaledFont(m_scale, NameFont, true));
    p.setPen(Text);
    for (Seat s = South; s <= East; ++s)
        paintText(p, m_scale, NameSpot[s], QString::fromStdString(m_scene.caption(nameLabel(s))));

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
