#include "ui/review_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "table/card.h"

namespace corvane {

namespace {

QString esc(const std::string& s) { return QString::fromStdString(s).toHtmlEscaped(); }

// A seat's name, cut after its last whole word within MaxName characters
// (or at MaxName, for one long word).
constexpr int MaxName = 24;
QString name(const std::string& s)
{
    QString n = QString::fromStdString(s).simplified();
    if (n.size() <= MaxName)
        return n.toHtmlEscaped();
    const qsizetype blank = n.lastIndexOf(QLatin1Char(' '), MaxName);
    n.truncate(blank > 0 ? blank : MaxName);
    return (n + QStringLiteral("\u2026")).toHtmlEscaped();
}

// The log's card names, without the spacing of its columns.
QString card(Card c) { return QString::fromUtf8(cardName(c)).simplified(); }

QString cards(CardSet set)
{
    QStringList names;
    for (Card c : set)
        names << card(c);
    return names.join(QStringLiteral(", "));
}

QString contract(int level, bool high, Suit trumps)
{
    const QString in = trumps == NoTrumps ? QStringLiteral("No Trumps") : QString::fromUtf8(suitName(trumps).data());
    return QStringLiteral("%1 %2 in %3").arg(level).arg(high ? QStringLiteral("uptown") : QStringLiteral("downtown"), in);
}

QString reason(const std::string& why)
{
    return why.empty() ? QString() : QStringLiteral("<br><small><i>%1</i></small>").arg(esc(why));
}

QString dealt(const HandReview& h)
{
    QString html = QStringLiteral("<h3>As dealt</h3><table cellpadding=3>");
    for (Seat s = South; s <= East; ++s)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(name(h.names[s]), cards(h.dealt[s]));
    html += QStringLiteral("<tr><td><b>Kitty</b></td><td>%1</td></tr></table>").arg(cards(h.kitty));
    return html;
}

QString bidding(const HandReview& h)
{
    QString html = QStringLiteral("<h3>Bidding</h3><ol>");
    for (const HandReview::Bid& b : h.bids) {
        const QString what = b.pass ? QStringLiteral("passes")
                                    : QStringLiteral("bids %1%2").arg(contract(b.level, b.high, b.trumps),
                                                                       b.forced ? QStringLiteral(" (forced)") : QString());
        html += QStringLiteral("<li><b>%1</b> %2%3</li>").arg(name(h.names[b.seat]), what, reason(b.why));
    }
    html += QStringLiteral("</ol><h3>Contract</h3><p><b>%1</b>: %2</p>")
                .arg(name(h.names[h.declarer]), contract(h.level, h.high, h.trumps));
    html += QStringLiteral("<h3>Discards</h3><p><b>%1</b> put away %2%3</p>")
                .arg(name(h.names[h.declarer]), cards(h.discards), reason(h.discardWhy));
    for (const HandReview::JokerSwap& j : h.swaps)
        html += QStringLiteral("<p><b>%1</b> swapped the %2 for %3 from the kitty%4</p>")
                    .arg(name(h.names[j.seat]), card(j.joker), card(j.card), reason(j.why));
    return html;
}

QString tricks(const HandReview& h)
{
    QString html = QStringLiteral("<h3>Tricks</h3><table border=1 cellspacing=0 cellpadding=3><tr><th>#</th><th>Led by</th>");
    for (Seat s = South; s <= East; ++s)
        html += QStringLiteral("<th>%1</th>").arg(name(h.names[s]));
    html += QStringLiteral("<th>Won by</th></tr>");
    for (const HandReview::Trick& t : h.tricks) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(t.number).arg(name(h.names[t.leader]));
        for (Seat s = South; s <= East; ++s)
            html += QStringLiteral("<td>%1%2</td>").arg(card(t.bySeat[s]), reason(t.why[s]));
        html += QStringLiteral("<td><b>%1</b></td></tr>").arg(name(h.names[t.winner]));
    }
    return html + QStringLiteral("</table>");
}

QString points(const HandReview& h)
{
    const QString ours = name(h.names[South]) + QStringLiteral(" and ") + name(h.names[North]);
    const QString theirs = name(h.names[West]) + QStringLiteral(" and ") + name(h.names[East]);
    QString html = QStringLiteral("<h3>Points</h3><table cellpadding=3><tr><th></th><th>Books</th><th>This hand</th>"
                                  "<th>Game</th></tr>");
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                .arg(ours).arg(h.books[1]).arg(h.points[1]).arg(h.gamePoints[1]);
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr></table>")
                .arg(theirs).arg(h.books[2]).arg(h.points[2]).arg(h.gamePoints[2]);
    return html + QStringLiteral("<p>%1</p>").arg(esc(h.message));
}

}  // namespace

QString reviewHtml(const HandReview& h)
{
    return QStringLiteral("<h2>Hand %1</h2><p>Dealt by %2</p>").arg(h.hand).arg(name(h.names[h.dealer])) + dealt(h) +
           bidding(h) + tricks(h) + points(h);
}

ReviewWindow::ReviewWindow(QWidget* parent) : QDialog(parent), m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("ReviewWindow"));
    m_text->setObjectName(QStringLiteral("ReviewText"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(900, 760);
}

void ReviewWindow::showHand(const HandReview& hand)
{
    setWindowTitle(QStringLiteral("Review of Hand %1").arg(hand.hand));
    m_text->setHtml(reviewHtml(hand));
    show();
    raise();
}

QString ReviewWindow::text() const { return m_text->toPlainText(); }

}  // namespace corvane
