#include "ui/message_log.h"

#include <QAccessible>
#include <QColor>
#include <QStyledItemDelegate>

namespace corvane {

namespace {

MessageLog::Announcer announcer = &QAccessible::updateAccessibility;

constexpr int AsideRole = Qt::UserRole;
const QString AsideIndent = QStringLiteral("      ");

// An aside is a sentence, often longer than the log is wide: it wraps, its
// lines indented as its first, where a wider line would only bring a
// horizontal scroll bar to read it by.
class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(QListWidget* log) : QStyledItemDelegate(log), m_log(log) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.data(AsideRole).toBool())
            return QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem o(option);
        const int width = m_log->viewport()->width();
        o.rect = QRect(0, 0, width - indent(option), 1 << 16);
        const QSize size = QStyledItemDelegate::sizeHint(o, index);
        return {width, size.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.data(AsideRole).toBool())
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem o(option);
        o.rect.setLeft(o.rect.left() + indent(option));
        QStyledItemDelegate::paint(painter, o, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(o, index);
        if (!index.data(AsideRole).toBool())
            return;
        o->features |= QStyleOptionViewItem::WrapText;
        o->text = o->text.mid(AsideIndent.size());
    }

private:
    static int indent(const QStyleOptionViewItem& option)
    {
        return option.fontMetrics.horizontalAdvance(AsideIndent);
    }
    QListWidget* m_log;
};

}  // namespace

void MessageLog::setAnnouncer(Announcer a) { announcer = a != nullptr ? a : &QAccessible::updateAccessibility; }

MessageLog::MessageLog(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("List1"));
    setAccessibleName(QStringLiteral("Record of the game"));
    setToolTip(QStringLiteral("General Instructions and record of game"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Clicks in the log must not steal the focus from "Carry On".
    setFocusPolicy(Qt::NoFocus);
    // Laid out again at each new size, for the asides' new width and the new
    // height of its lines; a log scrolled to its end stays there.
    setResizeMode(QListView::Adjust);
    setItemDelegate(new LineDelegate(this));
}

void MessageLog::addLine(const QString& line, bool aside)
{
    if (aside) {
        auto* item = new QListWidgetItem(AsideIndent + line, this);
        item->setForeground(QColor(0x1d, 0x5e, 0x8c));
        item->setData(AsideRole, true);
    } else {
        addItem(line);
    }
    setCurrentRow(count() - 1);
    scrollToBottom();
    // A reader is told of each new line, as it would hear a status bar.
    QAccessibleEvent announce(this, QAccessible::Alert);
    announce.setChild(count() - 1);
    announcer(&announce);
}

QStringList MessageLog::lines() const
{
    QStringList all;
    all.reserve(count());
    for (int row = 0; row < count(); ++row)
        all << item(row)->text();
    return all;
}

}  // namespace corvane
