#include "ui/table_accessibility.h"

#include <QAccessibleWidget>

#include <vector>

#include "ui/table_view.h"

namespace corvane {

QString accessibleCardName(Card c, bool faceUp)
{
    if (!faceUp)
        return QStringLiteral("face down card");
    // The log's names carry extra blanks ("King  of  Clubs"); a reader needs none.
    return QString::fromUtf8(cardName(c)).simplified();
}

namespace {

// One painted thing on the table: a card or a text.
class PaintedItem : public QAccessibleInterface {
public:
    PaintedItem(QAccessibleInterface* table, int index) : m_table(table), m_index(index) {}

    bool isValid() const override { return m_table->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_table->window(); }
    QAccessibleInterface* parent() const override { return m_table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    int index() const { return m_index; }

protected:
    QAccessibleInterface* m_table;
    int m_index;
};

class CardItem : public PaintedItem {
public:
    CardItem(QAccessibleInterface* table, int index, Card c) : PaintedItem(table, index), m_card(c) {}

    TableView* view() const { return static_cast<TableView*>(m_table->object()); }
    const Sprite& sprite() const { return view()->scene().card(m_card); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return accessibleCardName(m_card, sprite().faceUp);
        return {};
    }
    QAccessible::Role role() const override { return sprite().faceUp ? QAccessible::Button : QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = view()->focusedCard() != NoCard && sprite().faceUp;
        s.focused = view()->focusedCard() == m_card && view()->hasFocus();
        return s;
    }
    QRect rect() const override
    {
        const QRect r = view()->cardRect(m_card);
        return {view()->mapToGlobal(r.topLeft()), r.size()};
    }
    Card card() const { return m_card; }

private:
    Card m_card;
};

class TextItem : public PaintedItem {
public:
    TextItem(QAccessibleInterface* table, int index, QString text) : PaintedItem(table, index), m_text(std::move(text))
    {
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? m_text : QString(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return m_table->rect(); }

private:
    QString m_text;
};

// The table and its painted children, made afresh from the scene whenever
// asked, so they are always the table as it is painted.
class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableView* view) : QAccessibleWidget(view, QAccessible::Pane, QStringLiteral("Card table"))
    {
    }
    ~TableAccessible() override { forget(); }

    int childCount() const override
    {
        refresh();
        return static_cast<int>(m_items.size()) + QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override
    {
        refresh();
        const int painted = static_cast<int>(m_items.size());
        if (index < 0)
            return nullptr;
        if (index < painted)
            return m_items[static_cast<std::size_t>(index)];
        return QAccessibleWidget::child(index - painted);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == child)
                return static_cast<int>(i);
        const int widget = QAccessibleWidget::indexOfChild(child);
        return widget < 0 ? -1 : widget + static_cast<int>(m_items.size());
    }

private:
    TableView* view() const { return static_cast<TableView*>(object()); }

    // The children are registered with Qt, as item views register their
    // cells, so a reader's bridge may keep their ids; they live until the
    // table shows something else.
    void forget() const
    {
        for (PaintedItem* item : m_items)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        m_items.clear();
    }
    void add(PaintedItem* item) const
    {
        QAccessible::registerAccessibleInterface(item);
        m_items.push_back(item);
    }

    void refresh() const
    {
        const Scene& scene = view()->scene();
        std::vector<QString> texts;
        for (Seat s = South; s <= East; ++s)
            texts.push_back(QString::fromStdString(scene.caption(nameLabel(s))));
        const auto row = [&](const char* title, Label ours, Label theirs) {
            texts.push_back(QStringLiteral("%1: your team %2, their team %3")
                                .arg(QString::fromUtf8(title), QString::fromStdString(scene.caption(ours)),
                                     QString::fromStdString(scene.caption(theirs))));
        };
        row("Bids", Label::YourBid, Label::TheirBid);
        row("Tricks this hand", Label::YourMade, Label::TheirMade);
        row("Game points", Label::YourScore, Label::TheirScore);
        const std::vector<Card> cards = scene.paintOrder();
        if (cards == m_cards && texts == m_texts)
            return;
        m_cards = cards;
        m_texts = texts;
        forget();
        auto* self = const_cast<TableAccessible*>(this);
        for (Card c : cards)
            add(new CardItem(self, static_cast<int>(m_items.size()), c));
        for (const QString& t : texts)
            add(new TextItem(self, static_cast<int>(m_items.size()), t));
    }

    mutable std::vector<Card> m_cards;
    mutable std::vector<QString> m_texts;
    mutable std::vector<PaintedItem*> m_items;
};

QAccessibleInterface* tableFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("corvane::TableView") && object != nullptr && object->isWidgetType())
        return new TableAccessible(static_cast<TableView*>(object));
    return nullptr;
}

}  // namespace

void installTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(tableFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace corvane
