#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSoundEffect;

// Plays a WAV file asynchronously; a new sound cuts the previous one.
// A missing file or a machine without audio output is silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

class EffectSoundPlayer : public SoundPlayer {
public:
    EffectSoundPlayer();
    ~EffectSoundPlayer() override;
    void play(const QString& path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};
