#pragma once
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Enlaces.h"
#include "platform/Red.h"
#include "platform/Web.h"
#include "platform/Program.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/TestClock.h"

class Enlace;
class Etiqueta;

#include <QHash>
#include <QTcpSocket>
#include <memory>
#include <ostream>
#include <QTemporaryDir>

// Settings kept in memory, names folded to lower case like the real store.
class MemorySettings : public Settings {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& def = QString()) const override;
    void save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
    void deleteApp(const QString& app) override;
    QHash<QString, QString> values;
};

// The computer is online when the test says so.
class FakeConexion : public Conexion {
public:
    bool IsOnline() override { return online; }
    bool online = false;
};

// Records the addresses a person would have seen open in the browser.
class RecordingEnlaces : public Enlaces {
public:
    void abrir(const QUrl& url) override { abiertos << url; }
    QList<QUrl> abiertos;
};

// Page views that are plain widgets and remember where they went.
class FakeMotorWeb : public MotorWeb {
public:
    std::unique_ptr<PaginaWeb> crearPagina(QWidget* padre) override;
    int paginas = 0;          // views made
    QStringList navegaciones;  // every address, in order
};

// Fake services for one program instance: zero pauses, fixed seed, scripted
// message boxes, recorded sounds, settings in memory, a temporary desktop.
struct FakeServices {
    explicit FakeServices(unsigned seed = 1);
    TestClock clock;
    ScriptedDialogs dialogs;
    RecordingSoundPlayer sound;
    MemorySettings settings;
    FakeConexion conexion;  // offline unless a test says otherwise
    RecordingEnlaces enlaces;
    QTemporaryDir home;
    Services services;
};

// Saves what a person would see as <TRUCO_CAPTURAS>/<nombre>.png, when that
// folder is given (for looking at the windows, not for asserting).
void captura(QWidget* w, const QString& nombre);

// Turns the event loop until what was posted before this call has run;
// false if that took past a generous bound.
bool asentar();

// A wire over the real socket plug-in beside the program, on these services;
// none when the plug-in cannot be loaded.
std::unique_ptr<Enlace> enlaceDePrueba(Services& s);

// The score a label of the table shows.
int puntos(const Etiqueta* l);

// A port the system handed out for this test and keeps for it: bound on
// every address but never listening, so no other bind to port 0 and no
// outgoing connection of another test gets it, while a connection to it is
// refused. The game may still listen on it, since both sides allow the
// address to be reused and this one does not listen. Held until destroyed.
class PuertoReservado {
public:
    PuertoReservado();
    PuertoReservado(const PuertoReservado&) = delete;
    PuertoReservado& operator=(const PuertoReservado&) = delete;
    int numero() const { return numero_; }

private:
    std::unique_ptr<QTcpSocket> socket_;
    int numero_ = 0;
};

// The offscreen platform warns about every dialog; nothing a test needs.
void silenciarAvisosDeDialogos();

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
