#pragma once

#include <QListWidget>
#include <QStringList>

namespace corvane {

// The message log along the bottom of the table: one line an announcement,
// always scrolled to the newest line, which is selected; the person can
// scroll back through the hand.
class MessageLog : public QListWidget {
    Q_OBJECT
public:
    explicit MessageLog(QWidget* parent = nullptr);

    void addLine(const QString& line);
    QStringList lines() const;
};

}  // namespace corvane
