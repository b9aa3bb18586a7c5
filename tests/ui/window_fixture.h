#pragma once

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "ui/settings.h"
#include "ui/table_window.h"

namespace corvane::testing {

// A shown table window, silent, with its data in a temporary folder: at the
// Instant pace, or with the pace and choices of the settings given.
inline std::unique_ptr<TableWindow> makeWindow(const QTemporaryDir& dir, std::uint64_t seed,
                                               Settings* settings = nullptr, TableOptions options = {})
{
    options.seed = seed;
    options.dataDir = std::filesystem::path(dir.path().toStdString());
    options.choices.pace = Pace::Instant;
    options.soundFolder = dir.path();
    if (settings != nullptr)
        takeRememberedChoices(options, *settings);
    auto w = std::make_unique<TableWindow>(options);
    w->show();
    return w;
}

inline QAction* action(const TableWindow& w, const char* name)
{
    return w.findChild<QAction*>(QString::fromUtf8(name));
}

// Puts `bytes` in the file at `path`, replacing what was there.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A data file's bytes; empty when it is not there.
inline QByteArray fileText(const QTemporaryDir& dir, const char* name)
{
    QFile f(dir.filePath(QString::fromUtf8(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace corvane::testing
