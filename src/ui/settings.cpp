#include "ui/settings.h"

#include <QSettings>

namespace corvane {

namespace {

constexpr const char* PaceKey = "pace";
constexpr const char* SoundKey = "sound";
constexpr const char* ExplainKey = "explain_robots";
constexpr const char* ExpertKey = "expert_robots";
constexpr const char* GeometryKey = "window/geometry";

}  // namespace

const char* paceWord(Pace pace)
{
    switch (pace) {
    case Pace::Normal: return "normal";
    case Pace::Fast: return "fast";
    case Pace::Instant: break;
    }
    return "instant";
}

bool paceFromWord(const QString& word, Pace& pace)
{
    for (Pace p : {Pace::Normal, Pace::Fast, Pace::Instant}) {
        if (word == QLatin1String(paceWord(p))) {
            pace = p;
            return true;
        }
    }
    return false;
}

Settings::Settings()
    : m_file(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("corvane"),
                                         QStringLiteral("corvane")))
{
}

Settings::Settings(const QString& file) : m_file(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

Settings::~Settings() = default;

QString Settings::fileName() const { return m_file->fileName(); }

TableChoices Settings::choices() const
{
    TableChoices c;
    paceFromWord(m_file->value(PaceKey).toString(), c.pace);
    c.sound = flag(SoundKey, c.sound);
    c.explain = flag(ExplainKey, c.explain);
    c.robots = flag(ExpertKey, false) ? RobotLevel::Expert : RobotLevel::Classic;
    return c;
}

void Settings::remember(const TableChoices& c)
{
    m_file->setValue(PaceKey, QString::fromLatin1(paceWord(c.pace)));
    setFlag(SoundKey, c.sound);
    setFlag(ExplainKey, c.explain);
    setFlag(ExpertKey, c.robots == RobotLevel::Expert);
    m_file->sync();
}

QByteArray Settings::geometry() const
{
    const QVariant v = m_file->value(GeometryKey);
    // Only what saveGeometry() wrote; a stray text is no geometry.
    return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : QByteArray();
}

void Settings::setGeometry(const QByteArray& geometry)
{
    m_file->setValue(GeometryKey, geometry);
    m_file->sync();
}

// QVariant would read any text but "false" and "0" as true; only the two
// words written are taken.
bool Settings::flag(const char* key, bool fallback) const
{
    const QString word = m_file->value(key).toString();
    if (word == QLatin1String("true"))
        return true;
    if (word == QLatin1String("false"))
        return false;
    return fallback;
}

void Settings::setFlag(const char* key, bool on)
{
    m_file->setValue(key, on ? QStringLiteral("true") : QStringLiteral("false"));
}

}  // namespace corvane
