#pragma once

#include <QListWidget>
#include <QStringList>

class QAccessibleEvent;

namespace corvane {

// The message log along the bottom of the table: one line an announcement,
// always scrolled to the newest line, which is selected, also when the log
// is resized; the person can scroll back through the hand. Asides wrap
// within the log's width.
class MessageLog : public QListWidget {
    Q_OBJECT
public:
    explicit MessageLog(QWidget* parent = nullptr);

    // An aside (a remark on the game, such as a robot's reason) is indented
    // and drawn in another colour.
    void addLine(const QString& line, bool aside = false);
    QStringList lines() const;

    // Where the announcement of each new line goes: by default to Qt's
    // accessibility, which passes it on only while a reader listens, so a
    // test can take the events here instead.
    using Announcer = void (*)(QAccessibleEvent* event);
    static void setAnnouncer(Announcer announcer);
};

}  // namespace corvane
