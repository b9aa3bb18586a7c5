#pragma once

#include <QObject>
#include <QString>

#include <array>

#include "scene/step.h"

class QSoundEffect;

namespace corvane {

// The table's three sounds, as the scene cues them.
using SoundCue = step::Cue;

// Plays the program's sound files (see folderFor()). A cue starts at once
// and plays on while the game goes on; a new cue stops the one still
// playing. A missing file, no sound device or the mute setting make a cue
// silent, never slower.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    // "Shuffle.wav", "CardDeal1.wav", "RingOut.wav".
    static QString fileName(SoundCue cue);

    // Where a program in `programFolder` finds its sounds: beside it, as in
    // the build folder, else in <prefix>/share/corvane/sounds once installed
    // in <prefix>/bin; `programFolder` itself when neither holds any.
    static QString folderFor(const QString& programFolder);
    // folderFor() the running program's folder.
    static QString defaultFolder();

    // Reads the files from `folder`, by default defaultFolder().
    explicit SoundPlayer(QObject* parent = nullptr);
    explicit SoundPlayer(const QString& folder, QObject* parent = nullptr);

    void play(SoundCue cue);

    // The cue's file, or empty when it is missing.
    QString filePath(SoundCue cue) const { return m_files[index(cue)]; }
    // Whether play(cue) would be heard: its file was found and there is a
    // sound device.
    bool canPlay(SoundCue cue) const;

    bool isMuted() const { return m_muted; }
    void setMuted(bool muted);

private:
    static constexpr int CueCount = 3;
    static constexpr int index(SoundCue cue) { return static_cast<int>(cue); }

    void stopAll();

    std::array<QString, CueCount> m_files;
    // Null where a cue's file is missing or there is no device.
    std::array<QSoundEffect*, CueCount> m_effects{};
    bool m_muted = false;
};

}  // namespace corvane
