#include "game/ClienteCuatro.h"

#include "game/Form1.h"
#include "motor/Cartas.h"
#include "net/Enlace.h"
#include "net/rules/Cuatro.h"
#include "net/rules/Protocolo.h"
#include "platform/Dialogs.h"

#include <QLineEdit>
#include <algorithm>

namespace {

const QString kApagado = QStringLiteral("0000000000");

std::string txt(const QString& s) { return s.toStdString(); }

// The codes a client of the four-player game is told.
bool esDelCliente(const QString& c)
{
    static const QStringList codigos = {
        QStringLiteral("YORE"), QStringLiteral("CARA"), QStringLiteral("PIES"), QStringLiteral("PON0"),
        QStringLiteral("CONF"), QStringLiteral("4AR0"), QStringLiteral("4AR1"), QStringLiteral("4AR2"),
        QStringLiteral("BTON"), QStringLiteral("JUGT"), QStringLiteral("JUGI"), QStringLiteral("JUGM"),
        QStringLiteral("JUGD"), QStringLiteral("DICE"), QStringLiteral("DARH"), QStringLiteral("DARM"),
        QStringLiteral("MENS")};
    return codigos.contains(c);
}

}  // namespace

ClienteCuatro::ClienteCuatro(Form1& f, Services& s, Enlace& enlace, const QString& miNombre, int miCara)
    : f_(f), s_(s), enlace_(&enlace)
{
    nombres_[0] = miNombre;
    caras_[0] = miCara;
    enlace.setReceptor(Enlace::Receptor::ClienteCuatro);
    f_.entrarEnCuatro(this);
    mostrarJugadores();
}

bool ClienteCuatro::enviar(const std::string& m)
{
    return enlace_ && enlace_->enviar(QString::fromStdString(m));
}

bool ClienteCuatro::terminado() const
{
    return puntos_[0] >= reglas::kPartido || puntos_[1] >= reglas::kPartido;
}

bool ClienteCuatro::esperaAlJugador(bool respuesta) const
{
    // The player may press what the host's last panel offers.
    return !respuesta && enlace_ && manoEnJuego_ && !terminado() && panel_.contains(QLatin1Char('1'));
}

bool ClienteCuatro::puedeJugar() const
{
    return enlace_ && miTurno_ && f_.AlMazo->isEnabled() && !f_.bt[1]->isEnabled();
}

void ClienteCuatro::mostrarJugadores()
{
    f_.jugadoresCuatro(nombres_, caras_, pie_);
    f_.chatPara(nombres_[2]);
}

// ---- The player's moves -----------------------------------------------------------

void ClienteCuatro::jugar(int Index)
{
    if (Index < 0 || Index > 2 || !f_.CH[Index].Visible || !puedeJugar() || jugadas_ > 2)
        return;
    miTurno_ = false;
    panel_ = kApagado;
    f_.turnoCuatro(false, kApagado);
    const QString carta = f_.CH[Index].Caption;
    const int t = jugadas_++;
    f_.quitarDeLaMano(carta);
    f_.decir(f_.LH, QString());
    f_.jugadaCuatro(0, t, carta);
    enviar(protocolo::jugc(t, txt(carta)));
}

void ClienteCuatro::cantar(int Index)
{
    if (Index < 0 || Index > 7 || !f_.bt[Index]->isEnabled())
        return;
    const std::string_view codigo = cuatro::codigoDe(Index);
    f_.Botones(kApagado);
    f_.decirCuatro(0, QString::fromUtf8(cuatro::fraseDe(codigo)), caras_[0]);
    enviar(std::string(codigo));
}

void ClienteCuatro::alMazo()
{
    if (!f_.AlMazo->isEnabled())
        return;
    f_.Botones(kApagado);
    f_.decir(f_.LH, QString::fromUtf8(cuatro::fraseDe("4MAZ")));
    enviar("4MAZ");
}

void ClienteCuatro::caraCambiada()
{
    caras_[0] = f_.carTag.toInt();
    // The host tells the others.
    if (enlace_)
        enlace_->enviarDirecto(QString::fromStdString(protocolo::nick(txt(nombres_[0]), caras_[0])));
}

bool ClienteCuatro::chatear(const QString& texto)
{
    return !texto.isEmpty() && enlace_ && enlace_->enviarDirecto(QString::fromStdString(protocolo::mens(txt(texto))));
}

