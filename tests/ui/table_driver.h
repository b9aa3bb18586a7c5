#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

#include "rules/bidding/bid_panel.h"
#include "rules/play/play.h"
#include "ui/bid_panel_frame.h"
#include "ui/message_box.h"
#include "ui/message_box_button.h"
#include "ui/message_log.h"
#include "ui/pacer.h"
#include "ui/table_view.h"
#include "ui/table_window.h"

namespace corvane::testing {

// Plays South through the window's own controls only: buttons, the bid
// panel, clicks on the cards and the message box's buttons. South bids
// 3 uptown in Spades (or No Trumps) whenever nobody has bid yet (and when it must), and
// otherwise passes; it throws away its first six cards in id order (trying
// the refusals on the way) and plays its first legal card.
class TableDriver {
public:
    explicit TableDriver(TableWindow& w) : m_w(w) {}

    TableView& view() const { return *m_w.view(); }
    const Game& game() const { return m_w.game(); }
    const TableState& table() const { return m_w.game().table(); }
    MessageDialog& box() const { return *m_w.messageDialog(); }
    BidPanelFrame& panel() const { return *m_w.view()->bidPanel(); }
    QStringList log() const { return view().log()->lines(); }
    QString caption(Label l) const { return QString::fromStdString(view().scene().caption(l)); }

    // The table has played every step and waits for the person (not for a
    // robot still deciding away from it).
    bool settled() const
    {
        if (box().isVisible())
            return true;
        const Awaiting a = game().awaiting();
        return !m_w.pacer().busy() && !m_w.asking() && a != Awaiting::Nothing && a != Awaiting::Answer &&
               a != Awaiting::Robot;
    }
    bool settle(int ms = 20000) const { return QTest::qWaitFor([this] { return settled(); }, ms); }

    QString boxTitle() const { return box().findChild<QLabel*>(QStringLiteral("title"))->text(); }
    QString boxText() const { return box().findChild<QLabel*>(QStringLiteral("message"))->text(); }
    void answer(int button) const { QTest::mouseClick(box().button(button), Qt::LeftButton); }

    void clickCard(Card c) const
    {
        const QRect r = view().cardRect(c);
        QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(r.left() + 3, r.top() + r.height() / 2));
    }
    void click(QAbstractButton* b) const { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2)); }

    // South's bid turn: a bid if nobody has bid or it must, else a pass.
    void bid() const
    {
        const bool open = table().bidLevel[West] == 0 && table().bidLevel[North] == 0 && table().bidLevel[East] == 0;
        if (open || game().forcedHumanTurn()) {
            click(panel().trumpsOption(trumpsOption));
            int level = 3;
            while (!ladderAccepts(table(), level))
                ++level;
            click(panel().levelOption(level));
            click(panel().directionOption(0));
        } else {
            click(panel().passBox());
        }
        click(panel().finishedButton());
    }

    // One action for whatever the table waits for; false when the game is
    // over (or the table is stuck).
    bool act()
    {
        if (!settle())
            return false;
        if (box().isVisible()) {
            titles << boxTitle();
            answer(0);
            return true;
        }
        switch (game().awaiting()) {
        case Awaiting::CarryOn:
            if (!view().carryOnButton()->isVisible())
                return false;
            QTest::keyClick(view().carryOnButton(), Qt::Key_Return);
            return true;
        case Awaiting::Bid:
            if (!panel().isVisible())
                return false;
            bid();
            return true;
        case Awaiting::Discards:
            discard();
            return true;
        case Awaiting::PlayCard:
            playCard();
            return true;
        default:
            return false;
        }
    }

    // Picks two and takes them back, tries to finish with five, refuses a
    // seventh, and finishes with six.
    void discard()
    {
        const CardSet start = table().hand(South);
        const auto pick = [&](int n) {
            int picked = 0;
            for (Card c : table().hand(South))
                if (picked++ < n)
                    clickCard(c);
        };
        const auto fault = [&](bool bad, const char* what) {
            if (bad)
                faults << QString::fromUtf8(what);
        };
        pick(2);
        fault(table().hand(South).count() != start.count() - 2, "two clicks did not pick two cards");
        click(view().startAgainButton());
        fault(table().hand(South) != start, "Start Again did not return the picks");
        fault(!log().last().endsWith(QStringLiteral("You can now go back and pick six again to discard.")),
              "no Start Again line");
        // In No Trumps the jokers are picked already and stay picked.
        const int need = 6 - table().selected.count();
        fault(table().trumps == NoTrumps && !(table().hand(South) & Jokers).empty(), "a joker was left in the hand");
        pick(need - 1);
        click(view().discardCarryOnButton());
        fault(!log().last().endsWith(QStringLiteral(" you must click 6 cards to discard before clicking 'Continue'")),
              "five picks were not refused");
        fault(game().awaiting() != Awaiting::Discards, "five picks ended the choice");
        pick(1);
        fault(table().hand(South).count() != start.count() - need, "six picks did not leave the hand six short");
        pick(1);
        fault(!box().isVisible() || boxTitle() != QStringLiteral("Max number clicked to throw away   "),
              "a seventh pick was not refused");
        if (box().isVisible())
            answer(0);
        fault(table().hand(South).count() != start.count() - need, "a seventh card was picked");
        click(view().discardCarryOnButton());
        fault(game().awaiting() == Awaiting::Discards, "six picks did not end the choice");
        ++discards;
    }

    void playCard()
    {
        const int position = game().trickPosition();
        Card legal = NoCard;
        Card illegal = NoCard;
        for (Card c : table().hand(South)) {
            const bool ok = isLegalPlay(table(), South, c, position);
            if (ok && legal == NoCard)
                legal = c;
            if (!ok && illegal == NoCard)
                illegal = c;
        }
        if (illegal != NoCard && !refusedFollowSuit) {
            const qsizetype lines = log().size();
            clickCard(illegal);
            refusedFollowSuit = log().size() == lines + 1 &&
                                log().last().endsWith(QStringLiteral(" sorry, you must follow suit. Please try again")) &&
                                table().hand(South).has(illegal);
            if (!refusedFollowSuit)
                faults << QStringLiteral("a card that does not follow suit was not refused");
        }
        const int held = table().hand(South).count();
        clickCard(legal);
        // A second click at once must not play another card.
        for (Card c : table().hand(South))
            if (c != legal) {
                clickCard(c);
                break;
            }
        if (table().hand(South).count() != held - 1)
            faults << QStringLiteral("the turn did not take exactly one card");
        ++cardsPlayed;
    }

    // Plays until pred holds (checked when the table has settled).
    bool runUntil(const std::function<bool()>& pred, int limit = 5000)
    {
        while (limit-- > 0) {
            if (!settle())
                return false;
            if (pred())
                return true;
            if (!act())
                return pred();
        }
        return false;
    }
    // Plays until the engine waits for the person at `stage`, no box up.
    bool runUntilTurn(Awaiting stage)
    {
        return runUntil([&] { return !box().isVisible() && game().awaiting() == stage; });
    }

    int trumpsOption = 3;  // Spades; 4 for No Trumps
    QStringList titles;
    QStringList faults;
    int discards = 0;
    int cardsPlayed = 0;
    bool refusedFollowSuit = false;

private:
    TableWindow& m_w;
};

}  // namespace corvane::testing
