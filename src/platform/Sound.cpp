#include "platform/Sound.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

EffectSoundPlayer::EffectSoundPlayer() = default;
EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(const QString& path)
{
    // Without an audio output there is nothing to play (and Qt would warn at
    // every sound).
    if (!QFileInfo(path).isFile() || QMediaDevices::defaultAudioOutput().isNull())
        return;
    // A fresh effect per sound: dropping the old one stops it. Nothing waits
    // for the end of playback (without an audio device it is never reported).
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
