#pragma once

#include <QFont>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

#include "scene/scene.h"
#include "table/card_set.h"
#include "ui/scaled_controls.h"
#include "ui/table_scale.h"

class QPushButton;

namespace corvane {

class BidPanelFrame;
class CardArt;
class MessageLog;
class TopLayer;

// A text painted over everything else on the table, with the rectangle
// cleared for it (widget pixels) and the point its baseline starts at.
struct TopText {
    QRect clear;
    QPoint at;
    QString text;
    QFont font;
};

// The table: paints the scene (cards, seat labels, dealer markers, the
// trumps frame, the score panel, the outline of the playing area) scaled to
// the widget with its shape kept, and holds the controls that take input
// (the three buttons, the bid panel, the log), placed by the same scale.
// Steps are applied to it one at a time by the pacer; a click on a card is
// reported by its id.
class TableView : public QWidget {
    Q_OBJECT
public:
    explicit TableView(QWidget* parent = nullptr);
    ~TableView() override;

    void apply(const Step& s);
    // Shows `scene` at once, its controls and its log: the table as it
    // stood at a turn that is taken back to.
    void restore(const Scene& scene);
    const Scene& scene() const { return m_scene; }
    TableScale scale() const { return m_scale; }

    // Where card c is painted, in widget pixels (meaningful while it is shown).
    QRect cardRect(Card c) const;
    QSize cardSize() const;
    // The tool tip of whatever is painted at a point of the table (twips).
    QString toolTipAt(QPoint twips) const;
    // The seat names and the score panel's texts: above the cards and the
    // controls, each on the felt, so a long name beside a hand or the bid
    // panel and the panel beside an 18-card hand stay readable.
    std::vector<TopText> topTexts() const;
    // The score panel's lower edge, kept above the log that meets it.
    QRect scoresLowerEdge() const;

    QPushButton* carryOnButton() const { return m_carryOn; }
    QPushButton* startAgainButton() const { return m_startAgain; }
    QPushButton* discardCarryOnButton() const { return m_discardCarryOn; }
    BidPanelFrame* bidPanel() const { return m_bidPanel; }
    MessageLog* log() const { return m_log; }

    QSize sizeHint() const override { return {784, 695}; }

    // The cards Left and Right move the keyboard focus over (South's, left
    // to right); Space on the focused one is a click on it, Return is
    // reported as cardReturned. Empty when no card can be chosen.
    void setKeyboardCards(std::vector<Card> cards);
    Card focusedCard() const;

    // The part of the table where the cards of a trick lie (twips).
    static QRect trickArea();

signals:
    void cardClicked(Card c);
    // Return or Enter on the focused card: a click on it, unless the window
    // has a button for Return at that moment.
    void cardReturned(Card c);
    // A click where a trick lies, on no card.
    void trickAreaClicked();
    // While the scene shows a trick over the table, the next click or key
    // anywhere in the program is taken for this, and does nothing else.
    void trickDismissed();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class TopLayer;
    void rescale();
    QWidget* controlWidget(Control c) const;
    void paintFrames(class QPainter& p) const;
    void paintDealers(QPainter& p) const;
    void paintTop(QPainter& p) const;
    void paintCards(QPainter& p);
    void paintFocus(QPainter& p) const;
    void paintHint(QPainter& p) const;
    void paintTrick(QPainter& p);
    void watchForDismissal();

    Scene m_scene;
    TableScale m_scale;
    ScaledControls m_controls;
    std::unique_ptr<CardArt> m_art;
    QPushButton* m_carryOn;
    QPushButton* m_startAgain;
    QPushButton* m_discardCarryOn;
    BidPanelFrame* m_bidPanel;
    MessageLog* m_log;
    QWidget* m_top;
    std::vector<Card> m_keyCards;
    std::size_t m_focus = 0;
};

}  // namespace corvane