void ClienteCuatro::abandonar()
{
    if (alAbandonar)
        alAbandonar();
}

void ClienteCuatro::partidoTerminado()
{
    if (alTerminar)
        alTerminar();
}

void ClienteCuatro::redTerminada(bool porElPeer)
{
    if (porElPeer && !terminado() && enlace_)
        s_.dialogs.message(&f_, Dialogs::Icon::Error, Form1::tituloPrograma(),
                           QStringLiteral("La máquina servidor se ha desconectado") + QLatin1Char('\n') +
                               QStringLiteral("El partido ha sido cancelado"));
    enlace_ = nullptr;
    miTurno_ = false;
    manoEnJuego_ = false;
    f_.salirDeCuatro();
}

// ---- What the host tells ----------------------------------------------------------------

bool ClienteCuatro::recibir(const QString& codigo, const QString& argumento)
{
    if (!esDelCliente(codigo))
        return false;
    // Shown in arrival order, behind a card still in flight.
    f_.enCola([this, codigo, argumento] { tratar(codigo, argumento); });
    return true;
}

void ClienteCuatro::tratar(const QString& codigo, const QString& argumento)
{
    const int i = codigo.size() == 4 ? codigo[3].digitValue() : -1;
    if (codigo == QLatin1String("YORE")) {
        // He deals first; the host's computer shuffles and deals every hand.
    } else if (codigo == QLatin1String("CARA")) {
        const int d = argumento.isEmpty() ? -1 : argumento[0].digitValue();
        if (d < 1 || d > 3 || argumento.size() < 2)
            return;
        nombres_[d] = argumento.mid(1, argumento.size() - 2);
        caras_[d] = protocolo::caraDeDigito(argumento.back().toLatin1());
        mostrarJugadores();
    } else if (codigo == QLatin1String("PIES")) {
        pie_ = argumento.toInt();
        mostrarJugadores();
    } else if (codigo == QLatin1String("PON0")) {
        f_.Sonar(1, 0, QString());
        miTurno_ = false;
        manoEnJuego_ = false;
        jugadas_ = 0;
        f_.setWindowTitle(Form1::tituloPrograma());
        mostrarJugadores();
    } else if (codigo == QLatin1String("CONF")) {
        f_.despues(0.5, [this, argumento] {
            s_.dialogs.message(&f_, Dialogs::Icon::Information, QStringLiteral("Configuración del juego"), argumento);
        });
    } else if (codigo.startsWith(QLatin1String("4AR")) && i >= 0 && i <= 2) {
        cartas_[i] = argumento;
        if (i == 2) {
            manoEnJuego_ = true;
            f_.manoCuatro(cartas_);
        }
    } else if (codigo == QLatin1String("BTON")) {
        panel_ = argumento;
        f_.turnoCuatro(miTurno_, argumento);
    } else if (codigo == QLatin1String("JUGT")) {
        miTurno_ = true;
        f_.luzDeTurno(true);
    } else if (codigo.startsWith(QLatin1String("JUG"))) {
        const int lado = codigo == QLatin1String("JUGD") ? 1 : codigo == QLatin1String("JUGM") ? 2 : 3;
        const int t = argumento.isEmpty() ? -1 : argumento[0].digitValue();
        if (t < 0 || t > 2)
            return;
        f_.decir(f_.habla(lado), QString());
        f_.jugadaCuatro(lado, t, argumento.mid(1));
    } else if (codigo == QLatin1String("DICE")) {
        const int d = argumento.isEmpty() ? -1 : argumento[0].digitValue();
        if (d >= 0 && d <= 3)
            f_.decirCuatro(d, argumento.mid(1), caras_[d]);
    } else if (codigo == QLatin1String("DARH") || codigo == QLatin1String("DARM")) {
        // The host counts; this table adds what it is told, as far as 30.
        int& total = puntos_[codigo == QLatin1String("DARM") ? 0 : 1];
        if (total < reglas::kPartido) {
            total = std::min(total + argumento.toInt(), reglas::kPartido);
            f_.marcador(codigo == QLatin1String("DARM"), total);
        }
    } else if (codigo == QLatin1String("MENS")) {
        f_.decir(f_.LC, QLatin1Char('"') + argumento + QLatin1Char('"'));
        f_.Sonar(15, 0, voz());
    }
}
