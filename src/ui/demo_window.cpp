#include "demo_window.h"

#include <QPainter>

#include "card_art.h"
#include "fonts.h"
#include "help_window.h"
#include "message_box.h"
#include "message_pictures.h"
#include "trump_symbols.h"

namespace corvane {

namespace {

constexpr int Margin = 12;
constexpr int Step = 80;
constexpr int RowHeight = 120;
// An Ace, a court card, a number card of each colour, both jokers, the back.
constexpr int Samples[] = {13, 25, 36, 44, 6, LittleJoker, BigJoker, BackPicture};

void paintCardRow(QPainter& painter, CardArt& art, int top, const QString& label)
{
    painter.drawText(Margin, top - 4, label);
    int left = Margin;
    for (const int number : Samples) {
        painter.drawPixmap(left, top, art.picture(number, CardArt::NaturalSize, painter.device()->devicePixelRatioF()));
        left += Step;
    }
}

}  // namespace

DemoWindow::DemoWindow(QWidget* parent)
    : QWidget(parent),
      m_deck(std::make_unique<CardArt>()),
      m_plain(std::make_unique<CardArt>(QStringLiteral("/nonexistent/plain-cards"))),
      m_box(new MessageDialog(this)),
      m_help(new HelpWindow(this))
{
    setWindowTitle(QStringLiteral("Corvane"));
    resize(784, 695);
}

DemoWindow::~DemoWindow() = default;

void DemoWindow::showSamples()
{
    m_help->move(frameGeometry().right() + 8, y());
    m_help->showAndRaise();
    m_box->ask({QStringLiteral("Your Truly you are in the middle of a game, do you really wish to exit?"),
                {QStringLiteral("Yes Exit"), QStringLiteral("Carry On"), QString()},
                1,
                QStringLiteral("Really Exit?")},
               [](int answer) { qInfo("answered %d", answer); });
}

void DemoWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 110, 50));
    painter.setPen(Qt::white);
    painter.setFont(serifFont(14, true));
    const qreal dpr = devicePixelRatioF();
    paintCardRow(painter, *m_deck, 30, m_deck->usesDeck() ? QStringLiteral("Deck: %1").arg(m_deck->deckFile()) : QStringLiteral("No deck"));
    paintCardRow(painter, *m_plain, 30 + RowHeight + 10, QStringLiteral("Plain cards"));
    const int symbolsTop = 30 + 2 * (RowHeight + 10);
    painter.drawText(Margin, symbolsTop - 4, QStringLiteral("Trump symbols and message pictures"));
    int left = Margin;
    for (Suit trumps = Diamonds; trumps <= NoTrumps; ++trumps) {
        painter.drawPixmap(left, symbolsTop, trumpSymbol(trumps, TrumpSymbolSize, dpr));
        left += Step;
    }
    for (int number = 1; number <= MessagePictureCount; ++number) {
        painter.drawPixmap(left, symbolsTop + 19, messagePicture(number, dpr));
        left += 44;
    }
}

}  // namespace corvane
