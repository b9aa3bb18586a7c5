#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "table/seat.h"

class QWidget;

namespace corvane {

// A one-line question over the window: the rename dialogs and the deal
// number. It opens at once and is gone when answered; Cancel answers
// nothing.
struct TextQuestion {
    QString objectName;
    QString title;
    QString prompt;
    QString text;  // what the line holds as it opens
};

void askText(QWidget* parent, const TextQuestion& question, std::function<void(const QString&)> typed);

// A new name for seat `s`, the line holding the name proposed.
void askName(QWidget* parent, Seat s, std::function<void(const QString&)> typed);

// The number of a deal to play, offering `now`; a number that cannot be
// read is asked again, with why and what was typed.
void askDealNumber(QWidget* parent, std::optional<std::uint64_t> now, std::function<void(std::uint64_t)> chosen);

}  // namespace corvane
