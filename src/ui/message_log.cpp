#include "ui/message_log.h"

namespace corvane {

MessageLog::MessageLog(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("List1"));
    setToolTip(QStringLiteral("General Instructions and record of game"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Clicks in the log must not steal the focus from "Carry On".
    setFocusPolicy(Qt::NoFocus);
}

void MessageLog::addLine(const QString& line)
{
    addItem(line);
    setCurrentRow(count() - 1);
    scrollToBottom();
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
