#include "platform/Sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

EffectSoundPlayer::EffectSoundPlayer() = default;
EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    // A fresh effect per sound: dropping the old one stops it. Nothing waits
    // for the end of playback (without an audio device it is never reported).
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}
