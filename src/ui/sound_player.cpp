#include "sound_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace corvane {

QString SoundPlayer::fileName(SoundCue cue)
{
    switch (cue) {
    case SoundCue::Shuffle: return QStringLiteral("Shuffle.wav");
    case SoundCue::CardDeal: return QStringLiteral("CardDeal1.wav");
    case SoundCue::RingOut: return QStringLiteral("RingOut.wav");
    }
    return {};
}

QString SoundPlayer::folderFor(const QString& programFolder)
{
    const auto holdsSounds = [](const QDir& folder) {
        for (const SoundCue cue : {SoundCue::Shuffle, SoundCue::CardDeal, SoundCue::RingOut}) {
            if (QFileInfo(folder.filePath(fileName(cue))).isFile())
                return true;
        }
        return false;
    };
    const QDir beside(programFolder);
    if (holdsSounds(beside))
        return beside.absolutePath();
    const QDir installed(QDir::cleanPath(beside.absoluteFilePath(QStringLiteral("../share/corvane/sounds"))));
    if (holdsSounds(installed))
        return installed.absolutePath();
    return beside.absolutePath();
}

QString SoundPlayer::defaultFolder()
{
    return folderFor(QCoreApplication::applicationDirPath());
}

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(defaultFolder(), parent) {}

SoundPlayer::SoundPlayer(const QString& folder, QObject* parent) : QObject(parent)
{
    // Without a device QSoundEffect would still load and decode each file;
    // there is nothing to hear, so nothing is loaded.
    const bool device = !QMediaDevices::audioOutputs().isEmpty();
    for (const SoundCue cue : {SoundCue::Shuffle, SoundCue::CardDeal, SoundCue::RingOut}) {
        const QFileInfo file(QDir(folder).filePath(fileName(cue)));
        if (!file.isFile())
            continue;
        m_files[index(cue)] = file.absoluteFilePath();
        if (!device)
            continue;
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        m_effects[index(cue)] = effect;
    }
}

void SoundPlayer::play(SoundCue cue)
{
    QSoundEffect* effect = m_effects[index(cue)];
    if (m_muted || effect == nullptr)
        return;
    stopAll();
    effect->play();
}

bool SoundPlayer::canPlay(SoundCue cue) const
{
    const QSoundEffect* effect = m_effects[index(cue)];
    return effect != nullptr && effect->status() != QSoundEffect::Error;
}

void SoundPlayer::setMuted(bool muted)
{
    m_muted = muted;
    if (muted)
        stopAll();
}

void SoundPlayer::stopAll()
{
    for (QSoundEffect* effect : m_effects) {
        if (effect != nullptr)
            effect->stop();
    }
}

}  // namespace corvane
