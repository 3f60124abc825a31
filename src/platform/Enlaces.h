#pragma once
// Web and mail addresses open in the user's own programs, never inside the
// game. Tests hand in a fake that records them.
#include <QUrl>

class Enlaces {
public:
    virtual ~Enlaces() = default;
    virtual void abrir(const QUrl& url) = 0;
};

class EnlacesEscritorio : public Enlaces {
public:
    void abrir(const QUrl& url) override;
};
