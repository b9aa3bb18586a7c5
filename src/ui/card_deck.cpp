#include "card_deck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace corvane {

namespace {

// The file named by the SVG= line of a deck's index.desktop, if any.
QString fileNamedByIndex(const QDir& folder)
{
    QFile index(folder.filePath(QStringLiteral("index.desktop")));
    if (!index.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&index);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1String("SVG="))) {
            const QString file = folder.filePath(line.mid(4).trimmed());
            return QFileInfo(file).isFile() ? file : QString();
        }
    }
    return {};
}

}  // namespace

QStringList cardDeckRoots()
{
    QStringList roots;
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        roots << QDir(data).filePath(QStringLiteral("carddecks"));
    roots << QStringLiteral("/usr/share/carddecks") << QStringLiteral("/usr/local/share/carddecks");
    roots.removeDuplicates();
    return roots;
}

QString deckFileIn(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return info.absoluteFilePath();
    if (!info.isDir())
        return {};
    const QDir folder(path);
    if (QString named = fileNamedByIndex(folder); !named.isEmpty())
        return named;
    const QStringList svgs = folder.entryList({QStringLiteral("*.svgz"), QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    return svgs.isEmpty() ? QString() : folder.filePath(svgs.first());
}

QString findDeckFile()
{
    if (qEnvironmentVariableIsSet(DeckVariable))
        return deckFileIn(qEnvironmentVariable(DeckVariable));
    for (const QString& root : cardDeckRoots()) {
        if (QString file = deckFileIn(QDir(root).filePath(QLatin1String(DefaultDeckFolder))); !file.isEmpty())
            return file;
    }
    return {};
}

}  // namespace corvane
