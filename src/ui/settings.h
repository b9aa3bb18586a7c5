#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

#include "ui/table_choices.h"

class QSettings;

namespace corvane {

// The person's choices kept between runs, in an INI file: by default
// corvane.ini in the per-user config folder ($XDG_CONFIG_HOME/corvane),
// or any file a test names. Each setter writes through at once. A value
// that is missing or cannot be read (a damaged file, a hand edit) gives
// that choice's default.
class Settings {
public:
    Settings();
    explicit Settings(const QString& file);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    QString fileName() const;

    // The Options menu's choices; TableChoices{} for what is not kept.
    TableChoices choices() const;
    void remember(const TableChoices& choices);

    // The table window's size and place, as QWidget::saveGeometry() gives
    // it; empty when never saved.
    QByteArray geometry() const;
    void setGeometry(const QByteArray& geometry);

private:
    bool flag(const char* key, bool fallback) const;
    void setFlag(const char* key, bool on);

    std::unique_ptr<QSettings> m_file;
};

// "normal", "fast", "instant": the words of the file and of --pace.
const char* paceWord(Pace pace);
// The pace a word names; false when it names none.
bool paceFromWord(const QString& word, Pace& pace);

}  // namespace corvane
