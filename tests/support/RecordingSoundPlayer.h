#pragma once
#include "platform/Sound.h"

#include <QStringList>
#include <functional>

// Remembers the sounds a person would have heard, in order.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const QString& path) override
    {
        played << path;
        if (alSonar)
            alSonar(path);
    }
    QStringList played;
    std::function<void(const QString&)> alSonar;
};
