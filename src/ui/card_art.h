#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

#include "table/card.h"

class QSvgRenderer;

namespace corvane {

// Picture numbers: 1..54 the faces by card id, 55 the back.
inline constexpr int BackPicture = 55;

// The pictures of the cards, drawn from an SVG card deck (one element a
// card) for the size and device pixel ratio in use, and kept until asked
// for again. When no deck can be read, the program's own plain cards are
// drawn instead, and standard error is told so once.
class CardArt {
public:
    // The shape every card picture has: 71 x 96.
    static constexpr QSize NaturalSize{71, 96};

    // The default deck (or the one CORVANE_CARD_DECK names).
    CardArt();
    // The deck at `deckPath`, a deck folder or an SVG file.
    explicit CardArt(const QString& deckPath);
    ~CardArt();
    CardArt(const CardArt&) = delete;
    CardArt& operator=(const CardArt&) = delete;

    // False when the plain cards stand in for a deck.
    bool usesDeck() const { return m_deck != nullptr; }
    QString deckFile() const { return m_deckFile; }

    // `size` is in device-independent pixels; the pixmap has size x dpr
    // device pixels and carries dpr.
    QPixmap picture(int number, QSize size, qreal dpr);
    QPixmap face(Card id, QSize size, qreal dpr) { return picture(id, size, dpr); }
    QPixmap back(QSize size, qreal dpr) { return picture(BackPicture, size, dpr); }

    // The deck's element for a picture number: "2_diamond" .. "king_spade",
    // "1_heart" for an Ace, "black_joker" (Little), "red_joker" (Big), "back".
    static QString elementId(int number);

private:
    struct Key {
        int number;
        QSize size;
        int dprPercent;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.number, key.size.width(), key.size.height(), key.dprPercent);
    }

    // `where` names the places looked in, for the message when none is found.
    void openDeck(const QString& deckFile, const QString& where);
    QPixmap render(int number, QSize size, qreal dpr) const;

    QString m_deckFile;
    std::unique_ptr<QSvgRenderer> m_deck;
    QHash<Key, QPixmap> m_cache;
};

}  // namespace corvane
