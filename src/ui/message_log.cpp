#include "ui/message_log.h"

#include <QAccessible>
#include <QColor>

namespace corvane {

namespace {
MessageLog::Announcer announcer = &QAccessible::updateAccessibility;
}

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
}

void MessageLog::addLine(const QString& line, bool aside)
{
    if (aside) {
        auto* item = new QListWidgetItem(QStringLiteral("      ") + line, this);
        item->setForeground(QColor(0x1d, 0x5e, 0x8c));
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
